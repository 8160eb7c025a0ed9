// The two-sides window through its real controls: checks and messages,
// results, failures, "Borrar", navigation, layout.
#include "CaptionFit.h"
#include "Credits.h"
#include "Form3.h"
#include "SolverCases.h"
#include "SolverWindowTest.h"

#include <QRadioButton>

#include <memory>

namespace {

const QStringList kInputs{"Text1", "Text2", "Text3", "Text4", "Text5"};
const QStringList kResults{"Text6", "Text7", "Text8", "Text9", "Text10", "Text11", "Text12", "Text13", "Text14"};
const QStringList kAllBoxes = kInputs + kResults;

using form3::kInputTitle;
using form3::kAngleB;
using form3::kSideA;
using form3::kSideC;
using form3::kFailureTitle;

// degrees, minutes, seconds of B; side a; side c.
using form3::Inputs;

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordingServices> services;
    QWidget *form = nullptr;

    void TypeInputs(const QStringList &texts)
    {
        for (int i = 0; i < kInputs.size(); ++i)
            Type(form, kInputs[i], texts[i]);
    }

private slots:
    void initTestCase() { InstallTestLook(); }

    void init()
    {
        services = std::make_unique<RecordingServices>();
        services->ShowWindow(WindowId::Form3);
        form = services->Window(WindowId::Form3);
        QVERIFY(form);
    }

    void cleanup()
    {
        services.reset();
        form = nullptr;
    }

    void window()
    {
        QCOMPARE(form->objectName(), QStringLiteral("Form3"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Conociendo dos lados y el ángulo que forman"));
        QCOMPARE(form->size(), QSize(633, 428));
        // Unlike the other solver windows it shows no icon of the program.
        QVERIFY(form->windowIcon().isNull());
    }

    void layout_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < Form3::Table().size(); ++i)
            QTest::newRow(Form3::Table()[i].name) << int(i);
    }

    void layout()
    {
        QFETCH(int, row);
        CheckRow(form, Form3::Table()[std::size_t(row)]);
    }

    void layoutAsWritten_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("colour");
        const QColor plain = QApplication::palette().color(QPalette::WindowText);
        QTest::newRow("Frame2") << "Frame2" << "Form3" << QRect(320, 24, 281, 185) << "Entrada de datos" << true << QColor(0, 0, 128);
        QTest::newRow("Frame3") << "Frame3" << "Form3" << QRect(320, 216, 281, 185) << "Resultados" << true << QColor(128, 64, 0);
        QTest::newRow("Frame1") << "Frame1" << "Form3" << QRect(24, 24, 281, 201) << "Ejemplo de triángulo a solucionar" << false << plain;
        QTest::newRow("Command1") << "Command1" << "Form3" << QRect(192, 248, 97, 25) << "Calcular" << true << plain;
        QTest::newRow("Command3") << "Command3" << "Form3" << QRect(192, 328, 97, 25) << "Regresar" << false << plain;
        QTest::newRow("Text3") << "Text3" << "Frame2" << QRect(224, 48, 41, 19) << "0.00" << false << plain;
        QTest::newRow("Text4") << "Text4" << "Frame2" << QRect(112, 88, 73, 19) << "0.00" << false << plain;
        QTest::newRow("Text7") << "Text7" << "Frame3" << QRect(160, 32, 49, 19) << "0" << false << plain;
        QTest::newRow("Label20") << "Label20" << "Frame3" << QRect(8, 88, 105, 17) << "Valor del lado b =" << true << plain;
        QTest::newRow("Label24") << "Label24" << "Frame3" << QRect(48, 152, 65, 17) << "Perímetro =" << false << plain;
        QTest::newRow("Label5") << "Label5" << "Frame1" << QRect(224, 88, 41, 17) << "B = OK" << false << plain;
        QTest::newRow("Label27") << "Label27" << "Form3" << QRect(24, 384, 209, 25) << QString::fromUtf8(Credits::kAuthorAndYear) << false << plain;
        QTest::newRow("Shape1") << "Shape1" << "Form3" << QRect(16, 376, 225, 41) << "" << false << plain;
    }

    void layoutAsWritten()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, pixels);
        QFETCH(QString, text);
        QFETCH(bool, bold);
        QFETCH(QColor, colour);
        CheckAsWritten(form, name, parent, pixels, text, bold, colour);
    }

    void figureLines_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("side a") << "Line1" << QPoint(112, 56) << QPoint(216, 96);
        QTest::newRow("side c") << "Line2" << QPoint(216, 96) << QPoint(32, 160);
        QTest::newRow("side b") << "Line3" << QPoint(32, 160) << QPoint(112, 56);
        QTest::newRow("stroke at B") << "Line6" << QPoint(184, 80) << QPoint(184, 112);
    }

    void figureLines()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        CheckFigureLine(form, name, from, to);
    }

    void everyControlOnce()
    {
        QCOMPARE(ControlNames(form), TableNames(Form3::Table()));
        QCOMPARE(Form3::Table().size(), std::size_t(53));
    }

    void tabOrder()
    {
        QCOMPARE(form->focusWidget(), Box(form, "Text1"));
        QCOMPARE(TabChain(form), (QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7",
                                              "Text8", "Text9", "Text10", "Text11", "Text12", "Text13",
                                              "Text14", "Command1", "Command2", "Command3"}));
    }

    void noClippedCaption()
    {
        const QStringList clipped = ClippedCaptions(form);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
    }

    void freshWindowAsksForAngle()
    {
        QCOMPARE(BoxTexts(form, kAllBoxes), (QStringList{"0", "0", "0.00", "0.00", "0.00", "0", "0", "0.00",
                                                         "0", "0", "0.00", "0.00", "0.00", "0.00"}));
        Click(form, "Command1");
        ExpectMessage(*services, kAngleB, kInputTitle, MessageIcon::Critical);
        QCOMPARE(BoxTexts(form, kAllBoxes).join(' '), QStringLiteral("0 0 0.00 0.00 0.00 0 0 0.00 0 0 0.00 0.00 0.00 0.00"));
    }

    // Only the degrees of B, side a and side c are tested, in that order, and
    // only against 0; the first that fails is the one reported.
    void refused_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("message");
        for (const cases::Refused &row : form3::kRefused)
            QTest::newRow(row.name) << row.inputs << row.prompt;
    }

    void refused()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QString, message);
        TypeInputs(inputs);
        for (const QString &name : kResults)
            Type(form, name, "r" + name);
        const QStringList before = BoxTexts(form, kAllBoxes);
        Click(form, "Command1");
        ExpectMessage(*services, message, kInputTitle, MessageIcon::Critical);
        QCOMPARE(BoxTexts(form, kAllBoxes), before);
    }

    void results_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("results"); // Text6 to Text14
        for (const cases::Solved &row : form3::kSolved)
            QTest::newRow(row.name) << row.inputs << row.results.join(' ');
    }

    void results()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QString, results);
        TypeInputs(inputs);
        Click(form, "Command1");
        QCOMPARE(services->messages.size(), 0);
        QCOMPARE(BoxTexts(form, kResults).join(' '), results);
        QCOMPARE(BoxTexts(form, kInputs), inputs);
    }

    // The same angle or sides typed another way give the same results.
    void sameAs_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("plain");
        QTest::newRow("1 degree 90 minutes") << Inputs("1", "90", "0", "3", "4") << Inputs("2.5", "0", "0", "3", "4");
        QTest::newRow("10 degrees 7200 seconds") << Inputs("10", "0", "7200", "3", "4") << Inputs("12", "0", "0", "3", "4");
        QTest::newRow("seconds count") << Inputs("30", "0", "1800", "5", "2") << Inputs("30.5", "0", "0", "5", "2");
        QTest::newRow("words in minutes and seconds") << Inputs("90", "abc", "xyz", "3", "4") << Inputs("90", "0", "0", "3", "4");
        QTest::newRow("blank before a number") << Inputs(" 90", "0", "0", " 3", " 4") << Inputs("90", "0", "0", "3", "4");
        QTest::newRow("comma ends the side") << Inputs("90", "0", "0", "3,9", "4,2") << Inputs("90", "0", "0", "3", "4");
    }

    void sameAs()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, plain);
        TypeInputs(plain);
        Click(form, "Command1");
        const QStringList expected = BoxTexts(form, kResults);
        Click(form, "Command2");
        TypeInputs(typed);
        Click(form, "Command1");
        QCOMPARE(services->messages.size(), 0);
        QCOMPARE(BoxTexts(form, kResults), expected);
    }

    void failure_data()
    {
        QTest::addColumn<QStringList>("inputs");
        for (const cases::Failed &row : form3::kFailed)
            QTest::newRow(row.name) << row.inputs;
    }

    // A failure shows one message and leaves the earlier results on screen.
    void failure()
    {
        QFETCH(QStringList, inputs);
        TypeInputs(Inputs("90", "0", "0", "3", "4"));
        Click(form, "Command1");
        QCOMPARE(BoxTexts(form, kResults).join(' '), QStringLiteral("36 52 11.64 53 7 48.36 5 6 12"));
        QCOMPARE(services->messages.size(), 0);

        TypeInputs(inputs);
        Click(form, "Command1");
        ExpectMessage(*services, kCalculationFailure, kFailureTitle, MessageIcon::Critical);
        QCOMPARE(BoxTexts(form, kResults).join(' '), QStringLiteral("36 52 11.64 53 7 48.36 5 6 12"));
        QCOMPARE(BoxTexts(form, kInputs), inputs);
        QVERIFY(form->isVisible());
    }

    void failureMessageHasFourLines()
    {
        TypeInputs(Inputs("1", "-60", "0", "5", "3"));
        Click(form, "Command1");
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->messages.front().prompt.split(QChar(10)),
                 (QStringList{" ERROR DE CÁLCULO ", "Se han introducido valores con los cuales",
                              "resulta imposible realizar el cálculo...", "Inténtelo de nuevo!"}));
    }

    void resultsWrittenInOrder()
    {
        TypeInputs(Inputs("90", "0", "0", "3", "4"));
        WriteOrder order(form);
        Click(form, "Command1");
        QCOMPARE(order.names, kResults);
    }

    // Whatever a result box holds is neither read nor kept.
    void resultBoxesAreOnlyWritten()
    {
        for (const QString &name : kResults)
            Type(form, name, "0");
        Type(form, "Text12", "abc");
        TypeInputs(Inputs("90", "0", "0", "3", "4"));
        Click(form, "Command1");
        QCOMPARE(services->messages.size(), 0);
        QCOMPARE(BoxTexts(form, kResults).join(' '), QStringLiteral("36 52 11.64 53 7 48.36 5 6 12"));
    }

    void borrar()
    {
        TypeInputs(Inputs("90", "0", "0", "3", "4"));
        Click(form, "Command1");
        for (const QString &name : kInputs)
            Type(form, name, "x" + name);
        WriteOrder order(form);
        Click(form, "Command2");
        QCOMPARE(order.names, kAllBoxes);
        QCOMPARE(BoxTexts(form, kAllBoxes), (QStringList{"00", "00", "00", "0.00", "0.00", "0.00", "0.00",
                                                         "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}));
        QCOMPARE(services->messages.size(), 0);
        Click(form, "Command1");
        ExpectMessage(*services, kAngleB, kInputTitle, MessageIcon::Critical);
    }

    void regresar()
    {
        TypeInputs(Inputs("90", "0", "0", "3", "4"));
        Click(form, "Command1");
        const QStringList texts = BoxTexts(form, kAllBoxes);
        Click(form, "Command3");
        QVERIFY(!form->isVisible());
        QVERIFY(services->Visible(WindowId::Form1));
        QCOMPARE(services->Window(WindowId::Form3), form);
        QCOMPARE(BoxTexts(form, kAllBoxes), texts);
        QCOMPARE(services->messages.size(), 0);
    }

    // The title-bar close goes back to the menu and keeps the window.
    void titleBarClose()
    {
        Type(form, "Text4", "7");
        QVERIFY(!form->close());
        QVERIFY(!form->isVisible());
        QVERIFY(services->Visible(WindowId::Form1));
        QCOMPARE(services->Window(WindowId::Form3), form);
        QCOMPARE(Box(form, "Text4")->text(), QStringLiteral("7"));
        QVERIFY(!services->ended);
    }

    void closesWhenProgramEnds()
    {
        services->ShowWindow(WindowId::Form1);
        Click(services->Window(WindowId::Form1), "Command1");
        QVERIFY(services->ended);
        QVERIFY(!form->isVisible());
        QVERIFY(!services->Visible(WindowId::Form1));
    }

    // Option3 opens this window; opened again it shows its last texts.
    void reopenedFromMenu()
    {
        RecordingServices fresh;
        fresh.ShowWindow(WindowId::Form1);
        QWidget *menu = fresh.Window(WindowId::Form1);
        Click(menu, "Option3");
        QVERIFY(menu->findChild<QRadioButton *>("Option3")->isChecked());
        Click(menu, "Command2");
        QWidget *opened = fresh.Window(WindowId::Form3);
        QVERIFY(opened);
        QVERIFY(opened->isVisible());
        QVERIFY(!menu->isVisible());
        QVERIFY(!fresh.Window(WindowId::Form4));

        for (int i = 0; i < kInputs.size(); ++i)
            Type(opened, kInputs[i], Inputs("45", "30", "15", "10", "7")[i]);
        Click(opened, "Command1");
        const QStringList texts = BoxTexts(opened, kAllBoxes);
        QCOMPARE(BoxTexts(opened, kResults).join(' '), QStringLiteral("90 4 8.04 44 25 37.2 7.133 24.9655 24.133"));
        Click(opened, "Command3");
        QVERIFY(menu->isVisible());
        QVERIFY(!opened->isVisible());

        Click(menu, "Command2");
        QCOMPARE(fresh.Window(WindowId::Form3), opened);
        QVERIFY(opened->isVisible());
        QVERIFY(!menu->isVisible());
        QCOMPARE(BoxTexts(opened, kAllBoxes), texts);
        QCOMPARE(fresh.messages.size(), 0);
    }
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
