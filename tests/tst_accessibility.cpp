// A screen reader announces every window by its caption and every box by its
// row and column, the whole program can be used with the keyboard alone, and
// a long result can be read from its start.
#include "Look.h"
#include "RecordingServices.h"
#include "Widgets.h"
#include "frmResolver.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using Keys = QList<int>;
using Texts = QList<QPair<QString, QString>>; // box, text

namespace {

// The parts of a window a screen reader shows: every accessible below it
// that is not invisible.
void ShowingParts(QAccessibleInterface *parent, QList<QAccessibleInterface *> &parts)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface *child = parent->child(i);
        if (child && !child->state().invisible) {
            parts << child;
            ShowingParts(child, parts);
        }
    }
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private:
    RecordingServices *services = nullptr;

    QWidget *Open(WindowId id)
    {
        services->ShowWindow(id);
        QWidget *window = services->Window(id);
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            qWarning("window did not become active");
        return window;
    }

    static void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    // Tabs until the named control holds the focus; fails after a full round.
    static bool TabTo(const QString &name)
    {
        for (int i = 0; i < 40; ++i) {
            if (QApplication::focusWidget() && QApplication::focusWidget()->objectName() == name)
                return true;
            Press(Qt::Key_Tab);
        }
        return false;
    }

    static void Type(const QString &text)
    {
        auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

private slots:
    void init()
    {
        services = new RecordingServices;
    }
    void cleanup()
    {
        delete services;
        services = nullptr;
    }
    void initTestCase() { InstallLook(*qApp); }

    void boxNames_data();
    void boxNames();
    void everyBoxIsNamed_data();
    void everyBoxIsNamed();
    void keyboardOnlyThreeSides();
    void keyboardOnlyTwoAngles();
    void keyboardOnlyTwoSides();
    void keyboardOnlyAboutAndExit();
    void windowRole_data();
    void windowRole();
    void returnPressesFocusedButton_data();
    void returnPressesFocusedButton();
    void arrowsSelectOptions_data();
    void arrowsSelectOptions();
    void writtenTextShowsItsStart_data();
    void writtenTextShowsItsStart();
    void resolverWindow();
};

void TestAccessibility::boxNames_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("name");
    const auto row = [](WindowId w, const char *box, const char *name) {
        QTest::addRow("%d %s", int(w), box) << int(w) << QString(box) << QString::fromUtf8(name);
    };
    row(WindowId::Form2, "Text1", "Lado a");
    row(WindowId::Form2, "Text4", "Ángulo A, grados decimales");
    row(WindowId::Form2, "Text14", "Ángulo B, segundos");
    row(WindowId::Form2, "Text15", "Ángulo C, grados");
    row(WindowId::Form2, "Text8", "Suma angular");
    row(WindowId::Form3, "Text2", "Ángulo B, minutos");
    row(WindowId::Form3, "Text5", "Lado c");
    row(WindowId::Form3, "Text11", "Ángulo C, segundos");
    row(WindowId::Form3, "Text14", "Perímetro");
    row(WindowId::Form4, "Text9", "Ángulo A, minutos");
    row(WindowId::Form4, "Text12", "Ángulo B, segundos");
    row(WindowId::Form4, "Text13", "Ángulo C, minutos");
    row(WindowId::Form4, "Text7", "Superficie");
}

void TestAccessibility::boxNames()
{
    QFETCH(int, window);
    QFETCH(QString, box);
    QFETCH(QString, name);
    services->ShowWindow(WindowId(window));
    QWidget *edit = services->Window(WindowId(window))->findChild<QLineEdit *>(box);
    QVERIFY(edit);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(edit);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

void TestAccessibility::everyBoxIsNamed_data()
{
    QTest::addColumn<int>("window");
    QTest::newRow("Form2") << int(WindowId::Form2);
    QTest::newRow("Form3") << int(WindowId::Form3);
    QTest::newRow("Form4") << int(WindowId::Form4);
}

void TestAccessibility::everyBoxIsNamed()
{
    QFETCH(int, window);
    services->ShowWindow(WindowId(window));
    QSet<QString> names;
    const auto boxes = services->Window(WindowId(window))->findChildren<QLineEdit *>();
    for (QLineEdit *edit : boxes) {
        QVERIFY2(!edit->accessibleName().isEmpty(), qPrintable(edit->objectName()));
        names.insert(edit->accessibleName());
    }
    QCOMPARE(names.size(), boxes.size()); // no two boxes announced alike
}

void TestAccessibility::keyboardOnlyThreeSides()
{
    Open(WindowId::Form1);
    QVERIFY(TabTo("Option1"));
    Press(Qt::Key_Space);
    QVERIFY(TabTo("Command2"));
    Press(Qt::Key_Space);
    QVERIFY(services->Visible(WindowId::Form2));
    QWidget *form2 = Open(WindowId::Form2);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Text1"));
    Type("3");
    Press(Qt::Key_Tab);
    Type("4");
    Press(Qt::Key_Tab);
    Type("5");
    QVERIFY(TabTo("Command2"));
    Press(Qt::Key_Space);
    QCOMPARE(form2->findChild<QLineEdit *>("Text4")->text(), QString("36.8699"));
    QVERIFY(TabTo("Command4"));
    Press(Qt::Key_Space);
    QCOMPARE(services->messages.size(), 1);
    QVERIFY(TabTo("Command3"));
    Press(Qt::Key_Space);
    QVERIFY(services->Visible(WindowId::Form1));
    QVERIFY(!services->Visible(WindowId::Form2));
}

void TestAccessibility::keyboardOnlyTwoAngles()
{
    Open(WindowId::Form1);
    // The options are one stop of the tab order; the arrows move among them.
    QVERIFY(TabTo("Option1"));
    Press(Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Option2"));
    Press(Qt::Key_Space);
    QVERIFY(services->Window(WindowId::Form1)->findChild<QRadioButton *>("Option2")->isChecked());
    QVERIFY(TabTo("Command2"));
    Press(Qt::Key_Space);
    QWidget *form4 = Open(WindowId::Form4);
    Type("30");
    Press(Qt::Key_Tab);
    Type("45");
    Press(Qt::Key_Tab);
    Type("10");
    QVERIFY(TabTo("Command1"));
    Press(Qt::Key_Space);
    QCOMPARE(form4->findChild<QLineEdit *>("Text5")->text(), QString("5.176"));
    QVERIFY(TabTo("Command2"));
    Press(Qt::Key_Space);
    QCOMPARE(form4->findChild<QLineEdit *>("Text5")->text(), QString("0.00"));
    QVERIFY(TabTo("Command3"));
    Press(Qt::Key_Space);
    QVERIFY(services->Visible(WindowId::Form1));
}

void TestAccessibility::keyboardOnlyTwoSides()
{
    Open(WindowId::Form1);
    QVERIFY(TabTo("Option1"));
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Option3"));
    Press(Qt::Key_Space);
    QVERIFY(services->Window(WindowId::Form1)->findChild<QRadioButton *>("Option3")->isChecked());
    QVERIFY(TabTo("Command2"));
    Press(Qt::Key_Space);
    QWidget *form3 = Open(WindowId::Form3);
    Type("90");
    QVERIFY(TabTo("Text4"));
    Type("3");
    Press(Qt::Key_Tab);
    Type("4");
    QVERIFY(TabTo("Command1"));
    Press(Qt::Key_Space);
    QCOMPARE(form3->findChild<QLineEdit *>("Text12")->text(), QString("5"));
    QVERIFY(TabTo("Command3"));
    Press(Qt::Key_Space);
    QVERIFY(services->Visible(WindowId::Form1));
}

void TestAccessibility::keyboardOnlyAboutAndExit()
{
    Open(WindowId::Form1);
    QVERIFY(TabTo("Command3"));
    Press(Qt::Key_Space);
    QCOMPARE(services->messages.size(), 1);
    QVERIFY(TabTo("Command4"));
    Press(Qt::Key_Space);
    QVERIFY(services->Visible(WindowId::frmAbout));
    Open(WindowId::frmAbout);
    Press(Qt::Key_Escape);
    RecordingServices::Settle();
    QVERIFY(services->Visible(WindowId::Form1));
    Open(WindowId::Form1);
    QVERIFY(TabTo("Command1"));
    Press(Qt::Key_Space);
    QVERIFY(services->ended);
}

// Announced as a window with its caption; no part shown as a filler; the
// example figure described once.
void TestAccessibility::windowRole_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("figure");
    QTest::newRow("Form1") << int(WindowId::Form1) << int(QAccessible::Window) << "Image1";
    QTest::newRow("Form2") << int(WindowId::Form2) << int(QAccessible::Window) << "Frame1";
    QTest::newRow("Form3") << int(WindowId::Form3) << int(QAccessible::Window) << "Frame1";
    QTest::newRow("Form4") << int(WindowId::Form4) << int(QAccessible::Window) << "Frame1";
    QTest::newRow("frmAbout") << int(WindowId::frmAbout) << int(QAccessible::Dialog) << "Image1";
}

void TestAccessibility::windowRole()
{
    QFETCH(int, window);
    QFETCH(int, role);
    QFETCH(QString, figure);
    QWidget *w = Open(WindowId(window));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(w);
    QVERIFY(accessible);
    QCOMPARE(int(accessible->role()), role);
    QCOMPARE(accessible->text(QAccessible::Name), w->windowTitle());

    QList<QAccessibleInterface *> parts;
    ShowingParts(accessible, parts);
    QStringList described;
    for (QAccessibleInterface *part : parts) {
        QVERIFY2(part->role() != QAccessible::Client, qPrintable(part->object()->objectName()));
        if (!part->text(QAccessible::Description).isEmpty())
            described << part->object()->objectName();
    }
    QCOMPARE(described, QStringList{figure});
}

// Return and the keypad's Enter press the button that has the focus; in a
// box they press nothing, as no button is the default.
void TestAccessibility::returnPressesFocusedButton_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("messages");
    QTest::addColumn<bool>("stays");
    QTest::addColumn<QString>("text1"); // what Text1 then holds

    QTest::newRow("Form1 Ayuda, Return") << int(WindowId::Form1) << "Command3" << int(Qt::Key_Return) << 1 << true << "";
    QTest::newRow("Form1 Ayuda, Enter") << int(WindowId::Form1) << "Command3" << int(Qt::Key_Enter) << 1 << true << "";
    QTest::newRow("Form2 Calcular, Return") << int(WindowId::Form2) << "Command2" << int(Qt::Key_Return) << 1 << true << "0";
    QTest::newRow("Form2 Regresar, Enter") << int(WindowId::Form2) << "Command3" << int(Qt::Key_Enter) << 0 << false << "0";
    QTest::newRow("Form3 Borrar, Return") << int(WindowId::Form3) << "Command2" << int(Qt::Key_Return) << 0 << true << "00";
    QTest::newRow("Form4 Calcular, Enter") << int(WindowId::Form4) << "Command1" << int(Qt::Key_Enter) << 1 << true << "0";
    QTest::newRow("Form2 Return in a side") << int(WindowId::Form2) << "Text1" << int(Qt::Key_Return) << 0 << true << "0";
    QTest::newRow("Form3 Enter in a result") << int(WindowId::Form3) << "Text14" << int(Qt::Key_Enter) << 0 << true << "0";
    QTest::newRow("Form4 Return in side c") << int(WindowId::Form4) << "Text3" << int(Qt::Key_Return) << 0 << true << "0";
}

void TestAccessibility::returnPressesFocusedButton()
{
    QFETCH(int, window);
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(int, messages);
    QFETCH(bool, stays);
    QFETCH(QString, text1);
    QWidget *w = Open(WindowId(window));
    QWidget *target = w->findChild<QWidget *>(control);
    QVERIFY(target);
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(services->messages.size(), messages);
    QCOMPARE(w->isVisible(), stays);
    if (auto *box = w->findChild<QLineEdit *>("Text1"))
        QCOMPARE(box->text(), text1);
}

void TestAccessibility::arrowsSelectOptions_data()
{
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QString>("selection"); // Option1, Option2, Option3
    QTest::newRow("down") << Keys{Qt::Key_Down} << "010";
    QTest::newRow("right") << Keys{Qt::Key_Right} << "010";
    QTest::newRow("down twice") << Keys{Qt::Key_Down, Qt::Key_Down} << "001";
    QTest::newRow("down and up") << Keys{Qt::Key_Down, Qt::Key_Up} << "100";
    QTest::newRow("down, down, left") << Keys{Qt::Key_Down, Qt::Key_Down, Qt::Key_Left} << "010";
}

// A case can be chosen with the arrows alone, and "Continuar" then opens it.
void TestAccessibility::arrowsSelectOptions()
{
    QFETCH(Keys, keys);
    QFETCH(QString, selection);
    QWidget *menu = Open(WindowId::Form1);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Option1"));
    for (int key : keys)
        Press(Qt::Key(key));
    QString bits;
    for (const char *name : {"Option1", "Option2", "Option3"})
        bits += menu->findChild<QRadioButton *>(name)->isChecked() ? '1' : '0';
    QCOMPARE(bits, selection);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Option%1").arg(selection.indexOf('1') + 1));
    QVERIFY(TabTo("Command2"));
    Press(Qt::Key_Return);
    QVERIFY(!menu->isVisible());
}

// What the program writes into a box shows from its start; a text too wide
// for its box is its tooltip, also while the user edits it.
void TestAccessibility::writtenTextShowsItsStart_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<Texts>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("longBox");
    QTest::addColumn<QString>("longText");
    QTest::addColumn<QString>("shortBox");

    QTest::newRow("Form4 perimeter") << int(WindowId::Form4)
                                     << Texts{{"Text1", "30"}, {"Text2", "45"}, {"Text3", "3.14159265358979"}}
                                     << "Command1" << "Text8" << "7.06759265358979" << "Text4";
    QTest::newRow("Form2 area of 1e77") << int(WindowId::Form2)
                                        << Texts{{"Text1", "1e77"}, {"Text2", "1e77"}, {"Text3", "1e77"}}
                                        << "Command2" << "Text7" << "4.33012701892219E+153" << "Text4";
    QTest::newRow("Form3 long sides") << int(WindowId::Form3)
                                      << Texts{{"Text1", "45"}, {"Text2", "30"}, {"Text3", "15"},
                                               {"Text4", "123456789.123456"}, {"Text5", "98765432.9876543"}}
                                      << "Command1" << "Text12" << "88908449.3434" << "Text6";
    QTest::newRow("Form3 Borrar after long texts") << int(WindowId::Form3)
                                                   << Texts{{"Text4", "123456789.123456"}, {"Text14", "98765432.9876543"}}
                                                   << "Command2" << "" << "" << "Text4";
}

void TestAccessibility::writtenTextShowsItsStart()
{
    QFETCH(int, window);
    QFETCH(Texts, typed);
    QFETCH(QString, button);
    QFETCH(QString, longBox);
    QFETCH(QString, longText);
    QFETCH(QString, shortBox);
    QWidget *w = Open(WindowId(window));
    for (const auto &[name, text] : typed) {
        auto *box = w->findChild<QLineEdit *>(name);
        QVERIFY(box);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    QStringList written;
    for (QLineEdit *box : w->findChildren<QLineEdit *>())
        connect(box, &QLineEdit::textChanged, this, [&written, box] { written << box->objectName(); });
    QTest::mouseClick(w->findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(services->messages.size(), 0);
    QVERIFY(written.contains(shortBox));
    for (const QString &name : written)
        QVERIFY2(w->findChild<QLineEdit *>(name)->cursorPosition() == 0, qPrintable(name));
    QVERIFY(w->findChild<QLineEdit *>(shortBox)->toolTip().isEmpty());
    if (longBox.isEmpty())
        return;

    auto *box = w->findChild<QLineEdit *>(longBox);
    QCOMPARE(box->text(), longText);
    QCOMPARE(box->toolTip(), longText);
    // Edited by the user: the tooltip follows, and goes once the text fits.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->toolTip(), longText.chopped(1));
    box->selectAll();
    QTest::keyClicks(box, "12");
    QVERIFY(box->toolTip().isEmpty());
}

// The window for any triangle: a window with its title, no part a filler,
// every control named once, the status read as text, the
// figure described, Tab in reading order, Return pressing the focused button.
void TestAccessibility::resolverWindow()
{
    frmResolver window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto name = [](QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    const QStringList order{"Lado a", "Lado b", "Lado c", "Ángulo A", "Ángulo B", "Ángulo C",
                            "grados, minutos y segundos", "Decimales"};
    QCOMPARE(name(QApplication::focusWidget()), order[0]);
    for (const QString &next : order.mid(1)) {
        if (next.startsWith("Lado") || next == "Ángulo A")
            Type(QString::number(next == "Ángulo A" ? 5 : next == "Lado c" ? 4 : 3));
        Press(Qt::Key_Tab);
        QCOMPARE(name(QApplication::focusWidget()), next);
    }

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&window);
    QCOMPARE(int(accessible->role()), int(QAccessible::Window));
    QCOMPARE(accessible->text(QAccessible::Name), window.windowTitle());
    QList<QAccessibleInterface *> parts;
    ShowingParts(accessible, parts);
    QStringList controls;
    QAccessibleInterface *status = nullptr;
    for (QAccessibleInterface *part : parts) {
        QVERIFY2(part->role() != QAccessible::Client, part->object()->metaObject()->className());
        if (part->state().focusable && part->role() != QAccessible::StatusBar)
            controls << part->text(QAccessible::Name);
        if (part->role() == QAccessible::StatusBar)
            status = part;
    }
    QVERIFY(!controls.contains(QString()));
    QCOMPARE(QSet<QString>(controls.begin(), controls.end()).size(), controls.size());
    QVERIFY(status && status->textInterface());
    QCOMPARE(status->text(QAccessible::Name) + ": " + status->textInterface()->text(0, status->textInterface()->characterCount()),
             QString("Estado: LLL: una solución"));
    QAccessibleInterface *figure = QAccessible::queryAccessibleInterface(window.findChild<SvgPicture *>());
    QCOMPARE(int(figure->role()), int(QAccessible::Graphic));
    QVERIFY2(figure->text(QAccessible::Description).startsWith("Triángulo rectángulo escaleno: a = 3, b = 4, c = 5"),
             qPrintable(figure->text(QAccessible::Description)));

    // "Borrar" by Return, then "Cerrar" is the last stop of the tab order.
    QVERIFY(TabTo("clear"));
    Press(Qt::Key_Return);
    for (int part = 0; part < 6; ++part)
        QVERIFY(window.findChild<QLineEdit *>(QString("part%1").arg(part))->text().isEmpty());
    QVERIFY(TabTo("clear"));
    Press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("close"));
    Press(Qt::Key_Tab);
    QCOMPARE(name(QApplication::focusWidget()), order[0]);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
