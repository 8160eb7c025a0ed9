// The main menu and the way between the windows: "Continuar", "Regresar",
// the title-bar close button, "Salir", "Ayuda" and "Acerca de...".
#include "Form1.h"
#include "SolverWindowTest.h"

#include <QRadioButton>

#include <memory>

namespace {

const QStringList kForm2Boxes{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9",
                              "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16", "Text17"};

// Records, in order, each program window that is shown or hidden.
class ShowHideLog : public QObject {
public:
    ShowHideLog() { qApp->installEventFilter(this); }
    ~ShowHideLog() override { qApp->removeEventFilter(this); }

    QStringList entries;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->isWindow() && !widget->objectName().isEmpty()
            && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
            entries << (event->type() == QEvent::Show ? "show " : "hide ") + widget->objectName();
        return false;
    }
};

QRadioButton *Option(QWidget *menu, const QString &name)
{
    return menu->findChild<QRadioButton *>(name);
}

// Which option buttons are selected, as "100", "010", ...
QString Selection(QWidget *menu)
{
    QString bits;
    for (const char *name : {"Option1", "Option2", "Option3"})
        bits += Option(menu, name)->isChecked() ? '1' : '0';
    return bits;
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordingServices> services;
    QWidget *menu = nullptr;

    void Choose(const QString &option)
    {
        QRadioButton *button = Option(menu, option);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        QVERIFY(button->isChecked());
    }

private slots:
    void initTestCase() { InstallTestLook(); }

    void init()
    {
        services = std::make_unique<RecordingServices>();
        services->ShowWindow(WindowId::Form1);
        menu = services->Window(WindowId::Form1);
        QVERIFY(menu);
    }

    void cleanup()
    {
        services.reset();
        menu = nullptr;
    }

    void startsWithNothingSelected()
    {
        QCOMPARE(Selection(menu), QStringLiteral("000"));
        QVERIFY(menu->isVisible());
        for (WindowId other : {WindowId::Form2, WindowId::Form3, WindowId::Form4, WindowId::frmAbout})
            QVERIFY(!services->Window(other));
    }

    void continuarWithNoOption()
    {
        ShowHideLog log;
        Click(menu, "Command2");
        QVERIFY(menu->isVisible());
        QVERIFY(log.entries.isEmpty());
        QVERIFY(services->messages.isEmpty());
        for (WindowId other : {WindowId::Form2, WindowId::Form3, WindowId::Form4})
            QVERIFY(!services->Window(other));
    }

    // Each option opens its window; the menu hides before the three-sides
    // window shows, and after the other two.
    void continuar_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QStringList>("steps");

        QTest::newRow("Option1 opens Form2") << "Option1" << int(WindowId::Form2) << "100"
                                             << QStringList{"hide Form1", "show Form2"};
        QTest::newRow("Option2 opens Form4") << "Option2" << int(WindowId::Form4) << "010"
                                             << QStringList{"show Form4", "hide Form1"};
        QTest::newRow("Option3 opens Form3") << "Option3" << int(WindowId::Form3) << "001"
                                             << QStringList{"show Form3", "hide Form1"};
    }

    void continuar()
    {
        QFETCH(QString, option);
        QFETCH(int, window);
        QFETCH(QString, selection);
        QFETCH(QStringList, steps);
        const auto id = WindowId(window);

        Choose(option);
        QCOMPARE(Selection(menu), selection);
        ShowHideLog log;
        Click(menu, "Command2");
        QVERIFY(services->Window(id));
        QCOMPARE(log.entries, steps);
        QVERIFY(services->Visible(id));
        QVERIFY(!menu->isVisible());
        QVERIFY(services->messages.isEmpty());
    }

    // Every text of the three-sides window and the selected option survive
    // the trip back to the menu and forth again.
    void regresarKeepsEverything()
    {
        Choose("Option1");
        Click(menu, "Command2");
        QWidget *form2 = services->Window(WindowId::Form2);
        QVERIFY(form2);
        Type(form2, "Text1", "3");
        Type(form2, "Text2", "4");
        Type(form2, "Text3", "5");
        Click(form2, "Command2");
        Type(form2, "Text7", "mine");
        const QStringList texts = BoxTexts(form2, kForm2Boxes);
        QCOMPARE(texts.mid(0, 4), QStringList({"3", "4", "5", "36.8699"}));

        // Where the user left it, it shows again.
        form2->move(form2->pos() + QPoint(-70, 40));
        const QPoint place = form2->pos();
        Click(form2, "Command3");
        QVERIFY(!form2->isVisible());
        QVERIFY(menu->isVisible());
        QCOMPARE(Selection(menu), QStringLiteral("100"));

        Click(menu, "Command2");
        QCOMPARE(services->Window(WindowId::Form2), form2);
        QVERIFY(form2->isVisible());
        QCOMPARE(form2->pos(), place);
        QVERIFY(!menu->isVisible());
        QCOMPARE(BoxTexts(form2, kForm2Boxes), texts);
        QVERIFY(services->messages.isEmpty());
    }

    // The three-sides window closed by its title bar goes back to the menu.
    void closingForm2GoesBack()
    {
        Choose("Option1");
        Click(menu, "Command2");
        QWidget *form2 = services->Window(WindowId::Form2);
        QVERIFY(form2);
        Type(form2, "Text1", "12");

        QVERIFY(!form2->close()); // refused: the window is kept
        QVERIFY(!form2->isVisible());
        QVERIFY(menu->isVisible());
        QVERIFY(!services->ended);
        QCOMPARE(services->Window(WindowId::Form2), form2);

        Click(menu, "Command2");
        QCOMPARE(Box(form2, "Text1")->text(), QStringLiteral("12"));
    }

    // The menu closed by its title bar ends the program, as "Salir" does.
    void closingForm1Ends()
    {
        Choose("Option1");
        Click(menu, "Command2");
        Click(services->Window(WindowId::Form2), "Command3");
        QVERIFY(menu->isVisible());

        menu->close();
        QVERIFY(services->ended);
        QVERIFY(!menu->isVisible());
        QVERIFY(!services->Visible(WindowId::Form2));
    }

    // "Salir" with solver windows opened earlier and now hidden.
    void salirEndsWithHiddenWindows()
    {
        Choose("Option1");
        Click(menu, "Command2");
        QWidget *form2 = services->Window(WindowId::Form2);
        QVERIFY(form2);
        Click(form2, "Command3");
        QVERIFY(!form2->isVisible());
        QVERIFY(menu->isVisible());

        ShowHideLog log;
        Click(menu, "Command1");
        QVERIFY(services->ended);
        QVERIFY(services->Ending());
        QVERIFY(!menu->isVisible());
        QVERIFY(!form2->isVisible());
        // Closing the solver window while ending must not bring the menu back.
        QVERIFY(!log.entries.contains("show Form1"));
        QVERIFY(services->messages.isEmpty());
    }

    void ayuda()
    {
        Choose("Option2");
        Click(menu, "Command3");
        ExpectMessage(*services, QStringLiteral("Seleccione la opción deseada y presione el botón continuar..."),
                      QStringLiteral("Ayuda del programa..."), MessageIcon::Information);
        QVERIFY(menu->isVisible());
        QCOMPARE(Selection(menu), QStringLiteral("010"));
        QVERIFY(!services->ended);
    }

    void acercaDe()
    {
        Click(menu, "Command4");
        QWidget *about = services->Window(WindowId::frmAbout);
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QVERIFY(!menu->isVisible());
        QVERIFY(!services->ended);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
