// A screen reader announces every box by its row and column, and the whole
// program can be used with the keyboard alone.
#include "Look.h"
#include "RecordingServices.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

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

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
