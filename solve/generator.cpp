#include "generator.h"

#include "degrees.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <utility>

namespace generator {

namespace {

// Angles and sides that land on a limit are computed, not exact.
constexpr double kSlack = 1e-9;
// Draws a problem may take before the sheet is given up: far more than any
// kind needs while distinct triangles of it remain.
constexpr int kMaxDraws = 200000;
// Draws in which a triangle of an earlier version is refused too: plenty while
// the kind has many triangles left, and little time lost when it has few.
constexpr int kFreshDraws = 64;

TrianglePart Side(int i) { return TrianglePart(i); }
TrianglePart Angle(int i) { return TrianglePart(3 + i); }

bool Acute(Kind kind)
{
    return kind == Kind::Two || kind == Kind::OneAcute || kind == Kind::NoneShort;
}

// The same triangle, however its parts were named or given: its sides in
// order, to a millionth. A problem with no triangle is its data.
using Key = std::array<long long, 4>;

Key SidesKey(std::array<double, 3> sides)
{
    std::ranges::sort(sides);
    return {0, std::llround(sides[0] * 1e6), std::llround(sides[1] * 1e6), std::llround(sides[2] * 1e6)};
}

std::vector<Key> Keys(const Problem &problem, const TriangleSolution &solution)
{
    std::vector<Key> keys;
    for (int i = 0; i < solution.count; ++i)
        keys.push_back(SidesKey(solution.triangles[std::size_t(i)].sides));
    if (keys.empty()) {
        // LLA: the angle, the side opposite it, the other side.
        std::array<int, 3> data{};
        for (const GivenValue &given : problem.parts) {
            const int part = int(given.part);
            if (!IsSide(given.part))
                data[0] = given.value;
            else if (DataOf(problem)[std::size_t(3 + part)])
                data[1] = given.value;
            else
                data[2] = given.value;
        }
        keys.push_back({1, data[0], data[1], data[2]});
    }
    return keys;
}

void Shuffle(std::array<GivenValue, 3> &parts, Random &random)
{
    for (int i = 2; i > 0; --i)
        std::swap(parts[std::size_t(i)], parts[std::size_t(random.Between(0, i))]);
}

// Two angles whose sum leaves the third at least kMinAngle.
std::pair<int, int> TwoAngles(Random &random)
{
    const int first = random.Between(kMinAngle, kMaxAngle);
    const int second = random.Between(kMinAngle, std::min(kMaxAngle, 180 - kMinAngle - first));
    return {first, second};
}

// A problem of the case and kind with the letters drawn; its numbers are
// drawn within the kind's range where that is cheap, and checked afterwards.
std::optional<Problem> Draw(TriangleCase kase, Kind kind, Random &random)
{
    const int x = random.Between(0, 2);
    const int turn = random.Between(1, 2);
    const int y = (x + turn) % 3, z = (x + 3 - turn) % 3;
    Problem problem{kase, kind, {}};
    switch (kase) {
    case TriangleCase::LAL:
        problem.parts = {{{Angle(x), random.Between(kMinAngle, kMaxAngle)},
                          {Side(y), random.Between(kMinSide, kMaxSide)},
                          {Side(z), random.Between(kMinSide, kMaxSide)}}};
        break;
    case TriangleCase::ALA: {
        const auto [first, second] = TwoAngles(random);
        problem.parts = {{{Side(x), random.Between(kMinSide, kMaxSide)}, {Angle(y), first}, {Angle(z), second}}};
        break;
    }
    case TriangleCase::LAA: {
        const auto [first, second] = TwoAngles(random);
        problem.parts = {{{Side(x), random.Between(kMinSide, kMaxSide)}, {Angle(x), first}, {Angle(y), second}}};
        break;
    }
    case TriangleCase::LLA: {
        const int angle = Acute(kind) ? random.Between(kMinAngle, 89) : random.Between(90, kMaxAngle);
        const int other = random.Between(kMinSide, kMaxSide);
        const double height = other * SinDegrees(angle);
        double low = kMinSide, high = kMaxSide;
        switch (kind) {
        case Kind::Two:
            low = height / (1 - kLlaMargin), high = other * (1 - kLlaMargin);
            break;
        case Kind::OneAcute:
        case Kind::OneObtuse:
            low = other / (1 - kLlaMargin);
            break;
        case Kind::NoneShort:
            high = height * (1 - kLlaMargin);
            break;
        case Kind::NoneObtuse:
            high = other * (1 - kLlaMargin);
            break;
        case Kind::One:
            return std::nullopt;
        }
        const int lowest = std::max(kMinSide, int(std::ceil(low))), highest = std::min(kMaxSide, int(std::floor(high)));
        if (lowest > highest)
            return std::nullopt;
        problem.parts = {{{Angle(x), angle}, {Side(x), random.Between(lowest, highest)}, {Side(y), other}}};
        break;
    }
    default:
        return std::nullopt;
    }
    Shuffle(problem.parts, random);
    return problem;
}

// Every triangle of three whole sides that keeps the rules, smallest side
// first: few enough to list, and so drawn without replacement.
std::vector<std::array<int, 3>> ThreeSidePool()
{
    std::vector<std::array<int, 3>> pool;
    for (int a = kMinSide; a <= kMaxSide; ++a) {
        for (int b = a; b <= kMaxSide; ++b) {
            for (int c = b; c < a + b && c <= kMaxSide; ++c) {
                const Problem problem{TriangleCase::LLL, Kind::One, {{{Side(0), a}, {Side(1), b}, {Side(2), c}}}};
                if (KeepsRules(problem))
                    pool.push_back({a, b, c});
            }
        }
    }
    return pool;
}

std::string CaseName(TriangleCase kase)
{
    return std::string(CaseCode(kase));
}

} // namespace

int Solutions(Kind kind)
{
    switch (kind) {
    case Kind::Two:
        return 2;
    case Kind::NoneShort:
    case Kind::NoneObtuse:
        return 0;
    default:
        return 1;
    }
}

std::vector<Planned> Plan(std::span<const TriangleCase> cases, int count)
{
    static constexpr Kind kLla[] = {Kind::Two,       Kind::OneAcute, Kind::NoneShort,
                                    Kind::Two,       Kind::OneObtuse, Kind::NoneObtuse};
    std::vector<Planned> plan;
    if (cases.empty())
        return plan;
    std::size_t lla = 0;
    for (int i = 0; i < count; ++i) {
        const TriangleCase kase = cases[std::size_t(i) % cases.size()];
        plan.push_back({kase, kase == TriangleCase::LLA ? kLla[lla++ % std::size(kLla)] : Kind::One});
    }
    return plan;
}

TriangleData DataOf(const Problem &problem)
{
    TriangleData data;
    for (const GivenValue &given : problem.parts)
        data[std::size_t(given.part)] = given.value;
    return data;
}

namespace {

// The solution of a problem that keeps every rule of its kind; nothing for
// one that does not.
std::optional<TriangleSolution> Checked(const Problem &problem)
{
    for (const GivenValue &given : problem.parts) {
        const bool side = IsSide(given.part);
        if (given.value < (side ? kMinSide : kMinAngle) || given.value > (side ? kMaxSide : kMaxAngle))
            return std::nullopt;
    }
    const TriangleData data = DataOf(problem);
    if (CaseOf(data) != problem.kase)
        return std::nullopt;
    const TriangleSolution solution = SolveTriangle(data);
    if (solution.count != Solutions(problem.kind))
        return std::nullopt;
    for (int i = 0; i < solution.count; ++i) {
        const SolvedTriangle &t = solution.triangles[std::size_t(i)];
        for (int k = 0; k < 3; ++k) {
            if (t.angles[std::size_t(k)] < kMinSolvedAngle - kSlack || t.sides[std::size_t(k)] > kMaxSolvedSide + kSlack)
                return std::nullopt;
        }
    }
    if (problem.kase != TriangleCase::LLA)
        return problem.kind == Kind::One ? std::optional(solution) : std::nullopt;
    if (problem.kind == Kind::One)
        return std::nullopt;
    // X the angle, x the side opposite it, y the other side.
    int angle = 0, opposite = 0, other = 0;
    for (const GivenValue &given : problem.parts) {
        if (!IsSide(given.part))
            angle = given.value;
        else if (data[std::size_t(int(given.part) + 3)])
            opposite = given.value;
        else
            other = given.value;
    }
    const double height = other * SinDegrees(angle);
    const auto apart = [](double u, double v) { return std::fabs(u - v) >= kLlaMargin * std::max(u, v); };
    if ((angle < 90) != Acute(problem.kind) || !apart(opposite, height) || !apart(opposite, other))
        return std::nullopt;
    return solution;
}

} // namespace

bool KeepsRules(const Problem &problem)
{
    return Checked(problem).has_value();
}

Sheet Generate(const Request &request)
{
    Sheet sheet;
    if (request.count < 1 || request.count > kMaxProblems) {
        sheet.problem = "la cantidad de problemas va de 1 a " + std::to_string(kMaxProblems);
        return sheet;
    }
    if (request.versions < 1 || request.versions > kMaxVersions) {
        sheet.problem = "las versiones van de 1 a " + std::to_string(kMaxVersions);
        return sheet;
    }
    if (request.cases.empty() || std::ranges::any_of(request.cases, [](TriangleCase kase) {
            return kase == TriangleCase::AAA || kase == TriangleCase::None;
        })) {
        sheet.problem = "los casos son LLL, LAL, ALA, LAA y LLA";
        return sheet;
    }
    const std::vector<Planned> plan = Plan(request.cases, request.count);
    const auto threeSides = std::ranges::count(plan, TriangleCase::LLL, &Planned::kase);
    // Listed once: the rules do not change between sheets.
    static const std::vector<std::array<int, 3>> kPool = ThreeSidePool();
    std::vector<std::array<int, 3>> pool;
    if (threeSides > 0) {
        pool = kPool;
        if (std::size_t(threeSides) > pool.size()) {
            sheet.problem = "no hay más de " + std::to_string(pool.size())
                            + " triángulos LLL distintos con estas reglas, y la hoja pide "
                            + std::to_string(threeSides);
            return sheet;
        }
    }

    Random random(request.seed);
    // Versions are drawn apart, and each avoids the triangles of the earlier
    // ones while others are easily found, so that neighbours share none.
    std::set<Key> earlier;
    for (int version = 0; version < request.versions; ++version) {
        std::set<Key> used;
        std::set<int> spent; // kinds that found no triangle apart from earlier versions
        std::vector<std::array<int, 3>> fresh, stale;
        if (earlier.empty()) // the first version: no key to look for, and a sheet of one asks for no more
            fresh = pool;
        else
            for (const std::array<int, 3> &sides : pool)
                (earlier.contains(SidesKey({double(sides[0]), double(sides[1]), double(sides[2])})) ? stale : fresh)
                    .push_back(sides);
        std::vector<Problem> problems;
        for (const Planned &planned : plan) {
            bool found = false;
            for (int draw = 0; draw < kMaxDraws && !found; ++draw) {
                std::optional<Problem> problem;
                if (planned.kase == TriangleCase::LLL) {
                    std::vector<std::array<int, 3>> &left = fresh.empty() ? stale : fresh;
                    if (left.empty())
                        break;
                    const std::size_t pick = std::size_t(random.Between(0, int(left.size()) - 1));
                    std::array<int, 3> sides = left[pick];
                    left[pick] = left.back();
                    left.pop_back();
                    for (int i = 2; i > 0; --i)
                        std::swap(sides[std::size_t(i)], sides[std::size_t(random.Between(0, i))]);
                    problem = Problem{TriangleCase::LLL, Kind::One,
                                      {{{Side(0), sides[0]}, {Side(1), sides[1]}, {Side(2), sides[2]}}}};
                    Shuffle(problem->parts, random);
                } else {
                    problem = Draw(planned.kase, planned.kind, random);
                }
                const std::optional<TriangleSolution> solution = problem ? Checked(*problem) : std::nullopt;
                if (!solution)
                    continue;
                const std::vector<Key> keys = Keys(*problem, *solution);
                // Three sides avoid earlier versions by the order of their
                // draw; a kind with no fresh triangle left stops trying.
                const int kind = int(planned.kase) * 8 + int(planned.kind);
                const bool avoid = draw < kFreshDraws && planned.kase != TriangleCase::LLL && !spent.contains(kind);
                if (std::ranges::any_of(keys, [&](const Key &key) {
                        return used.contains(key) || (avoid && earlier.contains(key));
                    }))
                    continue;
                used.insert(keys.begin(), keys.end());
                problems.push_back(*problem);
                found = true;
                if (!avoid)
                    spent.insert(kind);
            }
            if (!found) {
                sheet.problem = "no quedan bastantes triángulos " + CaseName(planned.kase)
                                + " distintos con estas reglas para una hoja de " + std::to_string(request.count);
                sheet.versions.clear();
                return sheet;
            }
        }
        earlier.insert(used.begin(), used.end());
        sheet.versions.push_back(std::move(problems));
    }
    return sheet;
}

Random::Random(std::uint64_t seed)
{
    // SplitMix64 spreads any seed, 0 included, over the whole state.
    for (std::uint64_t &word : state_) {
        std::uint64_t z = (seed += 0x9e3779b97f4a7c15u);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
        word = z ^ (z >> 31);
    }
}

std::uint64_t Random::Next()
{
    const auto rotate = [](std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); };
    const std::uint64_t result = rotate(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotate(state_[3], 45);
    return result;
}

int Random::Between(int low, int high)
{
    // 32 bits are plenty for these ranges, and the product fits 64.
    const std::uint32_t range = std::uint32_t(high - low) + 1;
    std::uint64_t product = (Next() >> 32) * range;
    if (std::uint32_t(product) < range) {
        const std::uint32_t threshold = std::uint32_t(-range) % range;
        while (std::uint32_t(product) < threshold)
            product = (Next() >> 32) * range;
    }
    return low + int(product >> 32);
}

} // namespace generator
