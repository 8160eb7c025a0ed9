// The practice mode's rules, through the view the page and the window show:
// the tolerance at its edges, the readings of an answer, each known mistake
// worked out here on its own, both orders of two triangles, the streak and
// the summary, the address, and stores that cannot be read. That problem k
// is row k of generar and its hints the steps of --pasos, tst_web checks
// against the command.
#include "generate.h"
#include "practice.h"

#include <QtTest>

#include <cmath>
#include <numbers>

using namespace calc;

namespace {

constexpr std::uint64_t kSeed = 2026;

// The set's problems and their solutions, as the generator makes them.
std::vector<generator::Problem> Problems(const std::string &cases, int count)
{
    generator::Request request;
    request.seed = kSeed;
    request.count = count;
    std::string problem;
    request.cases = *ReadCaseList(cases, problem);
    return generator::Generate(request).versions.front();
}

TriangleSolution Solved(const generator::Problem &problem)
{
    return SolveTriangle(generator::DataOf(problem));
}

// The unknown parts in the boxes' order, then the area.
std::vector<double> Unknowns(const TriangleSolution &solution, int triangle)
{
    const SolvedTriangle &t = solution.triangles[std::size_t(triangle)];
    std::vector<double> values;
    for (int i = 0; i < 6; ++i) {
        if (!solution.given[std::size_t(i)])
            values.push_back(i < 3 ? t.sides[std::size_t(i)] : t.angles[std::size_t(i - 3)]);
    }
    values.push_back(t.area);
    return values;
}

std::string Fixed(double x, int decimals)
{
    return QString::number(x, 'f', decimals).toStdString();
}

// A practice of `cases` at its problem of that case with `triangles`
// triangles (the first such), with the problem.
struct Opened {
    Practice practice;
    TriangleSolution solution;
};

Opened OpenAt(const std::string &cases, TriangleCase kase, int triangles, int decimals = 2)
{
    const std::string address = "semilla=" + std::to_string(kSeed) + "&casos=" + cases
                                + "&problemas=30&decimales=" + std::to_string(decimals);
    Practice practice("", address, 1, "https://example.org/practica.html");
    for (const generator::Problem &problem : Problems(cases, 30)) {
        const TriangleSolution solution = Solved(problem);
        if (problem.kase == kase && solution.count == triangles)
            return {std::move(practice), solution};
        practice.Next();
    }
    qFatal("no such problem in the set");
}

// Types each value into the boxes from `first` on.
void Answer(Practice &practice, const std::vector<std::string> &texts, int first = 0)
{
    for (std::size_t i = 0; i < texts.size(); ++i)
        practice.Type(first + int(i), texts[i]);
}

std::vector<std::string> Texts(const std::vector<double> &values, int decimals)
{
    std::vector<std::string> texts;
    for (const double x : values)
        texts.push_back(Fixed(x, decimals));
    return texts;
}

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

} // namespace

class TestPractice : public QObject {
    Q_OBJECT

private slots:
    // One box, the side of a LAL problem (from 2 to 60), answered at the edges
    // of its tolerance: with no decimals one unit, with four 0.1 % of it.
    void tolerance_data()
    {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("factor"); // of the tolerance, off the exact value
        QTest::addColumn<bool>("right");
        QTest::newRow("none, one unit over") << 0 << 0.99999 << true;
        QTest::newRow("none, just beyond") << 0 << 1.00001 << false;
        QTest::newRow("none, one unit under") << 0 << -0.99999 << true;
        QTest::newRow("2 decimals, at the edge") << 2 << 0.99999 << true;
        QTest::newRow("2 decimals, beyond") << 2 << -1.00001 << false;
        QTest::newRow("4 decimals, 0.1 % forgives") << 4 << 0.99999 << true;
        QTest::newRow("4 decimals, beyond 0.1 %") << 4 << 1.00001 << false;
    }
    void tolerance()
    {
        QFETCH(int, decimals);
        QFETCH(double, factor);
        QFETCH(bool, right);
        Opened opened = OpenAt("LAL", TriangleCase::LAL, 1, decimals);
        const double c = Unknowns(opened.solution, 0)[0];
        const double tolerance = decimals == 0 ? 1 : decimals == 4 ? c / 1000 : std::max(0.01, c / 1000);
        opened.practice.Type(0, QString::number(c + factor * tolerance, 'g', 17).toStdString());
        opened.practice.Check();
        QCOMPARE(QString::fromStdString(opened.practice.View().boxes[0].mark), right ? "Correcto" : "Incorrecto");
    }

    // Every way a student may write an answer, and what is no answer.
    void readings_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("mark");
        QTest::newRow("point") << "%1.%2" << "Correcto";
        QTest::newRow("comma") << "%1,%2" << "Correcto";
        QTest::newRow("blanks around") << "  %1.%2 " << "Correcto";
        QTest::newRow("degrees minutes seconds") << "dms" << "Correcto";
        QTest::newRow("with colons") << "colons" << "Correcto";
        QTest::newRow("with blanks") << "blanks" << "Correcto";
        QTest::newRow("a unit") << "%1.%2°C" << "No se puede leer";
        QTest::newRow("two marks") << "%1.%2.5" << "No se puede leer";
        QTest::newRow("empty") << "" << "Sin respuesta";
        QTest::newRow("blanks only") << "  " << "Sin respuesta";
    }
    void readings()
    {
        QFETCH(QString, form);
        QFETCH(QString, mark);
        Opened opened = OpenAt("LLL", TriangleCase::LLL, 1);
        const double A = Unknowns(opened.solution, 0)[0];
        const int whole = int(A), minutes = int((A - whole) * 60);
        const double seconds = ((A - whole) * 60 - minutes) * 60;
        const QString hundredths = QString::number(int(std::lround((A - whole) * 100))).rightJustified(2, u'0');
        const QString dms = QString::number(whole) + QString("°") + QString::number(minutes) + QString("′")
                            + QString::number(seconds, 'f', 1) + QString("″");
        QString text = form == "dms"      ? dms
                       : form == "colons" ? QString("%1:%2:%3").arg(whole).arg(minutes).arg(seconds, 0, 'f', 1)
                       : form == "blanks" ? QString("%1 %2 %3").arg(whole).arg(minutes).arg(seconds, 0, 'f', 1)
                                          : form;
        if (text.contains("%1"))
            text = text.arg(whole).arg(hundredths);
        opened.practice.Type(0, text.toStdString());
        opened.practice.Check();
        const PracticeBox box = opened.practice.View().boxes[0];
        QCOMPARE(QString::fromStdString(box.mark), mark);
        QCOMPARE(box.invalid, mark == "No se puede leer");
    }

    // Each mistake worked out here as the student makes it, with the words it gets.
    void mistakes_data()
    {
        QTest::addColumn<QString>("cases");
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("mistake");
        QTest::addColumn<QString>("words");
        const QString radians = "Incorrecto: sale con la calculadora en radianes; póngala en grados.";
        QTest::newRow("LLL angle in radians") << "LLL" << 1 << "angle" << radians;
        QTest::newRow("LAL side, cosine in radians") << "LAL" << 0 << "cosine" << radians;
        QTest::newRow("LAL side, sign") << "LAL" << 0 << "sign" << "sign";
        QTest::newRow("ALA side, sines in radians") << "ALA" << 0 << "sines" << radians;
        QTest::newRow("LAA side, sines in radians") << "LAA" << 0 << "sines" << radians;
        QTest::newRow("LLA the other triangle") << "LLA" << 3 << "other" << "Incorrecto: ese valor es del otro triángulo.";
        QTest::newRow("unknown mistake") << "LAA" << 3 << "off" << "Incorrecto";
    }
    void mistakes()
    {
        QFETCH(QString, cases);
        QFETCH(int, box);
        QFETCH(QString, mistake);
        QFETCH(QString, words);
        const std::string list = cases.toStdString();
        std::string problem;
        const TriangleCase kase = ReadCaseList(list, problem)->front();
        Opened opened = OpenAt(list, kase, kase == TriangleCase::LLA ? 2 : 1);
        const TriangleSolution &s = opened.solution;
        const SolvedTriangle &t = s.triangles[0];
        if (kase == TriangleCase::LLA)
            opened.practice.Choose(1);
        // The unknown side of the box, its angle, and the given side the law of sines starts from.
        int part = -1;
        for (int i = 0, seen = 0; i < 6; ++i) {
            if (!s.given[std::size_t(i)] && seen++ == box)
                part = i;
        }
        double value = 0;
        QString letters;
        if (mistake == "angle") {
            value = Radians(t.angles[std::size_t(part - 3)]);
        } else if (mistake == "cosine" || mistake == "sign") {
            const int y = part == 0 ? 1 : 0, z = part == 2 ? 1 : 2;
            const double b = t.sides[std::size_t(y)], c = t.sides[std::size_t(z)], A = t.angles[std::size_t(part)];
            const double cosine = mistake == "cosine" ? std::cos(A) : -std::cos(Radians(A));
            value = std::sqrt(b * b + c * c - 2 * b * c * cosine);
            const char *L = "abcABC";
            const QChar x = QChar(L[part]), y2 = QChar(L[y]), z2 = QChar(L[z]);
            letters = QString("Incorrecto: revise el signo del teorema del coseno: ") + x + "² = " + y2 + "² + " + z2
                      + "² − 2·" + y2 + "·" + z2 + "·cos " + QChar(L[part + 3]) + ".";
        } else if (mistake == "sines") {
            int from = -1;
            for (int i = 0; i < 3; ++i) {
                if (s.given[std::size_t(i)] && (from < 0 || s.given[std::size_t(i + 3)]))
                    from = i;
            }
            value = t.sides[std::size_t(from)] * std::sin(t.angles[std::size_t(part)])
                    / std::sin(t.angles[std::size_t(from)]);
        } else if (mistake == "other") {
            // Among this triangle's values: the set goes with it.
            Answer(opened.practice, Texts(Unknowns(s, 0), 2));
            value = Unknowns(s, 1)[std::size_t(box)];
        } else {
            value = Unknowns(s, 0)[std::size_t(box)] * 1.5;
        }
        opened.practice.Type(box, Fixed(value, 2));
        opened.practice.Check();
        const PracticeBox marked = opened.practice.View().boxes[std::size_t(box)];
        QCOMPARE(QString::fromStdString(marked.mark), words == "sign" ? letters : words);
        QVERIFY(marked.invalid);
    }

    // The count of LLA: each choice against each kind, and what shows.
    void count_data()
    {
        QTest::addColumn<int>("triangles");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<int>("shown"); // boxes
        QTest::newRow("two, said one") << 2 << 1 << "Incorrecto: hay dos triángulos; el segundo tiene el ángulo suplementario." << 4;
        QTest::newRow("two, said none") << 2 << 0 << "Incorrecto: hay dos triángulos; el segundo tiene el ángulo suplementario." << 0;
        QTest::newRow("one, said two") << 1 << 2 << "height" << 8;
        QTest::newRow("none, said one") << 0 << 1 << "height" << 4;
        QTest::newRow("none, right") << 0 << 0 << "Correcto" << 0;
        QTest::newRow("not chosen") << 1 << -1 << "Sin respuesta" << 4;
    }
    void count()
    {
        QFETCH(int, triangles);
        QFETCH(int, chosen);
        QFETCH(QString, mark);
        QFETCH(int, shown);
        Opened opened = OpenAt("LLA", TriangleCase::LLA, triangles);
        opened.practice.Choose(chosen);
        opened.practice.Check();
        const PracticeView view = opened.practice.View();
        const QString got = QString::fromStdString(view.countMark);
        if (mark == "height")
            QVERIFY2(got.startsWith("Incorrecto: ") && (got.contains("altura") || got.contains("con el lado")),
                     qPrintable(got));
        else
            QCOMPARE(got, mark);
        QCOMPARE(int(std::ranges::count_if(view.boxes, &PracticeBox::shown)), shown);
        QCOMPARE(QString::fromStdString(view.correction),
                 QString("%1%2 de %3 correctas").arg(mark == "Correcto" ? "Todo correcto: " : "")
                     .arg(mark == "Correcto" ? 1 : 0).arg(1 + 4 * triangles));
    }

    // Two triangles may come in either order; one of them alone is still right.
    void twoTriangles_data()
    {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<bool>("swapped");
        QTest::addColumn<QString>("correction");
        QTest::newRow("in order") << 2 << false << "Todo correcto: 9 de 9 correctas";
        QTest::newRow("swapped") << 2 << true << "Todo correcto: 9 de 9 correctas";
        QTest::newRow("one, the second") << 1 << true << "4 de 9 correctas";
    }
    void twoTriangles()
    {
        QFETCH(int, chosen);
        QFETCH(bool, swapped);
        QFETCH(QString, correction);
        Opened opened = OpenAt("LLA", TriangleCase::LLA, 2);
        opened.practice.Choose(chosen);
        Answer(opened.practice, Texts(Unknowns(opened.solution, swapped ? 1 : 0), 2));
        Answer(opened.practice, Texts(Unknowns(opened.solution, swapped ? 0 : 1), 2), 4);
        opened.practice.Check();
        const PracticeView view = opened.practice.View();
        QCOMPARE(QString::fromStdString(view.correction), correction);
        for (int i = 0; i < 4 * chosen; ++i)
            QCOMPARE(view.boxes[std::size_t(i)].mark, "Correcto");
    }

    // Problem by problem as a student goes: the streak, the results, the summary.
    void streak()
    {
        const std::vector<generator::Problem> problems = Problems("LLL,LAL", 6);
        Practice practice("", "semilla=2026&casos=LLL,LAL&problemas=6&decimales=1", 1, "https://example.org/p.html");
        const auto right = [&](int k) {
            for (int i = 0; i < 4; ++i)
                practice.Type(i, "");
            Answer(practice, Texts(Unknowns(Solved(problems[std::size_t(k)]), 0), 1));
            practice.Check();
        };
        const auto streak = [&] { return QString::fromStdString(practice.View().progress); };
        right(0);
        QCOMPARE(streak(), "Racha: 1 · A la primera: 1 de 6");
        practice.Next();
        right(1);
        QCOMPARE(streak(), "Racha: 2 · A la primera: 2 de 6");
        practice.Next();
        practice.Hint(); // the third can no longer be right at the first try
        QCOMPARE(streak(), "Racha: 0 · A la primera: 2 de 6");
        right(2);
        practice.Next();
        practice.Type(0, "1");
        practice.Check(); // wrong, then right: corrected
        right(3);
        right(3); // a second right check changes nothing
        QCOMPARE(streak(), "Racha: 0 · A la primera: 2 de 6");
        practice.Next();
        practice.ShowSolution();
        right(4); // right after the solution: not solved
        practice.Next();
        practice.Next(); // the last, left before checking
        const PracticeView summary = practice.View();
        QVERIFY(summary.summary);
        QStringList results;
        for (const PracticeRow &row : summary.rows)
            results << QString::fromStdString(row.kase + " " + row.result);
        QCOMPARE(results, QStringList({"LLL a la primera", "LAL a la primera", "LLL corregido", "LAL corregido",
                                       "LLL sin resolver", "LAL sin resolver"}));
        QCOMPARE(summary.totals, "Total: 2 a la primera, 2 corregidos y 2 sin resolver, de 6.");
        QVERIFY(summary.copy.find("https://example.org/p.html#semilla=2026&casos=LLL,LAL&problemas=6&decimales=1\n")
                != std::string::npos);
        QVERIFY(summary.copy.ends_with("6\tLAL\tsin resolver\n" + summary.totals + "\n"));
    }

    void address_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("opened");
        QTest::newRow("as written") << "#semilla=5&casos=LLL,LLA&problemas=3&decimales=0"
                                    << "semilla=5&casos=LLL,LLA&problemas=3&decimales=0";
        QTest::newRow("encoded, small letters")
            << "casos=lll%2Clla&semilla=5" << "semilla=5&casos=LLL,LLA&problemas=10&decimales=2";
        QTest::newRow("no seed: drawn") << "problemas=4" << "semilla=77&casos=LLL,LAL,ALA,LAA,LLA&problemas=4&decimales=2";
        QTest::newRow("out of range: defaults")
            << "semilla=-1&casos=XYZ&problemas=101&decimales=5" << "semilla=77&casos=LLL,LAL,ALA,LAA,LLA&problemas=10&decimales=2";
        QTest::newRow("nothing: the set of defaults practised")
            << "" << "semilla=9&casos=LLL,LAL,ALA,LAA,LLA&problemas=10&decimales=2";
        QTest::newRow("no choice named: the same") << "#x=1&&=" << "semilla=9&casos=LLL,LAL,ALA,LAA,LLA&problemas=10&decimales=2";
        QTest::newRow("a set practised since") << "casos=LAA&problemas=2&semilla=9&decimales=1"
                                               << "semilla=9&casos=LAA&problemas=2&decimales=1";
    }
    void address()
    {
        QFETCH(QString, address);
        QFETCH(QString, opened);
        // A set of the defaults, then another, last.
        const Practice plain("", "#semilla=9", 1, "");
        const Practice last(plain.Store(), "semilla=9&casos=LAA&problemas=2&decimales=1", 1, "");
        const Practice practice(last.Store(), address.toStdString(), 77, "");
        QCOMPARE(QString::fromStdString(practice.Address()), opened);
    }

    // Kept and read back whole; anything else is set aside, never shown broken.
    void store()
    {
        Opened opened = OpenAt("LLA", TriangleCase::LLA, 2);
        opened.practice.Choose(2);
        opened.practice.Type(1, "40,3");
        opened.practice.Type(6, "x\"\\\n<b>");
        opened.practice.Check();
        opened.practice.Hint();
        const std::string store = opened.practice.Store();
        const Practice again(store, opened.practice.Address(), 5, "");
        QCOMPARE(PracticeViewJson(again.View()), PracticeViewJson(opened.practice.View()));
        QVERIFY(again.SetAside().empty());

        const std::string key = "\"pistas\":1";
        QVERIFY(store.find(key) != store.npos);
        const auto replaced = [&](const std::string &from, const std::string &to) {
            std::string edited = store;
            return edited.replace(edited.find(from), from.size(), to);
        };
        std::vector<std::string> broken = {"{", "[]", "null", replaced(key, "\"pistas\":\"1\""),
                                           replaced(key, "\"pistas\":-1"), replaced("sorvani-practica 1", "sorvani-practica 2"),
                                           replaced("\"actual\":", "\"actual\":99,\"x\":"),
                                           replaced("decimales=2", "decimales=02")};
        for (std::size_t cut = 1; cut < store.size(); cut += 7)
            broken.push_back(store.substr(0, cut));
        for (const std::string &text : broken) {
            const Practice practice(text, "", 5, "");
            QCOMPARE(practice.SetAside(), text);
            const PracticeView view = practice.View();
            QVERIFY(view.message.find("apartado") != std::string::npos);
            QCOMPARE(view.heading, "Problema 1 de 10");
        }
    }
};

QTEST_APPLESS_MAIN(TestPractice)
#include "tst_practice.moc"
