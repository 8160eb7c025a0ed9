#include "marking.h"

#include "degrees.h"

#include <cmath>
#include <numbers>

namespace calc {

namespace {

constexpr std::string_view kAskedNames[] = {"Lado a",   "Lado b",   "Lado c",  "Ángulo A",
                                            "Ángulo B", "Ángulo C", "Área"};

// What a calculator left in radians gives for an angle typed in degrees.
double SinRadians(double x) { return SinDegrees(x * (180 / std::numbers::pi)); }
double CosRadians(double x) { return CosDegrees(x * (180 / std::numbers::pi)); }

std::string Letter(int part) { return std::string(PartLetter(TrianglePart(part))); }

} // namespace

AmbiguousParts AmbiguousOf(const TriangleData &given)
{
    AmbiguousParts parts;
    for (int i = 0; i < 3; ++i) {
        if (given[std::size_t(3 + i)])
            parts.angle = 3 + i;
    }
    for (int i = 0; i < 3; ++i) {
        if (given[std::size_t(i)])
            (i + 3 == parts.angle ? parts.facing : parts.other) = i;
    }
    return parts;
}

std::vector<int> AskedOf(const TriangleData &given)
{
    std::vector<int> asked;
    for (int i = 0; i < kTriangleParts; ++i) {
        if (!given[std::size_t(i)])
            asked.push_back(i);
    }
    asked.push_back(kAskedArea);
    return asked;
}

std::string_view AskedName(int asked)
{
    return kAskedNames[asked];
}

double AskedValue(const SolvedTriangle &triangle, int asked)
{
    if (asked == kAskedArea)
        return triangle.area;
    return asked < 3 ? triangle.sides[std::size_t(asked)] : triangle.angles[std::size_t(asked - 3)];
}

double Tolerance(double value, int decimals)
{
    return std::max(std::pow(10.0, -decimals), 0.001 * std::fabs(value));
}

// A hair of slack, so that an answer exactly one unit off is not lost to the
// binary rounding of the decimals it was typed with.
bool IsRight(double answer, double value, int decimals)
{
    return std::fabs(answer - value) <= Tolerance(value, decimals) * (1 + 1e-9);
}

std::vector<Mistake> Mistakes(const TriangleSolution &solution, int index, int asked)
{
    std::vector<Mistake> mistakes;
    const auto add = [&](double value, std::string feedback) {
        if (std::isfinite(value))
            mistakes.push_back({value, std::move(feedback)});
    };
    const SolvedTriangle &t = solution.triangles[std::size_t(index)];
    if (AskedAngle(asked)) {
        add(t.angles[std::size_t(asked - 3)] * (std::numbers::pi / 180), std::string(kRadiansFeedback));
    } else if (asked < 3 && solution.kase == TriangleCase::LAL) {
        // x² = y² + z² − 2·y·z·cos X, with y and z in their order.
        const int y = asked == 0 ? 1 : 0, z = asked == 2 ? 1 : 2;
        const double sy = t.sides[std::size_t(y)], sz = t.sides[std::size_t(z)], X = t.angles[std::size_t(asked)];
        const double squares = sy * sy + sz * sz;
        const double radians = squares - 2 * sy * sz * CosRadians(X);
        if (radians > 0)
            add(std::sqrt(radians), std::string(kRadiansFeedback));
        const double sign = squares + 2 * sy * sz * CosDegrees(X);
        if (sign > 0) {
            const std::string x = Letter(asked);
            add(std::sqrt(sign), "Incorrecto: revise el signo del teorema del coseno: " + x + "² = " + Letter(y)
                                     + "² + " + Letter(z) + "² − 2·" + Letter(y) + "·" + Letter(z) + "·cos "
                                     + Letter(3 + asked) + ".");
        }
    } else if (asked < 3) {
        // From the given side that faces a given angle, or else the only given side.
        int from = -1;
        for (int i = 0; i < 3; ++i) {
            if (solution.given[std::size_t(i)] && (from < 0 || solution.given[std::size_t(3 + i)]))
                from = i;
        }
        if (from >= 0) {
            add(t.sides[std::size_t(from)] * SinRadians(t.angles[std::size_t(asked)])
                    / SinRadians(t.angles[std::size_t(from)]),
                std::string(kRadiansFeedback));
        }
    }
    if (solution.count == 2)
        add(AskedValue(solution.triangles[std::size_t(1 - index)], asked), std::string(kOtherTriangleFeedback));
    return mistakes;
}

std::string CountFeedback(const TriangleSolution &solution, int chosen)
{
    if (chosen == solution.count)
        return {};
    if (solution.count == 2)
        return std::string(kTwoTrianglesFeedback);
    const AmbiguousParts p = AmbiguousOf(solution.given);
    const std::string X = Letter(p.angle), x = Letter(p.facing), y = Letter(p.other);
    if (*solution.given[std::size_t(p.angle)] >= 90)
        return "Incorrecto: con " + X + " de 90° o más, compare el lado " + x + " con el lado " + y + ".";
    return "Incorrecto: compare el lado " + x + " con la altura h = " + y + "·sen " + X + ".";
}

std::array<int, 2> TriangleSets(const TriangleSolution &solution)
{
    if (solution.count < 2)
        return {solution.count == 1 ? 0 : -1, -1};
    const int angle = 3 + AmbiguousOf(solution.given).other;
    const bool firstObtuse = AskedValue(solution.triangles[0], angle) > 90;
    return firstObtuse ? std::array{1, 0} : std::array{0, 1};
}

} // namespace calc
