// The generator of fresh problems: over 100 seeds a sheet, each problem with
// the triangles its kind promises and every rule of a problem a teacher would
// set, checked here apart from the generator's own checks; more versions keep
// the earlier ones; the limits of a request; the bounded draws.
#include "general.h"
#include "generator.h"

#include <QtTest>

#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <set>

using namespace generator;

namespace {

constexpr int kSeeds = 100;
constexpr std::array kAllCases{TriangleCase::LLL, TriangleCase::LAL, TriangleCase::ALA, TriangleCase::LAA,
                               TriangleCase::LLA};

long double SinD(long double degrees)
{
    return std::sin(degrees * std::numbers::pi_v<long double> / 180);
}

// What problem `index` of every version must be, from the cases in turn:
// its case, its count of triangles, and for LLA whether its angle is acute.
struct Promise {
    TriangleCase kase;
    int count;
    bool acute;
};

std::vector<Promise> Promised(const std::vector<TriangleCase> &cases, int count)
{
    std::vector<Promise> promised;
    int lla = 0;
    for (int i = 0; i < count; ++i) {
        const TriangleCase kase = cases[std::size_t(i) % cases.size()];
        if (kase != TriangleCase::LLA) {
            promised.push_back({kase, 1, true});
            continue;
        }
        // Two, one, none; every other one of one or none with an angle of 90° or more.
        promised.push_back({kase, std::array{2, 1, 0}[lla % 3], lla % 6 < 4});
        ++lla;
    }
    return promised;
}

// The triangles whole: three sides, smallest first, to a millionth; a problem
// without one is known by its data.
using Key = std::array<long long, 4>;

QString Describe(const Problem &problem)
{
    QString text;
    for (const GivenValue &given : problem.parts)
        text += QString::fromUtf8(PartLetter(given.part).data(), 1) + u'=' + QString::number(given.value) + u' ';
    return text;
}

// Whether the problem breaks a rule: the reason, or empty.
QString Broken(const Problem &problem, const Promise &promise, std::vector<Key> &keys)
{
    TriangleData data;
    int sides = 0;
    for (const GivenValue &given : problem.parts) {
        const bool side = IsSide(given.part);
        sides += side;
        if (data[std::size_t(given.part)])
            return "a part given twice";
        data[std::size_t(given.part)] = given.value;
        if (side ? given.value < 2 || given.value > 40 : given.value < 10 || given.value > 150)
            return "a datum out of range";
    }
    if (CaseOf(data) != promise.kase)
        return "another case than planned";
    const TriangleSolution solution = SolveTriangle(data);
    if (solution.count != promise.count)
        return QStringLiteral("%1 triangles, %2 promised").arg(solution.count).arg(promise.count);
    for (int n = 0; n < solution.count; ++n) {
        const SolvedTriangle &t = solution.triangles[std::size_t(n)];
        for (int i = 0; i < 3; ++i) {
            if (t.angles[std::size_t(i)] < 10 - 1e-9)
                return "an angle under 10°";
            if (t.sides[std::size_t(i)] > 60 + 1e-9)
                return "a side over 60";
        }
        std::array<double, 3> s = t.sides;
        std::ranges::sort(s);
        keys.push_back({0, std::llround(s[0] * 1e6), std::llround(s[1] * 1e6), std::llround(s[2] * 1e6)});
    }
    if (promise.kase != TriangleCase::LLA)
        return {};
    // X the angle, x the side opposite it, y the other side.
    long double angle = 0, x = 0, y = 0;
    for (const GivenValue &given : problem.parts) {
        if (!IsSide(given.part))
            angle = given.value;
        else if (data[std::size_t(given.part) + 3])
            x = given.value;
        else
            y = given.value;
    }
    if ((angle < 90) != promise.acute)
        return "the angle is not the kind planned";
    const long double height = y * SinD(angle);
    if (std::fabs(x - height) < 0.05L * std::max(x, height) - 1e-12L)
        return "the side is within 5 % of the height";
    if (std::fabs(x - y) < 0.05L * std::max(x, y) - 1e-12L)
        return "the side is within 5 % of the other side";
    if (solution.count == 0)
        keys.push_back({1, (long long)angle, (long long)x, (long long)y});
    return {};
}

bool Same(const Problem &p, const Problem &q)
{
    return p.kase == q.kase && p.kind == q.kind
           && std::ranges::equal(p.parts, q.parts,
                                 [](const GivenValue &u, const GivenValue &v) { return u.part == v.part && u.value == v.value; });
}

// Which parts a problem names, and in which order sides and angles come.
QString Letters(const Problem &problem)
{
    QString letters;
    for (int part = 0; part < kTriangleParts; ++part) {
        if (std::ranges::any_of(problem.parts, [&](const GivenValue &g) { return int(g.part) == part; }))
            letters += QChar("abcABC"[part]);
    }
    return letters;
}

QString Order(const Problem &problem)
{
    QString order;
    for (const GivenValue &given : problem.parts)
        order += IsSide(given.part) ? u'L' : u'A';
    return order;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<TriangleCase>)
Q_DECLARE_METATYPE(Request)

class TestGenerator : public QObject {
    Q_OBJECT

private slots:
    void rules_data()
    {
        QTest::addColumn<std::vector<TriangleCase>>("cases");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("versions");
        const std::vector<TriangleCase> all(kAllCases.begin(), kAllCases.end());
        QTest::newRow("all five, three versions of 12") << all << 12 << 3;
        QTest::newRow("LLA, 30") << std::vector{TriangleCase::LLA} << 30 << 1;
        QTest::newRow("LLA twice as often as LAA, two versions")
            << std::vector{TriangleCase::LLA, TriangleCase::LAA, TriangleCase::LLA} << 24 << 2;
    }

    // 100 seeds: every version follows the plan, every problem keeps the
    // rules, no triangle twice in a version nor in two versions; over the
    // seeds, the letters and the order of the parts take every form the case
    // has.
    void rules()
    {
        QFETCH(std::vector<TriangleCase>, cases);
        QFETCH(int, count);
        QFETCH(int, versions);
        const std::vector<Promise> promised = Promised(cases, count);
        std::map<TriangleCase, std::set<QString>> letters, orders;
        int ascending = 0, threeSides = 0;
        for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
            const Sheet sheet = Generate({seed * 0x9e3779b97f4a7c15u, count, versions, cases});
            QVERIFY2(sheet.problem.empty(), sheet.problem.c_str());
            QCOMPARE(int(sheet.versions.size()), versions);
            std::vector<Key> everyVersion;
            for (const std::vector<Problem> &version : sheet.versions) {
                QCOMPARE(int(version.size()), count);
                std::vector<Key> keys;
                for (int i = 0; i < count; ++i) {
                    const Problem &problem = version[std::size_t(i)];
                    const QString broken = Broken(problem, promised[std::size_t(i)], keys);
                    QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("seed %1, problem %2 (%3): %4")
                                                              .arg(seed).arg(i + 1).arg(Describe(problem), broken)));
                    letters[problem.kase].insert(Letters(problem));
                    orders[problem.kase].insert(Order(problem));
                    if (problem.kase == TriangleCase::LLL) {
                        const TriangleData data = DataOf(problem);
                        ascending += *data[0] <= *data[1] && *data[1] <= *data[2];
                        ++threeSides;
                    }
                }
                std::ranges::sort(keys);
                QVERIFY2(std::ranges::adjacent_find(keys) == keys.end(),
                         qPrintable(QStringLiteral("seed %1: a triangle twice").arg(seed)));
                everyVersion.insert(everyVersion.end(), keys.begin(), keys.end());
            }
            // Sheets this small leave each version triangles of its own.
            std::ranges::sort(everyVersion);
            QVERIFY2(std::ranges::adjacent_find(everyVersion) == everyVersion.end(),
                     qPrintable(QStringLiteral("seed %1: a triangle in two versions").arg(seed)));
        }
        // Each case with every naming of its parts and every order.
        const std::map<TriangleCase, std::pair<std::size_t, std::size_t>> forms{
            {TriangleCase::LAL, {3, 3}}, {TriangleCase::ALA, {3, 3}}, {TriangleCase::LAA, {6, 3}},
            {TriangleCase::LLA, {6, 3}}, {TriangleCase::LLL, {1, 1}}};
        for (const auto &[kase, seen] : letters) {
            QCOMPARE(seen.size(), forms.at(kase).first);
            QCOMPARE(orders[kase].size(), forms.at(kase).second);
        }
        // Three sides in any order, not mostly a ≤ b ≤ c.
        QVERIFY(ascending < threeSides / 3 + 1);
    }

    // More versions leave the first ones as they were, so a teacher who adds
    // one keeps the sheets handed out (the same seed twice, and other seeds,
    // tst_calc runs through the command).
    void reproducible()
    {
        const Request request{2026, 40, 2};
        const Sheet sheet = Generate(request);
        Request more = request;
        more.versions = 3;
        const Sheet longer = Generate(more);
        QVERIFY(std::ranges::equal(sheet.versions, std::span(longer.versions).first(2), [](const auto &u, const auto &v) {
            return std::ranges::equal(u, v, Same);
        }));
    }

    // Out of range: refused with a reason, no sheet; every distinct triangle
    // of three whole sides the rules leave (counted here apart) is made, and
    // tst_calc asks for one more.
    void limits_data()
    {
        // Sides p ≤ q ≤ r from 2 to 40 that close, the smallest angle at least 10°.
        int pool = 0;
        for (int p = 2; p <= 40; ++p)
            for (int q = p; q <= 40; ++q)
                for (int r = q; r <= 40 && r < p + q; ++r)
                    pool += (q * q + r * r - p * p) / (2.0L * q * r) <= std::cos(std::numbers::pi_v<long double> / 18);
        QTest::addColumn<Request>("request");
        QTest::addColumn<bool>("made");
        const std::vector lll{TriangleCase::LLL};
        QTest::newRow("1 problem") << Request{1, 1, 1} << true;
        QTest::newRow("10,000 problems") << Request{1, 10000, 1} << true;
        QTest::newRow("26 versions") << Request{1, 1, 26} << true;
        QTest::newRow("0 problems") << Request{1, 0, 1} << false;
        QTest::newRow("10,001 problems") << Request{1, 10001, 1} << false;
        QTest::newRow("0 versions") << Request{1, 1, 0} << false;
        QTest::newRow("27 versions") << Request{1, 1, 27} << false;
        QTest::newRow("no case") << Request{1, 1, 1, {}} << false;
        QTest::newRow("three angles") << Request{1, 1, 1, {TriangleCase::AAA}} << false;
        QTest::newRow("every triangle of three sides") << Request{1, pool, 1, lll} << true;
    }

    void limits()
    {
        QFETCH(Request, request);
        QFETCH(bool, made);
        const Sheet sheet = Generate(request);
        QCOMPARE(sheet.problem.empty(), made);
        QCOMPARE(sheet.versions.size(), made ? std::size_t(request.versions) : 0);
    }

    // The bounded draws: both ends reached, nothing outside, no end favoured;
    // one way for every range, so the widest the generator asks stands for all.
    void draws_data()
    {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("one value") << 5 << 5;
        QTest::newRow("three values") << 0 << 2;
        QTest::newRow("angles") << 10 << 150;
    }

    void draws()
    {
        QFETCH(int, low);
        QFETCH(int, high);
        Random random(7);
        const int values = high - low + 1, draws = 2000 * values;
        std::vector<int> seen(std::size_t(values), 0);
        for (int i = 0; i < draws; ++i) {
            const int x = random.Between(low, high);
            QVERIFY(x >= low && x <= high);
            ++seen[std::size_t(x - low)];
        }
        // 2000 expected each: 5 standard deviations either side.
        for (const int n : seen)
            QVERIFY2(std::abs(n - 2000) < 5 * 45, qPrintable(QString::number(n)));
    }
};

QTEST_APPLESS_MAIN(TestGenerator)
#include "tst_generator.moc"
