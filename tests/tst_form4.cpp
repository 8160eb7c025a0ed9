// The two-angles window through its real controls: checks and messages,
// results, failures, "Borrar", navigation, layout.
#include "CaptionFit.h"
#include "Credits.h"
#include "Form4.h"
#include "SolverCases.h"
#include "SolverWindowTest.h"

#include <QRadioButton>

#include <memory>

namespace {

// Degrees, minutes, seconds of A; of B; side c.
const QStringList kInputs{"Text1", "Text9", "Text10", "Text2", "Text11", "Text12", "Text3"};
// Written in this order: angle C split, sides a and b, area, perimeter.
const QStringList kResults{"Text4", "Text13", "Text14", "Text5", "Text6", "Text7", "Text8"};
const QStringList kAllBoxes{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7",
                            "Text8", "Text9", "Text10", "Text11", "Text12", "Text13", "Text14"};

using form4::kTitle;
using form4::kAngleA;
using form4::kAngleB;
using form4::kSideC;

// All seven texts, or whole degrees only with minutes and seconds 0.
using form4::Inputs;

} // namespace

class TestForm4 : public QObject {
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
        services->ShowWindow(WindowId::Form4);
        form = services->Window(WindowId::Form4);
        QVERIFY(form);
    }

    void cleanup()
    {
        services.reset();
        form = nullptr;
    }

    void window()
    {
        QCOMPARE(form->objectName(), QStringLiteral("Form4"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Conociendo dos ángulos y un lado..."));
        QCOMPARE(form->size(), QSize(581, 422));
        QVERIFY(!form->windowIcon().isNull());
        QCOMPARE(form->windowIcon().pixmap(32).toImage(), ProgramIcon().pixmap(32).toImage());
        QVERIFY(!form->findChild<QPushButton *>("Command4")); // no help button
    }

    void layout_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < Form4::Table().size(); ++i)
            QTest::newRow(Form4::Table()[i].name) << int(i);
    }

    void layout()
    {
        QFETCH(int, row);
        CheckRow(form, Form4::Table()[std::size_t(row)]);
    }

    void layoutAsWritten_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("centred");
        const QColor plain = QApplication::palette().color(QPalette::WindowText);
        QTest::newRow("Frame2") << "Frame2" << "Form4" << QRect(272, 24, 289, 169) << "Entrada de datos" << true << QColor(0, 0, 128) << false;
        QTest::newRow("Frame3") << "Frame3" << "Form4" << QRect(272, 200, 289, 193) << "Resultados" << true << QColor(192, 0, 0) << false;
        QTest::newRow("Frame1") << "Frame1" << "Form4" << QRect(16, 24, 241, 169) << "Ejemplo de triángulo a solucionar" << false << plain << false;
        QTest::newRow("Command1") << "Command1" << "Form4" << QRect(144, 224, 97, 25) << "Calcular" << true << plain << false;
        QTest::newRow("Command2") << "Command2" << "Form4" << QRect(144, 264, 97, 25) << "Borrar" << false << plain << false;
        QTest::newRow("Text10") << "Text10" << "Frame2" << QRect(216, 56, 41, 19) << "0.00" << false << plain << false;
        QTest::newRow("Text3") << "Text3" << "Frame2" << QRect(112, 136, 81, 19) << "0.00" << false << plain << false;
        QTest::newRow("Label12") << "Label12" << "Frame2" << QRect(16, 136, 89, 17) << "Valor del Lado c =" << false << plain << false;
        QTest::newRow("Label23") << "Label23" << "Frame2" << QRect(104, 32, 33, 17) << "grados" << false << plain << false;
        QTest::newRow("Label18") << "Label18" << "Frame2" << QRect(152, 32, 57, 17) << "minutos" << false << plain << true;
        QTest::newRow("Text13") << "Text13" << "Frame3" << QRect(144, 24, 49, 19) << "0" << false << plain << false;
        QTest::newRow("Label13") << "Label13" << "Frame3" << QRect(16, 24, 97, 17) << "Ángulo C =" << false << plain << false;
        QTest::newRow("Label16") << "Label16" << "Frame3" << QRect(8, 120, 73, 17) << "Superficie =" << false << plain << false;
        QTest::newRow("Label6") << "Label6" << "Frame1" << QRect(64, 104, 25, 17) << "OK" << false << plain << false;
        QTest::newRow("Label7") << "Label7" << "Frame1" << QRect(136, 104, 33, 17) << "OK" << false << plain << true;
        QTest::newRow("Label3") << "Label3" << "Frame1" << QRect(88, 16, 25, 17) << "C =?" << false << plain << true;
        QTest::newRow("Label27") << "Label27" << "Form4" << QRect(32, 360, 209, 33) << QString::fromUtf8(Credits::kAuthorAndYear) << false << plain << true;
        QTest::newRow("Shape1") << "Shape1" << "Form4" << QRect(24, 352, 225, 41) << "" << false << plain << false;
    }

    void layoutAsWritten()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, pixels);
        QFETCH(QString, text);
        QFETCH(bool, bold);
        QFETCH(QColor, colour);
        QFETCH(bool, centred);
        CheckAsWritten(form, name, parent, pixels, text, bold, colour);
        if (auto *label = form->findChild<QLabel *>(name))
            QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), centred);
    }

    void figureLines_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("side b") << "Line1" << QPoint(40, 128) << QPoint(104, 40);
        QTest::newRow("side a") << "Line2" << QPoint(104, 40) << QPoint(192, 120);
        QTest::newRow("side c") << "Line3" << QPoint(40, 128) << QPoint(192, 120);
        QTest::newRow("stroke at B") << "Line5" << QPoint(184, 96) << QPoint(168, 128);
        QTest::newRow("stroke at C") << "Line6" << QPoint(88, 56) << QPoint(128, 56);
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
        QCOMPARE(ControlNames(form), TableNames(Form4::Table()));
        QCOMPARE(Form4::Table().size(), std::size_t(56));
    }

    void tabOrder()
    {
        QCOMPARE(form->focusWidget(), Box(form, "Text1"));
        QCOMPARE(TabChain(form), (QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Command1",
                                              "Command2", "Command3", "Text7", "Text8", "Text9", "Text10",
                                              "Text11", "Text12", "Text13", "Text14"}));
    }

    void noClippedCaption()
    {
        const QStringList clipped = ClippedCaptions(form);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
    }

    void freshWindowAsksForAngleA()
    {
        const QStringList initial{"0", "0", "0.00", "0", "0.00", "0.00", "0.00",
                                  "0.00", "0", "0.00", "0", "0.00", "0", "0.00"};
        QCOMPARE(BoxTexts(form, kAllBoxes), initial);
        Click(form, "Command1");
        ExpectMessage(*services, kAngleA, kTitle, MessageIcon::Information);
        QCOMPARE(BoxTexts(form, kAllBoxes), initial);
    }

    // Only the degrees of A, the degrees of B and side c are tested, in that
    // order, and only against 0; the first that fails is the one reported.
    void refused_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("message");
        for (const cases::Refused &row : form4::kRefused)
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
        ExpectMessage(*services, message, kTitle, MessageIcon::Information);
        QCOMPARE(BoxTexts(form, kAllBoxes), before);
    }

    void results_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("results"); // Text4, Text13, Text14, Text5, Text6, Text7, Text8
        for (const cases::Solved &row : form4::kSolved)
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
        QCOMPARE(BoxTexts(form, kInputs), inputs); // inputs stay as typed
    }

    // The same angles typed another way give the same results.
    void sameAs_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("plain");
        QTest::newRow("3600 seconds of A") << Inputs("29", "0", "3600", "45", "0", "0", "10") << Inputs("30", "45", "10");
        QTest::newRow("negative minutes of B") << Inputs("30", "0", "0", "46", "-60", "0", "10") << Inputs("30", "45", "10");
        QTest::newRow("minutes of B") << Inputs("30", "0", "0", "44", "90", "0", "10") << Inputs("30", "45.5", "10");
        QTest::newRow("seconds of B") << Inputs("30", "0", "0", "45", "0", "1800", "10") << Inputs("30", "45.5", "10");
        QTest::newRow("words in minutes and seconds") << Inputs("30", "x", "y", "45", "z", "w", "10") << Inputs("30", "45", "10");
        QTest::newRow("units after numbers") << Inputs(" 30°", "0", "0", "45º", "0", "0", "10m") << Inputs("30", "45", "10");
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
        for (const cases::Failed &row : form4::kFailed)
            QTest::newRow(row.name) << row.inputs;
    }

    // A failure says so once and leaves the earlier results on screen.
    void failure()
    {
        QFETCH(QStringList, inputs);
        TypeInputs(Inputs("30", "45", "10"));
        Click(form, "Command1");
        QCOMPARE(BoxTexts(form, kResults).join(' '), QStringLiteral("105 0 0 5.176 7.321 18.301 22.497"));
        QCOMPARE(services->messages.size(), 0);

        TypeInputs(inputs);
        Click(form, "Command1");
        ExpectMessage(*services, kCalculationFailure, kTitle, MessageIcon::Information);
        QCOMPARE(BoxTexts(form, kResults).join(' '), QStringLiteral("105 0 0 5.176 7.321 18.301 22.497"));
        QCOMPARE(BoxTexts(form, kInputs), inputs);
        QVERIFY(form->isVisible());
    }

    void resultsWrittenInOrder()
    {
        TypeInputs(Inputs("20", "30", "0", "40", "15", "30", "12.5"));
        WriteOrder order(form);
        Click(form, "Command1");
        QCOMPARE(order.names, kResults);
    }

    // Whatever a result box holds is neither read nor kept.
    void resultBoxesAreOnlyWritten()
    {
        for (const QString &name : kResults)
            Type(form, name, "0");
        Type(form, "Text5", "abc");
        TypeInputs(Inputs("30", "45", "10"));
        Click(form, "Command1");
        QCOMPARE(services->messages.size(), 0);
        QCOMPARE(BoxTexts(form, kResults).join(' '), QStringLiteral("105 0 0 5.176 7.321 18.301 22.497"));
    }

    void borrar()
    {
        TypeInputs(Inputs("20", "30", "0", "40", "15", "30", "12.5"));
        Click(form, "Command1");
        WriteOrder order(form);
        Click(form, "Command2");
        QCOMPARE(order.names, kAllBoxes);
        QCOMPARE(BoxTexts(form, kAllBoxes), QStringList(14, QStringLiteral("0.00")));
        QCOMPARE(services->messages.size(), 0);
        Click(form, "Command1");
        ExpectMessage(*services, kAngleA, kTitle, MessageIcon::Information);
    }

    void borrarOnFreshWindow()
    {
        Click(form, "Command2");
        QCOMPARE(BoxTexts(form, kAllBoxes), QStringList(14, QStringLiteral("0.00")));
    }

    void regresar()
    {
        TypeInputs(Inputs("30", "45", "10"));
        Click(form, "Command1");
        const QStringList texts = BoxTexts(form, kAllBoxes);
        Click(form, "Command3");
        QVERIFY(!form->isVisible());
        QVERIFY(services->Visible(WindowId::Form1));
        QCOMPARE(services->Window(WindowId::Form4), form);
        QCOMPARE(BoxTexts(form, kAllBoxes), texts);
        QCOMPARE(services->messages.size(), 0);
    }

    // The title-bar close goes back to the menu and keeps the window.
    void titleBarClose()
    {
        Type(form, "Text3", "7");
        QVERIFY(!form->close());
        QVERIFY(!form->isVisible());
        QVERIFY(services->Visible(WindowId::Form1));
        QCOMPARE(services->Window(WindowId::Form4), form);
        QCOMPARE(Box(form, "Text3")->text(), QStringLiteral("7"));
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

    // Option2 opens this window; opened again it shows its last texts.
    void reopenedFromMenu()
    {
        RecordingServices fresh;
        fresh.ShowWindow(WindowId::Form1);
        QWidget *menu = fresh.Window(WindowId::Form1);
        Click(menu, "Option2");
        QVERIFY(menu->findChild<QRadioButton *>("Option2")->isChecked());
        Click(menu, "Command2");
        QWidget *opened = fresh.Window(WindowId::Form4);
        QVERIFY(opened);
        QVERIFY(opened->isVisible());
        QVERIFY(!menu->isVisible());
        QVERIFY(!fresh.Window(WindowId::Form3));

        const QStringList inputs = Inputs("100", "67.4", "10");
        for (int i = 0; i < kInputs.size(); ++i)
            Type(opened, kInputs[i], inputs[i]);
        Click(opened, "Command1");
        const QStringList texts = BoxTexts(opened, kAllBoxes);
        QCOMPARE(BoxTexts(opened, kResults).join(' '), QStringLiteral("12 35 60 45.145 42.321 208.392 97.466"));
        Click(opened, "Command3");
        QVERIFY(menu->isVisible());
        QVERIFY(!opened->isVisible());

        Click(menu, "Command2");
        QCOMPARE(fresh.Window(WindowId::Form4), opened);
        QVERIFY(opened->isVisible());
        QVERIFY(!menu->isVisible());
        QCOMPARE(BoxTexts(opened, kAllBoxes), texts);
        QCOMPARE(fresh.messages.size(), 0);
    }
};

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
