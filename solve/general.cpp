#include "general.h"

#include "degrees.h"
#include "portable_math.h"
#include "scaled_triangle.h"
#include "values.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {

constexpr std::string_view kLetters[kTriangleParts] = {"a", "b", "c", "A", "B", "C"};
constexpr std::string_view kNames[kTriangleParts] = {"el lado a",    "el lado b",    "el lado c",
                                                     "el ángulo A", "el ángulo B", "el ángulo C"};

TrianglePart Side(int i) { return TrianglePart(i); }
TrianglePart Angle(int i) { return TrianglePart(3 + i); }
std::string Letter(int part) { return std::string(kLetters[part]); }

// A number of a reason.
std::string Shown(double x, char mark)
{
    if (std::isinf(x))
        return x > 0 ? "∞" : "-∞";
    return WithMark(DecimalText(x, 4), mark);
}

// Two numbers of a reason, with as many places as it takes to tell them apart.
std::pair<std::string, std::string> Apart(double x, double y, char mark)
{
    for (int decimals = 4; decimals <= 15; ++decimals) {
        std::string tx = DecimalText(x, decimals), ty = DecimalText(y, decimals);
        if (tx != ty || x == y)
            return {WithMark(tx, mark), WithMark(ty, mark)};
    }
    char tx[32], ty[32];
    std::snprintf(tx, sizeof tx, "%.17G", x);
    std::snprintf(ty, sizeof ty, "%.17G", y);
    return {WithMark(tx, mark), WithMark(ty, mark)};
}

// 180° less two angles, to the last place even when it is tiny: 180 − x is
// exact for x from 90° on, and 90 − x for x from 45° on.
double RemainingAngle(double x, double y)
{
    const double hi = std::max(x, y);
    const double lo = std::min(x, y);
    if (hi >= 90)
        return (180 - hi) - lo;
    return (90 - hi) + (90 - lo);
}

// The sine of that angle: sen(x + y) when it is obtuse, as x + y is then
// known better than 180° less it.
double RemainingSine(double x, double y)
{
    const double rest = RemainingAngle(x, y);
    return SinDegrees(rest > 90 ? x + y : rest);
}

// Whether x + y > z holds exactly, for positive finite x, y and z.
bool SumExceeds(double x, double y, double z)
{
    if (z <= y)
        return true;
    // z − y = d + e exactly (Fast2Sum): d rounded, e what the rounding lost.
    const double d = z - y;
    const double e = (z - d) - y;
    return x > d || (x == d && e < 0);
}

// The angle opposite z of the sides x ≥ y and z, by Kahan's grouping of the
// half-angle formula: accurate for needles and for angles near 0° and 180°.
double KahanAngle(double x, double y, double z)
{
    const double mu = y >= z ? z - (x - y) : y - (x - z);
    const double halfTangent = std::sqrt(((x - y) + z) / (x + (y + z))) * std::sqrt(mu / ((x - z) + y));
    return DegreesFromRadians(2 * portable::Atan(halfTangent));
}

std::string CountReason(int count)
{
    const std::string given = " (hay " + std::to_string(count) + ")";
    if (count < 3)
        return "Faltan datos: dé tres de las seis partes, al menos un lado" + given;
    return "Sobran datos: dé solo tres de las seis partes" + given;
}

std::string PartReason(int part, double x, char mark)
{
    const std::string name = Capitalized(kNames[part]);
    if (std::isnan(x))
        return name + " no es un número";
    if (IsSide(TrianglePart(part))) {
        if (x == HUGE_VAL)
            return name + " sale del rango de los números de doble precisión";
        if (!(x > 0))
            return name + " debe ser mayor que 0 (es " + Shown(x, mark) + ")";
        return {};
    }
    if (!(x > 0 && x < 180)) {
        const std::string value = std::isinf(x) ? Shown(x, mark) : Apart(x, x > 0 ? 180 : 0, mark).first;
        return name + " debe ser mayor que 0° y menor que 180° (es " + value + "°)";
    }
    if (x < kTiniest)
        return name + " = " + Shown(x, mark) + "° es demasiado pequeño para calcular con doble precisión";
    return {};
}

// Why the given parts make no triangle before any solving; empty when none.
std::string Refusal(const TriangleData &given, TriangleCase kase, char mark)
{
    const int count = int(std::count_if(given.begin(), given.end(), [](auto &p) { return p.has_value(); }));
    if (kase == TriangleCase::None)
        return CountReason(count);
    if (kase == TriangleCase::AAA)
        return "Con tres ángulos hay infinitos triángulos semejantes: dé al menos un lado";
    for (int part = 0; part < kTriangleParts; ++part) {
        if (given[part]) {
            if (std::string reason = PartReason(part, *given[part], mark); !reason.empty())
                return reason;
        }
    }

    if (kase == TriangleCase::ALA || kase == TriangleCase::LAA) {
        const int missing = !given[3] ? 0 : !given[4] ? 1 : 2;
        const int first = missing == 0 ? 1 : 0;
        const int second = missing == 2 ? 1 : 2;
        const double x = *given[3 + first], y = *given[3 + second];
        const double rest = RemainingAngle(x, y);
        const std::string names = Letter(3 + first) + " y " + Letter(3 + second);
        if (rest <= 0)
            return "Los ángulos " + names + " suman 180° o más: no queda ángulo para " + Letter(3 + missing)
                   + " (" + Letter(3 + first) + " = " + Shown(x, mark) + "°, " + Letter(3 + second) + " = "
                   + Shown(y, mark) + "°)";
        if (rest < kTiniest)
            return "Los ángulos " + names + " dejan para " + Letter(3 + missing) + " solo " + Shown(rest, mark)
                   + "°: demasiado poco para calcular con doble precisión";
    }

    if (kase == TriangleCase::LLL) {
        std::array<int, 3> order{0, 1, 2}; // the largest last, the others in their order
        std::stable_sort(order.begin(), order.end(), [&](int i, int j) { return *given[i] < *given[j]; });
        std::sort(order.begin(), order.begin() + 2);
        const double x = *given[order[0]], y = *given[order[1]], z = *given[order[2]];
        if (!SumExceeds(x, y, z)) {
            const auto [sum, side] = Apart(x + y, z, mark);
            return Letter(order[0]) + " + " + Letter(order[1]) + " = " + sum + " no es mayor que "
                   + Letter(order[2]) + " = " + side;
        }
    }

    // Sides whose ratio leaves the normal doubles on the way.
    int largest = -1, smallest = -1;
    for (int i = 0; i < 3; ++i) {
        if (!given[i])
            continue;
        if (largest < 0 || *given[i] > *given[largest])
            largest = i;
        if (smallest < 0 || *given[i] < *given[smallest])
            smallest = i;
    }
    int exponent = 0;
    std::frexp(*given[largest], &exponent);
    if (std::ldexp(*given[smallest], -exponent) < kTiniest)
        return "Los lados " + Letter(largest) + " = " + Shown(*given[largest], mark) + " y " + Letter(smallest)
               + " = " + Shown(*given[smallest], mark)
               + " son de tamaños demasiado distintos para calcular con doble precisión";
    return {};
}

// Three sides: the two smaller angles by Kahan's formula, the largest from them.
void SolveThreeSides(ScaledTriangle &t)
{
    const auto &s = t.sides;
    std::array<int, 3> order{0, 1, 2}; // longest side first
    std::sort(order.begin(), order.end(), [&](int i, int j) { return s[i] > s[j]; });
    const int large = order[0];
    for (int n : {std::min(order[1], order[2]), std::max(order[1], order[2])}) {
        const int other = 3 - large - n;
        t.angles[n] = KahanAngle(s[large], s[other], s[n]);
        t.Step(StepRule::CosineAngle, Angle(n));
    }
    t.angles[large] = RemainingAngle(t.angles[order[1]], t.angles[order[2]]);
    t.Step(StepRule::AngleSum, Angle(large));
    t.Step(StepRule::Semiperimeter, Side(0));
    t.Step(StepRule::Heron, Side(0));
}

// Two sides and the angle k between them.
void SolveTwoSidesAngle(ScaledTriangle &t, int k)
{
    auto &s = t.sides;
    const int i = (k + 1) % 3, j = (k + 2) % 3;
    const double angle = t.angles[k];
    const double half = SinDegrees(angle / 2);
    const double sine = SinDegrees(angle);
    // c² = (a − b)² + 4ab·sen²(C/2): no cancellation for a thin angle.
    s[k] = portable::Hypot(s[i] - s[j], 2 * std::sqrt(s[i] * s[j]) * half);
    // The angle opposite the shorter side is acute: its tangent from
    // a·sen C over b − a·cos C = (b − a) + 2a·sen²(C/2), both terms positive.
    const int p = s[i] <= s[j] ? i : j;
    const int q = p == i ? j : i;
    t.angles[p] = DegreesFromRadians(portable::Atan2(s[p] * sine, (s[q] - s[p]) + 2 * s[p] * half * half));
    t.angles[q] = RemainingAngle(angle, t.angles[p]);
    t.areaVertex = k;
    t.areaSine = sine;
    t.Step(StepRule::CosineSide, Side(k));
    t.Step(StepRule::SineAngle, Angle(p), Side(k), s[p] * sine / s[k], t.angles[p]);
    t.Step(StepRule::AngleSum, Angle(q));
    t.Step(StepRule::AreaTwoSides, Angle(k));
}

// One side i and two angles, the third angle `missing` (ALA when it is i).
void SolveSideTwoAngles(ScaledTriangle &t, int i, int missing)
{
    auto &s = t.sides;
    const int first = missing == 0 ? 1 : 0;
    const int second = missing == 2 ? 1 : 2;
    t.angles[missing] = RemainingAngle(t.angles[first], t.angles[second]);
    std::array<double, 3> sines{};
    for (int n = 0; n < 3; ++n)
        sines[n] = n == missing ? RemainingSine(t.angles[first], t.angles[second]) : SinDegrees(t.angles[n]);
    t.Step(StepRule::AngleSum, Angle(missing));
    for (int n = 0; n < 3; ++n) {
        if (n != i) {
            s[n] = s[i] * (sines[n] / sines[i]);
            t.Step(StepRule::SineSide, Side(n), Side(i));
        }
    }
    // A given angle at an end of the given side.
    const int vertex = missing == i ? first : (first == i ? second : first);
    t.areaVertex = vertex;
    t.areaSine = sines[vertex];
    t.Step(StepRule::AreaTwoSides, Angle(vertex));
}

// Two sides and the angle opposite one of them: the angle X, its side x and
// the side y; none, one or two triangles. Of two, the first has the acute
// angle Y. Gives the reason when there is none.
std::string SolveAmbiguous(const ScaledTriangle &base, const TriangleData &given, int x, int y,
                           std::array<ScaledTriangle, 2> &found, int &count, char mark)
{
    const int z = 3 - x - y;
    const double X = base.angles[x];
    const double sx = base.sides[x], sy = base.sides[y];
    const double sine = SinDegrees(X), cosine = CosDegrees(X);
    // The height from the end of y onto the unknown side, and its foot.
    const double h = sy * sine, p = sy * cosine;
    const double realH = *given[y] * sine;
    const std::string angle = Letter(3 + x) + " = " + Shown(X, mark) + "°";
    const std::string letterX = Letter(x), letterY = Letter(y);

    count = 0;
    bool right = false;
    if (X < 90) {
        if (sx >= sy)
            count = 1;
        else if (std::fabs(sx - h) <= 1e-12 * h)
            count = 1, right = true;
        else if (sx > h)
            count = 2;
        else {
            const auto [least, side] = Apart(realH, *given[x], mark);
            return "Con " + angle + " y " + letterY + " = " + Shown(*given[y], mark) + " no hay triángulo: el lado "
                   + letterX + " debe medir al menos " + least + " (es " + side + ")";
        }
    } else if (sx > sy) {
        count = 1;
    } else {
        const auto [other, side] = Apart(*given[y], *given[x], mark);
        return "Con " + angle + " no hay triángulo: el lado " + letterX + " debe ser mayor que " + letterY
               + " = " + other + " (es " + side + ")";
    }

    // The unknown side runs along the line through the foot of h; its far
    // end lies q from the foot, q² = x² − h² = p² + x² − y². Of the two forms
    // the one that does not cancel: with x ≥ y both terms of the second are
    // positive; with x < y the first cancels less for an angle X below 45°.
    // Roots are taken apart, as products of two tiny lengths underflow.
    const double r = std::sqrt(std::fabs(sx - sy)) * std::sqrt(sx + sy); // r² = |x² − y²|
    double q = 0;
    if (right)
        q = 0;
    else if (sx >= sy)
        q = portable::Hypot(p, r);
    else if (X < 45)
        q = std::sqrt(sx - h) * std::sqrt(sx + h);
    else
        q = std::sqrt(p - r) * std::sqrt(p + r);
    const double acute = right ? 90 : DegreesFromRadians(portable::Atan2(h, q));
    for (int n = 0; n < count; ++n) {
        ScaledTriangle &t = found[n];
        t = base;
        t.Step(StepRule::AmbiguousCase, Angle(x), Side(y), realH);
        // z = p ± q where that does not cancel; otherwise from the product
        // of the two roots, z·z₂ = y² − x², or with an obtuse X, z·(q − p) = x² − y².
        double &sz = t.sides[z];
        if (right)
            sz = p;
        else if (n == 1)
            sz = r / found[0].sides[z] * r;
        else
            sz = X < 90 ? p + q : r / (q - p) * r;
        // Y from h and q; Z from its tangent z·h / (h² − p·(z − p)), which
        // does not cancel either, and with z itself, so that the triangle
        // closes even where q is uncertain (an angle Y near 90°).
        double &Y = t.angles[y], &Z = t.angles[z];
        if (right) {
            Y = 90;
            Z = RemainingAngle(X, 90);
        } else {
            const double zp = n == 1 ? -q : q; // z − p
            Y = n == 1 ? 180 - acute : acute;
            Z = DegreesFromRadians(portable::Atan2(sz * h, h * h - p * zp));
        }
        t.Step(StepRule::SineAngle, Angle(y), Side(x), h / sx, acute, n == 1);
        t.Step(StepRule::AngleSum, Angle(z));
        t.Step(StepRule::SineSide, Side(z), Side(x));
        t.Step(StepRule::AreaTwoSides, Angle(x));
        t.areaVertex = x;
        t.areaSine = sine;
    }
    return {};
}

} // namespace

std::string_view PartLetter(TrianglePart part)
{
    return kLetters[int(part)];
}

std::string_view PartName(TrianglePart part)
{
    return kNames[int(part)];
}

TriangleCase CaseOf(const TriangleData &given)
{
    int sides = 0, angles = 0;
    for (int part = 0; part < kTriangleParts; ++part) {
        if (given[part])
            ++(part < 3 ? sides : angles);
    }
    if (sides + angles != 3)
        return TriangleCase::None;
    if (sides == 0)
        return TriangleCase::AAA;
    if (sides == 3)
        return TriangleCase::LLL;
    if (sides == 2) { // is the angle the one between them, opposite the missing side?
        const int missing = !given[0] ? 0 : !given[1] ? 1 : 2;
        return given[3 + missing] ? TriangleCase::LAL : TriangleCase::LLA;
    }
    const int side = given[0] ? 0 : given[1] ? 1 : 2; // is its opposite angle given?
    return given[3 + side] ? TriangleCase::LAA : TriangleCase::ALA;
}

std::string_view CaseCode(TriangleCase kase)
{
    switch (kase) {
    case TriangleCase::LLL: return "LLL";
    case TriangleCase::LAL: return "LAL";
    case TriangleCase::ALA: return "ALA";
    case TriangleCase::LAA: return "LAA";
    case TriangleCase::LLA: return "LLA";
    case TriangleCase::AAA: return "AAA";
    case TriangleCase::None: break;
    }
    return "";
}

std::string_view CaseDescription(TriangleCase kase)
{
    switch (kase) {
    case TriangleCase::LLL: return "tres lados";
    case TriangleCase::LAL: return "dos lados y el ángulo comprendido";
    case TriangleCase::ALA: return "dos ángulos y el lado comprendido";
    case TriangleCase::LAA: return "dos ángulos y un lado opuesto a uno de ellos";
    case TriangleCase::LLA: return "dos lados y el ángulo opuesto a uno de ellos";
    case TriangleCase::AAA: return "tres ángulos";
    case TriangleCase::None: break;
    }
    return "";
}

std::string_view SideTypeName(SideType type)
{
    switch (type) {
    case SideType::Equilateral: return "equilátero";
    case SideType::Isosceles: return "isósceles";
    case SideType::Scalene: break;
    }
    return "escaleno";
}

std::string_view AngleTypeName(AngleType type)
{
    switch (type) {
    case AngleType::Acute: return "acutángulo";
    case AngleType::Right: return "rectángulo";
    case AngleType::Obtuse: break;
    }
    return "obtusángulo";
}

std::string TriangleTypeText(const SolvedTriangle &triangle)
{
    return std::string(AngleTypeName(triangle.byAngles)) + " " + std::string(SideTypeName(triangle.bySides));
}

TriangleSolution SolveTriangle(const TriangleData &given, char decimalMark)
{
    TriangleSolution solution;
    solution.given = given;
    solution.kase = CaseOf(given);
    solution.reason = Refusal(given, solution.kase, decimalMark);
    if (!solution.reason.empty())
        return solution;

    // The given parts, the largest given side scaled to [½, 1).
    ScaledTriangle base;
    double largest = 0;
    for (int i = 0; i < 3; ++i)
        largest = std::max(largest, given[i].value_or(0));
    std::frexp(largest, &base.scale);
    for (int i = 0; i < 3; ++i) {
        if (given[i])
            base.sides[i] = std::ldexp(*given[i], -base.scale);
        if (given[3 + i])
            base.angles[i] = *given[3 + i];
    }

    std::array<ScaledTriangle, 2> found;
    int count = 1;
    const auto missingSide = [&] { return !given[0] ? 0 : !given[1] ? 1 : 2; };
    const auto missingAngle = [&] { return !given[3] ? 0 : !given[4] ? 1 : 2; };
    switch (solution.kase) {
    case TriangleCase::LLL:
        found[0] = base;
        SolveThreeSides(found[0]);
        break;
    case TriangleCase::LAL:
        found[0] = base;
        SolveTwoSidesAngle(found[0], missingSide());
        break;
    case TriangleCase::ALA:
    case TriangleCase::LAA: {
        const int side = given[0] ? 0 : given[1] ? 1 : 2;
        found[0] = base;
        SolveSideTwoAngles(found[0], side, missingAngle());
        break;
    }
    case TriangleCase::LLA: {
        const int x = given[0] && given[3] ? 0 : given[1] && given[4] ? 1 : 2; // angle and side
        const int y = 3 - x - missingSide();
        solution.reason = SolveAmbiguous(base, given, x, y, found, count, decimalMark);
        if (!solution.reason.empty())
            return solution;
        break;
    }
    case TriangleCase::AAA:
    case TriangleCase::None:
        return solution;
    }

    for (int n = 0; n < count; ++n) {
        found[n].Step(StepRule::Perimeter, Side(0));
        std::string reason = CompleteTriangle(found[n], given, solution.triangles[n], decimalMark);
        if (!reason.empty()) {
            solution.triangles = {};
            solution.reason = std::move(reason);
            return solution;
        }
    }
    solution.count = count;
    return solution;
}
