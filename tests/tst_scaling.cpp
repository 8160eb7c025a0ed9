// Every window at the scale the environment asks for (QT_SCALE_FACTOR): it
// scales as a whole, no caption is clipped, and it opens in the middle of
// the screen.
#include "CaptionFit.h"
#include "Look.h"
#include "RecordingServices.h"
#include "Widgets.h"
#include "frmResolver.h"

#include <QFontInfo>
#include <QScreen>
#include <QWindow>
#include <QtTest>

class TestScaling : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallLook(*qApp); }
    void window_data();
    void window();
    void resolver();
};

void TestScaling::window_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QSize>("client"); // in device-independent pixels
    QTest::newRow("Form1") << int(WindowId::Form1) << QSize(578, 335);
    QTest::newRow("Form2") << int(WindowId::Form2) << QSize(707, 432);
    QTest::newRow("Form3") << int(WindowId::Form3) << QSize(633, 428);
    QTest::newRow("Form4") << int(WindowId::Form4) << QSize(581, 422);
    QTest::newRow("frmAbout") << int(WindowId::frmAbout) << QSize(464, 297);
}

void TestScaling::window()
{
    QFETCH(int, id);
    QFETCH(QSize, client);
    const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                             ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                             : 1.0;
    RecordingServices services;
    services.ShowWindow(WindowId(id));
    QWidget *window = services.Window(WindowId(id));
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->size(), client);
    // Centred, or where it is larger than the screen, from its top left.
    const QRect screen = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const int expectedX = frame.width() <= screen.width() ? screen.center().x() - frame.center().x() : screen.x() - frame.x();
    const int expectedY = frame.height() <= screen.height() ? screen.center().y() - frame.center().y() : screen.y() - frame.y();
    QVERIFY2(qAbs(expectedX) <= 1 && qAbs(expectedY) <= 1, qPrintable(QStringLiteral("%1, %2").arg(expectedX).arg(expectedY)));
    QCOMPARE(window->devicePixelRatioF(), scale);
    QCOMPARE(window->windowHandle()->devicePixelRatio(), scale);
    QCOMPARE(QFontInfo(window->font()).family(), QString("Liberation Sans"));
    const QStringList clipped = ClippedCaptions(window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
}

// The window for any triangle is laid out, not placed: at any scale each
// caption and each value shows whole, and the figure grows with the window.
void TestScaling::resolver()
{
    frmResolver window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // a = 5, b = 7, A = 40°
    for (const auto &[part, text] : {std::pair{"part0", "5"}, {"part1", "7"}, {"part3", "40"}})
        QTest::keyClicks(window.findChild<QLineEdit *>(part), text);
    const QStringList clipped = ClippedCaptions(&window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
    int values = 0;
    for (QLineEdit *box : window.findChildren<QLineEdit *>()) {
        if (box->text().isEmpty() || !box->isVisibleTo(&window))
            continue;
        ++values;
        QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) < box->width() - 6, qPrintable(box->text()));
    }
    QVERIFY(values >= 21); // the six parts and the fifteen results

    auto *figure = window.findChild<SvgPicture *>();
    QVERIFY(!figure->Empty());
    const QSize before = figure->size();
    window.resize(window.size() + QSize(160, 120));
    QTRY_VERIFY(figure->width() > before.width() && figure->height() > before.height());
}

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
