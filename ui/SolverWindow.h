#pragma once
// What the three solver windows share: building from their table, reading a
// box as a number, writing a result, the calculation-failure message, and
// going back to the menu by "Regresar" or by the title bar.

#include "Layout.h"
#include "Widgets.h"
#include "WindowServices.h"

#include <QWidget>

class SolverWindow : public QWidget {
    Q_OBJECT
protected:
    SolverWindow(WindowServices &services, WindowId id, const WindowSpec &window,
                 const std::vector<ControlSpec> &table, const std::vector<AccessibleName> &names);

    // A control of the table, for the window's typed members.
    template <typename T>
    T *Control(const char *name) const { return controls_.Require<T>(name); }

    static double Value(const TextBox *box);
    static void Write(TextBox *box, double value);
    static void Write(TextBox *box, const char *text);

    void Message(const QString &prompt, const QString &title, MessageIcon icon);
    // An input check: when the box reads as 0, says so and gives true.
    bool RefuseIfZero(const TextBox *box, const QString &prompt, const QString &title, MessageIcon icon);
    // Said when the solution has no results for the inputs.
    void CalculationFailure(const QString &title, MessageIcon icon);
    // "Regresar": this window hides and the menu shows again.
    void ReturnToMenu();

    void closeEvent(QCloseEvent *event) override;

private:
    WindowServices &services_;
    WindowId id_;
    Controls controls_;
};
