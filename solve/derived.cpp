// The derived elements of a solved triangle, its type, and the check that
// every number it gives is a normal double.
#include "degrees.h"
#include "portable_math.h"
#include "scaled_triangle.h"
#include "values.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

constexpr double kRelativeEqual = 1e-12;

bool NearlyEqual(double x, double y)
{
    return std::fabs(x - y) <= kRelativeEqual * std::max(x, y);
}

// Heron's formula as Kahan groups it, the sides sorted a ≥ b ≥ c: a − b is
// exact in a triangle, so no factor loses its digits on a needle.
double KahanArea(std::array<double, 3> s)
{
    std::sort(s.begin(), s.end(), [](double x, double y) { return x > y; });
    const double a = s[0], b = s[1], c = s[2];
    // Three roots rather than one: c·c could underflow on a needle.
    return 0.25 * std::sqrt((a + (b + c)) * (a + (b - c))) * std::sqrt(c - (a - b))
           * std::sqrt(c + (a - b));
}

// s_j − s_k, the difference of the sides beside side i, where rounded sides
// would lose it on a needle: exact when both are given; from the angles when
// only one side is (a − b = 2R·2·sen(C/2)·sen((A − B)/2)); and with two sides
// x, y given and z computed, from z² − x² = y·(y − 2x) + 4xy·sen²(Z/2).
double SideDifference(const std::array<double, 3> &s, const std::array<double, 3> &angles,
                      const TriangleData &given, double diameter, int i)
{
    const int j = (i + 1) % 3, k = (i + 2) % 3;
    if (given[j] && given[k])
        return s[j] - s[k];
    if (int(given[0].has_value()) + given[1].has_value() + given[2].has_value() == 1)
        return diameter * 2 * SinDegrees(angles[i] / 2) * SinDegrees((angles[j] - angles[k]) / 2);
    // Sides i and x given, z computed: the angle Z lies between x and y = i.
    const int z = given[j] ? k : j, x = j + k - z;
    const double half = SinDegrees(angles[z] / 2);
    const double zx = (s[i] * (s[i] - 2 * s[x]) + (2 * half * s[x]) * (2 * half * s[i])) / (s[z] + s[x]);
    return z == j ? zx : -zx;
}

SideType BySides(const std::array<double, 3> &s)
{
    const int pairs = NearlyEqual(s[0], s[1]) + NearlyEqual(s[1], s[2]) + NearlyEqual(s[0], s[2]);
    return pairs == 3 ? SideType::Equilateral : pairs > 0 ? SideType::Isosceles : SideType::Scalene;
}

AngleType ByAngles(const std::array<double, 3> &angles)
{
    const double largest = std::max({angles[0], angles[1], angles[2]});
    if (std::fabs(largest - 90) <= kRelativeEqual * 90)
        return AngleType::Right;
    return largest > 90 ? AngleType::Obtuse : AngleType::Acute;
}

// The name of a result in a reason: "la altura sobre " and its letter.
struct ResultName {
    const char *text;
    int letter = -1; // 0 to 5: a, b, c, A, B, C
};

std::string NameText(ResultName name)
{
    std::string text = name.text;
    if (name.letter >= 0)
        text += PartLetter(TrianglePart(name.letter));
    return text;
}

// "4.33E+401": x·2^exponent, for a number that a double cannot hold.
std::string MagnitudeText(double x, long exponent, char mark)
{
    const double decimal = std::log10(x) + double(exponent) * std::log10(2.0);
    double power = std::floor(decimal);
    double mantissa = std::pow(10.0, decimal - power);
    if (DecimalText(mantissa, 2) == "10") {
        mantissa = 1;
        power += 1;
    }
    const long whole = long(power);
    const std::string digits = std::to_string(std::labs(whole));
    return WithMark(DecimalText(mantissa, 2), mark) + "E" + (whole < 0 ? "-" : "+")
           + (digits.size() < 2 ? "0" : "") + digits;
}

// Why a number of the result, value·2^(power·scale), is not a normal double.
std::string OutOfRange(ResultName name, double value, int power, int scale, char mark)
{
    const std::string text = NameText(name);
    if (!(value > 0 && std::isfinite(value)))
        return "No se puede calcular " + text + " con doble precisión";
    if (power == 0)
        return "No se puede calcular " + text + " con doble precisión: sería de unos "
               + MagnitudeText(value, 0, mark) + "°";
    if (value < kTiniest)
        return "No se puede calcular " + text + " con doble precisión: es unas " + MagnitudeText(value, 0, mark)
               + " veces " + (power == 2 ? "el cuadrado del" : "el") + " lado mayor";
    return Capitalized(text) + " sale del rango de los números de doble precisión: sería de unos "
           + MagnitudeText(value, long(power) * scale, mark);
}

} // namespace

std::string CompleteTriangle(const ScaledTriangle &scaled, const TriangleData &given,
                             SolvedTriangle &triangle, char mark)
{
    // Scale again to the largest side, which a case may have computed.
    std::array<double, 3> s = scaled.sides;
    const std::array<double, 3> &angles = scaled.angles;
    int exponent = 0;
    std::frexp(std::max({s[0], s[1], s[2]}), &exponent);
    for (double &side : s)
        side = std::ldexp(side, -exponent);
    const int scale = scaled.scale + exponent;

    double area = 0;
    if (scaled.areaVertex < 0) {
        area = KahanArea(s);
    } else {
        const int v = scaled.areaVertex;
        area = 0.5 * s[(v + 1) % 3] * s[(v + 2) % 3] * scaled.areaSine;
    }
    const double perimeter = (s[0] + s[1]) + s[2];
    SolvedTriangle &t = triangle;
    t.area = area;
    t.perimeter = perimeter;
    t.semiperimeter = perimeter / 2;
    const double diameter = s[0] * s[1] * s[2] / (2 * area);
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3, k = (i + 2) % 3;
        t.sides[i] = s[i];
        t.angles[i] = angles[i];
        t.heights[i] = 2 * area / s[i];
        // 4m² = (b − c)² + 4s·(s − a), two terms that never cancel, with
        // s − a = a·sen(B/2)·sen(C/2)/sen(A/2) accurate to the last places even
        // where a is almost b + c; its root taken in two, as it may underflow.
        const double rootRest = std::sqrt(s[i] / SinDegrees(angles[i] / 2) * SinDegrees(angles[j] / 2))
                                * std::sqrt(SinDegrees(angles[k] / 2));
        t.medians[i] = 0.5 * portable::Hypot(SideDifference(s, angles, given, diameter, i),
                                        2 * std::sqrt(t.semiperimeter) * rootRest);
        // cos(A/2) = sen((B + C)/2), accurate when A is near 180°.
        t.bisectors[i] = 2 * s[j] / (s[j] + s[k]) * s[k] * SinDegrees((angles[j] + angles[k]) / 2);
    }
    t.inradius = area / t.semiperimeter;
    t.circumradius = diameter / 2;

    struct Result {
        double *number;
        int power; // 0 for angles, 1 for lengths, 2 for the area
        ResultName name;
    };
    const Result results[] = {
        {&t.sides[0], 1, {"el lado a"}},      {&t.sides[1], 1, {"el lado b"}},
        {&t.sides[2], 1, {"el lado c"}},      {&t.angles[0], 0, {"el ángulo A"}},
        {&t.angles[1], 0, {"el ángulo B"}},   {&t.angles[2], 0, {"el ángulo C"}},
        {&t.area, 2, {"el área"}},            {&t.perimeter, 1, {"el perímetro"}},
        {&t.semiperimeter, 1, {"el semiperímetro"}},
        {&t.heights[0], 1, {"la altura sobre ", 0}},
        {&t.heights[1], 1, {"la altura sobre ", 1}},
        {&t.heights[2], 1, {"la altura sobre ", 2}},
        {&t.medians[0], 1, {"la mediana de ", 0}},
        {&t.medians[1], 1, {"la mediana de ", 1}},
        {&t.medians[2], 1, {"la mediana de ", 2}},
        {&t.bisectors[0], 1, {"la bisectriz de ", 3}},
        {&t.bisectors[1], 1, {"la bisectriz de ", 4}},
        {&t.bisectors[2], 1, {"la bisectriz de ", 5}},
        {&t.inradius, 1, {"el radio inscrito"}},
        {&t.circumradius, 1, {"el radio circunscrito"}},
    };
    for (const Result &r : results) {
        const double value = *r.number;
        const double real = std::ldexp(value, r.power * scale);
        if (!(value >= kTiniest && value <= DBL_MAX && real >= DBL_MIN && real <= DBL_MAX))
            return OutOfRange(r.name, value, r.power, scale, mark);
        *r.number = real;
    }
    for (int part = 0; part < kTriangleParts; ++part) {
        if (given[part])
            (part < 3 ? t.sides[part] : t.angles[part - 3]) = *given[part];
    }

    t.bySides = BySides(t.sides);
    t.byAngles = ByAngles(t.angles);
    t.steps = scaled.steps;
    t.stepCount = scaled.stepCount;
    return {};
}
