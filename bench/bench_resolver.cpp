// One keystroke in the window for any triangle, from the key to the repainted
// window: reading, solution, results, working and figure. Offscreen, so the
// time is the program's own and not the display's.
#include "Look.h"
#include "Widgets.h"
#include "frmResolver.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <array>

namespace {

// Counts the figure's paints, so a run that did not repaint cannot pass for fast.
class PaintCount : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Types the six texts (empty ones skipped), then times keystrokes in box
// `part`, which ends in a digit: every other one erases it, the next types
// it again. With `typingOnly`, only the keystrokes that type it are timed.
void Keystroke(benchmark::State &state, std::array<const char *, 6> texts, int part, bool typingOnly = false)
{
    frmResolver window;
    window.resize(1000, 720);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("window not shown");
        return;
    }
    for (int i = 0; i < 6; ++i)
        if (*texts[i])
            QTest::keyClicks(window.findChild<QLineEdit *>(QStringLiteral("part%1").arg(i)), texts[i]);
    auto *box = window.findChild<QLineEdit *>(QStringLiteral("part%1").arg(part));
    box->setFocus();
    box->end(false);
    const Qt::Key digit = Qt::Key(Qt::Key_0 + QString(texts[part]).back().digitValue());
    auto *figure = window.findChild<SvgPicture *>();
    PaintCount count;
    figure->installEventFilter(&count);
    QApplication::processEvents();
    const int before = count.paints;

    bool erase = true;
    for (auto _ : state) {
        if (typingOnly && erase) {
            state.PauseTiming();
            QTest::keyClick(box, Qt::Key_Backspace);
            QApplication::processEvents();
            erase = false;
            state.ResumeTiming();
        }
        QTest::keyClick(box, erase ? Qt::Key_Backspace : digit);
        QApplication::processEvents();
        erase = !erase;
    }
    if (count.paints - before < state.iterations())
        state.SkipWithError("the figure was not repainted after every keystroke");
    if (figure->Empty())
        state.SkipWithError("no triangle was drawn");
}

// Three sides, a right triangle: c is 5.01 and 5.0 in turn.
void ThreeSides(benchmark::State &state) { Keystroke(state, {"3", "4", "5.01", "", "", ""}, 2); }
// The ambiguous case, both triangles: a is 5.01 and 5.0 in turn.
void TwoSolutions(benchmark::State &state) { Keystroke(state, {"5.01", "7", "", "40", "", ""}, 0); }
// An angle in degrees, minutes and seconds: B is 40 15 31 and 40 15 3 in turn.
void AngleDms(benchmark::State &state) { Keystroke(state, {"", "", "12.5", "20:30:15", "40 15 31", ""}, 4); }
// The third datum typed, the costliest keystroke: three boxes change from
// typing to results and every result appears (timed alone; erasing it is not).
void ThirdDatum(benchmark::State &state) { Keystroke(state, {"3", "4", "5", "", "", ""}, 2, true); }

} // namespace

BENCHMARK(ThreeSides)->Unit(benchmark::kMicrosecond);
BENCHMARK(TwoSolutions)->Unit(benchmark::kMicrosecond);
BENCHMARK(AngleDms)->Unit(benchmark::kMicrosecond);
BENCHMARK(ThirdDatum)->Unit(benchmark::kMicrosecond);

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallLook(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
