// The general solution: any of the six parts given, with any doubles. It must
// never crash nor give inf or NaN, and every triangle it gives must close.
//
// The first byte says which parts are given (its low six bits, a to C) and how
// their values follow: with its top bit set, one byte each naming a value of
// kValues (borders, specials and everyday numbers), otherwise eight bytes each
// taken as a double.
#include "harness.h"

#include "general.h"
#include "solution_text.h"
#include "working.h"

#include <cfloat>
#include <limits>
#include <numbers>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kValues[] = {
    0, -0.0, kInf, -kInf, std::numeric_limits<double>::quiet_NaN(), DBL_TRUE_MIN, DBL_MIN, DBL_MAX,
    1e-300, 1e300, 1e-200, 1e200, 1e-100, 1e100, 1e-6, 1e-12, 0.5, 1, 2, 3, 4, 5, 7, 9, 10, 12.5,
    30, 45, 60, 89.999999, 90, 90.000001, 100, 120, 150, 179.999999, 180, 180.000001, 200, -3,
    0x1p-1000, 0x1p-1001, 1.0000000000000002, 0.9999999999999999,
};

using Real = long double;

Real SinD(Real degrees) { return std::sin(degrees * std::numbers::pi_v<Real> / 180); }

// The sine of one of three angles, near 180° from the other two.
Real Sine(const std::array<double, 3> &angles, int i)
{
    const Real x = angles[i];
    return x > 90 ? SinD(Real(angles[(i + 1) % 3]) + angles[(i + 2) % 3]) : SinD(x);
}

void CheckClose(Real x, Real y, Real tolerance, const char *what)
{
    if (!(std::fabs(x - y) <= tolerance * std::fabs(y)))
        fuzz::Fail(what, double((x - y) / y));
}

void CheckTriangle(const SolvedTriangle &t, const TriangleData &given)
{
    const double lengths[] = {t.sides[0], t.sides[1], t.sides[2], t.area, t.perimeter, t.semiperimeter,
                              t.heights[0], t.heights[1], t.heights[2], t.medians[0], t.medians[1],
                              t.medians[2], t.bisectors[0], t.bisectors[1], t.bisectors[2], t.inradius,
                              t.circumradius};
    for (double x : lengths) {
        if (!(std::isfinite(x) && x >= DBL_MIN))
            fuzz::Fail("a result is not a positive normal double", x);
    }
    for (double x : t.angles)
        fuzz::CheckWithin(x, DBL_MIN, 180, "an angle outside 0° to 180°");
    for (int part = 0; part < kTriangleParts; ++part) {
        const double value = part < 3 ? t.sides[part] : t.angles[part - 3];
        if (given[part] && !fuzz::SameBits(value, *given[part]))
            fuzz::Fail("a given part changed", value);
    }

    // It closes: the angle sum, the law of sines, the area from two sides.
    const Real sum = Real(t.angles[0]) + t.angles[1] + t.angles[2];
    if (!(std::fabs(sum - 180) <= 3e-9))
        fuzz::Fail("the angles do not add up to 180°", double(sum));
    const Real ratio = t.sides[0] / Sine(t.angles, 0);
    CheckClose(t.sides[1] / Sine(t.angles, 1), ratio, 1e-10, "law of sines, b");
    CheckClose(t.sides[2] / Sine(t.angles, 2), ratio, 1e-10, "law of sines, c");
    CheckClose(Real(t.sides[0]) * t.sides[1] * Sine(t.angles, 2) / 2, t.area, 1e-10, "area from a, b, C");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t mask = data[0];
    const bool named = mask & 0x80;
    std::size_t at = 1;
    TriangleData given;
    for (int part = 0; part < kTriangleParts; ++part) {
        if (!(mask & (1 << part)))
            continue;
        double value = 0;
        if (named) {
            value = at < size ? kValues[data[at] % std::size(kValues)] : 1;
            at += 1;
        } else {
            unsigned char bytes[sizeof(double)] = {};
            for (std::size_t i = 0; i < sizeof bytes && at + i < size; ++i)
                bytes[i] = data[at + i];
            std::memcpy(&value, bytes, sizeof value);
            at += sizeof bytes;
        }
        given[part] = value;
    }

    const TriangleSolution solution = SolveTriangle(given);
    if (solution.kase != CaseOf(given))
        fuzz::Fail("the case is not the case of the given parts", "");
    if (solution.count < 0 || solution.count > 2)
        fuzz::Fail("not 0, 1 or 2 triangles", double(solution.count));
    if ((solution.count == 0) == solution.reason.empty())
        fuzz::Fail("a reason without a refusal, or a refusal without one", solution.reason);
    for (int n = 0; n < solution.count; ++n)
        CheckTriangle(solution.triangles[n], given);

    const TriangleSolution again = SolveTriangle(given);
    if (again.count != solution.count || again.reason != solution.reason)
        fuzz::Fail("the same parts gave another outcome", again.reason);
    for (int n = 0; n < solution.count; ++n) {
        if (!fuzz::SameBits(again.triangles[n].area, solution.triangles[n].area))
            fuzz::Fail("the same parts gave another area", again.triangles[n].area);
    }

    for (int n = 0; n < solution.count; ++n) {
        const auto steps = Working(solution, n, 4);
        if (int(steps.size()) != solution.triangles[n].stepCount || steps.empty())
            fuzz::Fail("the working has not one step per step taken", double(steps.size()));
        for (const WorkingStep &step : steps) {
            if (step.rule.empty() || step.formula.empty() || step.substitution.empty() || step.result.empty())
                fuzz::Fail("a step of the working is empty", step.rule);
            if (step.result.find("nan") != std::string::npos || step.result.find("inf") != std::string::npos)
                fuzz::Fail("a step shows a number that is none", step.result);
        }
    }
    const std::string text = SolutionText(solution, 4, true);
    if (text.empty() || text.back() != '\n')
        fuzz::Fail("the text does not end in a line feed", text);
    if (SolutionStatus(solution).empty())
        fuzz::Fail("an empty status", "");
    return 0;
}
