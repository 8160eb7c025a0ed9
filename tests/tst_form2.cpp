// The three-sides window through its real controls: typing into the boxes and
// clicking the buttons, with the messages recorded; and once with real
// message boxes, as the user sees them.
#include "Form2.h"
#include "SolverCases.h"
#include "SolverWindowTest.h"

#include <QMessageBox>
#include <QTimer>

#include <memory>

namespace {

const QStringList kSides{"Text1", "Text2", "Text3"};
// In the order "Calcular" writes them.
const QStringList kResults{"Text9", "Text10", "Text11", "Text12", "Text13", "Text14", "Text15",
                           "Text16", "Text17", "Text4", "Text5", "Text6", "Text7", "Text8"};
const QStringList kAllBoxes = kSides + kResults;

using form2::kInputTitle;
using form2::kSideA;
using form2::kSideB;
using form2::kSideC;
using form2::kFailureTitle;
const QString kHelp =
    QStringLiteral("Introduzca los valores de los lados a (menor), b (medio), y c (mayor) del triángulo");

// The fourteen results of the sides 3, 4, 5, in writing order.
using form2::k345;

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordingServices> services;
    QWidget *form = nullptr;

    void TypeSides(const QString &a, const QString &b, const QString &c)
    {
        Type(form, "Text1", a);
        Type(form, "Text2", b);
        Type(form, "Text3", c);
    }

    void Solve345()
    {
        TypeSides("3", "4", "5");
        Click(form, "Command2");
        QCOMPARE(BoxTexts(form, kResults), k345);
        services->messages.clear();
    }

private slots:
    void initTestCase() { InstallTestLook(); }

    void init()
    {
        services = std::make_unique<RecordingServices>();
        services->ShowWindow(WindowId::Form2);
        form = services->Window(WindowId::Form2);
        QVERIFY(form);
    }

    void cleanup()
    {
        services.reset();
        form = nullptr;
    }

    void freshWindowAsksForSideA()
    {
        Click(form, "Command2");
        ExpectMessage(*services, kSideA, kInputTitle, MessageIcon::Critical);
        QCOMPARE(BoxTexts(form, kAllBoxes),
                 QStringList({"0", "0", "0", "0", "0", "0.00", "0", "0", "0.00", "0", "0", "0.00",
                              "0.00", "0.00", "0.00", "0.00", "0.00"}));
    }

    // The first side that reads as 0 is reported, and nothing else happens.
    void inputMessages_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("prompt");

        for (const cases::Refused &row : form2::kRefused)
            QTest::newRow(row.name) << row.inputs[0] << row.inputs[1] << row.inputs[2] << row.prompt;
    }

    void inputMessages()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QString, prompt);

        Solve345();
        TypeSides(a, b, c);
        const QStringList before = BoxTexts(form, kAllBoxes);
        Click(form, "Command2");
        ExpectMessage(*services, prompt, kInputTitle, MessageIcon::Critical);
        QCOMPARE(BoxTexts(form, kAllBoxes), before);
        QVERIFY(form->isVisible());
    }

    void threeFourFive()
    {
        Click(form, "Command1"); // every result box "0.00", so every write shows
        TypeSides("3", "4", "5");
        WriteOrder order(form);
        Click(form, "Command2");
        QVERIFY(services->messages.isEmpty());
        QCOMPARE(order.names, kResults);
        QCOMPARE(BoxTexts(form, kResults), k345);
        QCOMPARE(BoxTexts(form, kSides), QStringList({"3", "4", "5"}));
    }

    // Other sides, each solved through the window.
    void results_data()
    {
        QTest::addColumn<QStringList>("sides");
        QTest::addColumn<QStringList>("results");

        for (const cases::Solved &row : form2::kSolved)
            QTest::newRow(row.name) << row.inputs << row.results;
    }

    void results()
    {
        QFETCH(QStringList, sides);
        QFETCH(QStringList, results);

        TypeSides(sides[0], sides[1], sides[2]);
        Click(form, "Command2");
        QVERIFY(services->messages.isEmpty());
        QCOMPARE(BoxTexts(form, kResults), results);
        QCOMPARE(BoxTexts(form, kSides), sides); // the inputs stay as typed
    }

    // A failing triangle: the four-line message, and every box as before.
    void failure_data()
    {
        QTest::addColumn<QStringList>("sides");

        for (const cases::Failed &row : form2::kFailed)
            QTest::newRow(row.name) << row.inputs;
    }

    void failure()
    {
        QFETCH(QStringList, sides);

        Solve345();
        TypeSides(sides[0], sides[1], sides[2]);
        Click(form, "Command2");
        ExpectMessage(*services, kCalculationFailure, kFailureTitle, MessageIcon::Critical);
        QCOMPARE(BoxTexts(form, kResults), k345);
        QCOMPARE(BoxTexts(form, kSides), sides);

        // The window goes on working.
        services->messages.clear();
        TypeSides("3", "4", "5");
        Click(form, "Command2");
        QVERIFY(services->messages.isEmpty());
        QCOMPARE(BoxTexts(form, kResults), k345);
    }

    void failureMessageIsFourLines()
    {
        TypeSides("1", "2", "3");
        Click(form, "Command2");
        QCOMPARE(services->messages.size(), 1);
        const QStringList lines = services->messages.front().prompt.split(QChar(10));
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.front(), QStringLiteral(" ERROR DE CÁLCULO "));
        QVERIFY(!services->messages.front().prompt.endsWith(QChar(10)));
        QVERIFY(!services->messages.front().prompt.contains(QChar(13)));
    }

    void borrar()
    {
        Solve345();
        Click(form, "Command1");
        QCOMPARE(BoxTexts(form, kSides), QStringList({"", "", ""}));
        for (const QString &name : kResults)
            QCOMPARE(Box(form, name)->text(), QStringLiteral("0.00"));
        QVERIFY(services->messages.isEmpty());

        Click(form, "Command2");
        ExpectMessage(*services, kSideA, kInputTitle, MessageIcon::Critical);
    }

    // Typing into a result box changes nothing; the next "Calcular" or
    // "Borrar" overwrites it.
    void resultBoxTypedInto_data()
    {
        QTest::addColumn<QString>("box");
        for (const QString &name : kResults)
            QTest::newRow(qPrintable(name)) << name;
    }

    void resultBoxTypedInto()
    {
        QFETCH(QString, box);

        Solve345();
        Type(form, box, "hola 7");
        QVERIFY(services->messages.isEmpty());
        QStringList expected = k345;
        expected[kResults.indexOf(box)] = "hola 7";
        QCOMPARE(BoxTexts(form, kResults), expected);

        Click(form, "Command2");
        QVERIFY(services->messages.isEmpty());
        QCOMPARE(BoxTexts(form, kResults), k345);

        Type(form, box, "99");
        Click(form, "Command1");
        QCOMPARE(Box(form, box)->text(), QStringLiteral("0.00"));
    }

    void ayuda()
    {
        Solve345();
        const QStringList before = BoxTexts(form, kAllBoxes);
        Click(form, "Command4");
        ExpectMessage(*services, kHelp, QStringLiteral("Ayuda del programa..."), MessageIcon::Information);
        QCOMPARE(BoxTexts(form, kAllBoxes), before);
        QVERIFY(form->isVisible());
    }

    void regresarShowsTheMenu()
    {
        Solve345();
        Click(form, "Command3");
        QVERIFY(!form->isVisible());
        QVERIFY(services->Visible(WindowId::Form1));
        QCOMPARE(services->Window(WindowId::Form2), form); // hidden, not destroyed
        QVERIFY(services->messages.isEmpty());
        QVERIFY(!services->ended);

        services->ShowWindow(WindowId::Form2);
        QCOMPARE(BoxTexts(form, kResults), k345);
        QCOMPARE(BoxTexts(form, kSides), QStringList({"3", "4", "5"}));
    }

    // Real message boxes: what the user reads, and the Spanish button.
    void realMessageBox_data()
    {
        QTest::addColumn<QStringList>("sides");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");

        QTest::newRow("side a") << QStringList{"", "4", "5"} << "Command2" << kInputTitle << kSideA
                                << int(QMessageBox::Critical);
        QTest::newRow("failure") << QStringList{"1", "2", "3"} << "Command2" << kFailureTitle << kCalculationFailure
                                 << int(QMessageBox::Critical);
        QTest::newRow("help") << QStringList{"3", "4", "5"} << "Command4" << QStringLiteral("Ayuda del programa...")
                              << kHelp << int(QMessageBox::Information);
    }

    void realMessageBox()
    {
        QFETCH(QStringList, sides);
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(int, icon);

        WindowManager windows;
        RegisterWindows(windows);
        windows.ShowWindow(WindowId::Form2);
        QWidget *real = windows.Window(WindowId::Form2);
        QVERIFY(real);
        Type(real, "Text1", sides[0]);
        Type(real, "Text2", sides[1]);
        Type(real, "Text3", sides[2]);
        const QStringList before = BoxTexts(real, kAllBoxes);

        struct Seen {
            bool box = false;
            QString title, text, buttonText;
            int icon = -1;
            int buttons = 0;
            QWidget *owner = nullptr;
            bool modal = false;
            int width = 0;
            QPoint centre;
        } seen;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll.stop();
            seen.box = true;
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = int(box->icon());
            seen.buttons = int(box->buttons().size());
            seen.owner = box->parentWidget();
            seen.modal = box->isModal();
            seen.width = box->frameGeometry().width();
            seen.centre = box->frameGeometry().center();
            if (QAbstractButton *ok = box->button(QMessageBox::Ok)) {
                seen.buttonText = ok->text().remove(QLatin1Char('&'));
                QTest::mouseClick(ok, Qt::LeftButton);
            } else {
                box->done(0);
            }
        });
        poll.start();
        QTimer::singleShot(5000, &poll, [&] {
            poll.stop();
            if (QWidget *stuck = QApplication::activeModalWidget())
                stuck->close();
        });

        Click(real, button);
        QVERIFY2(seen.box, "no message box appeared");
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.icon, icon);
        QCOMPARE(seen.buttons, 1);
        QCOMPARE(seen.buttonText, QStringLiteral("Aceptar"));
        // Over the window that raised it, and wide enough for its whole title.
        QCOMPARE(seen.owner, real);
        QVERIFY(seen.modal);
        QFont bold = QApplication::font();
        bold.setBold(true);
        QVERIFY2(seen.width >= QFontMetrics(bold).horizontalAdvance(title) + 100, qPrintable(QString::number(seen.width)));
        QVERIFY2((seen.centre - real->frameGeometry().center()).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("box centre %1,%2").arg(seen.centre.x()).arg(seen.centre.y())));
        QCOMPARE(BoxTexts(real, kAllBoxes), before);
        QVERIFY(real->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
