#include "SolverWindow.h"

#include "Widgets.h"
#include "numeric.h"

#include <QCloseEvent>

SolverWindow::SolverWindow(WindowServices &services, WindowId id, const WindowSpec &window,
                           const std::vector<ControlSpec> &table, const std::vector<AccessibleName> &names)
    : services_(services), id_(id), controls_(BuildControls(this, window, table))
{
    SetAccessibleNames(controls_, names);
}

double SolverWindow::Value(const TextBox *box)
{
    const QByteArray bytes = box->text().toUtf8();
    return TextValue(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

void SolverWindow::Write(TextBox *box, double value)
{
    box->Write(QString::fromStdString(NumberText(value)));
}

void SolverWindow::Write(TextBox *box, const char *text)
{
    box->Write(QString::fromUtf8(text));
}

void SolverWindow::Message(const QString &prompt, const QString &title, MessageIcon icon)
{
    services_.MessageBox(id_, prompt, title, icon);
}

bool SolverWindow::RefuseIfZero(const TextBox *box, const QString &prompt, const QString &title, MessageIcon icon)
{
    if (Value(box) != 0)
        return false;
    Message(prompt, title, icon);
    return true;
}

void SolverWindow::CalculationFailure(const QString &title, MessageIcon icon)
{
    Message(QStringLiteral(" ERROR DE CÁLCULO \n"
                           "Se han introducido valores con los cuales\n"
                           "resulta imposible realizar el cálculo...\n"
                           "Inténtelo de nuevo!"),
            title, icon);
}

void SolverWindow::ReturnToMenu()
{
    services_.HideWindow(id_);
    services_.ShowWindow(WindowId::Form1);
}

void SolverWindow::closeEvent(QCloseEvent *event)
{
    // The title-bar close goes back to the menu, as "Regresar" does, and the
    // window lives on with its texts; when the program ends, it just closes.
    if (services_.Ending()) {
        event->accept();
        return;
    }
    event->ignore();
    ReturnToMenu();
}
