#pragma once
// The general solution: any three of a triangle's six parts, at least one of
// them a side, give its case and none, one or two triangles, each with every
// derived element, or the reason why there is none. Full double precision,
// the exact pi, numerically stable formulas, nothing rounded.

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The six parts. Angle A lies opposite side a, and so on: angle 3 + i opposite
// side i.
enum class TrianglePart { a, b, c, A, B, C };
inline constexpr int kTriangleParts = 6;

inline constexpr bool IsSide(TrianglePart part) { return int(part) < 3; }
// "a", "b", "c", "A", "B", "C"
std::string_view PartLetter(TrianglePart part);
// "el lado a", "el ángulo A": how a reason names it
std::string_view PartName(TrianglePart part);

// The given parts: sides as lengths, angles in decimal degrees; empty for an
// unknown part.
using TriangleData = std::array<std::optional<double>, kTriangleParts>;

enum class TriangleCase {
    LLL, // three sides
    LAL, // two sides and the angle between them
    ALA, // two angles and the side between them
    LAA, // two angles and a side opposite one of them
    LLA, // two sides and the angle opposite one of them: the ambiguous case
    AAA, // three angles: never solved
    None, // not three parts
};

// The case of these given parts: which parts are given, not their values.
TriangleCase CaseOf(const TriangleData &given);
// "LLA"; "AAA" and "" for the last two.
std::string_view CaseCode(TriangleCase kase);
// "dos lados y el ángulo opuesto a uno de ellos"
std::string_view CaseDescription(TriangleCase kase);

enum class SideType { Equilateral, Isosceles, Scalene };
enum class AngleType { Acute, Right, Obtuse };
std::string_view SideTypeName(SideType type);   // "equilátero", "isósceles", "escaleno"
std::string_view AngleTypeName(AngleType type); // "acutángulo", "rectángulo", "obtusángulo"

// One step of the working as the solution records it while solving: which
// rule, which parts and the numbers it used, no text (Working writes that).
enum class StepRule : unsigned char {
    AmbiguousCase, // LLA: h = y·sen X against x and y; part X, from y, value h
    CosineSide,    // the side `part` from the other two and the angle between them
    CosineAngle,   // the angle `part` from the three sides
    SineSide,      // the side `part` from the side `from` and the angles
    SineAngle,     // the angle `part` from its side, the side `from` and the angle opposite
                   // `from`; value its sine, second the acute angle of that sine
    AngleSum,      // the angle `part` from the other two
    Semiperimeter,
    Heron,
    AreaTwoSides,  // ½ times the two sides that meet at the angle `part`, times its sine
    Perimeter,
};

struct SolutionStep {
    StepRule rule = StepRule::Perimeter;
    TrianglePart part = TrianglePart::a;
    TrianglePart from = TrianglePart::a;
    bool supplement = false; // SineAngle: the obtuse angle of the two with that sine
    double value = 0, second = 0;
};
inline constexpr int kMaxSolutionSteps = 8;

struct SolvedTriangle {
    std::array<double, 3> sides{};  // a, b, c
    std::array<double, 3> angles{}; // A, B, C, decimal degrees
    double area = 0, perimeter = 0, semiperimeter = 0;
    std::array<double, 3> heights{};   // onto a, b, c
    std::array<double, 3> medians{};   // to the middle of a, b, c
    std::array<double, 3> bisectors{}; // of the angles A, B, C, to the opposite side
    double inradius = 0, circumradius = 0;
    SideType bySides = SideType::Scalene; // equality within a relative 1e-12
    AngleType byAngles = AngleType::Acute; // right: the largest angle within 90° ± 90°·1e-12
    std::array<SolutionStep, kMaxSolutionSteps> steps{}; // in the order they were taken
    int stepCount = 0;
};

struct TriangleSolution {
    TriangleData given{};
    TriangleCase kase = TriangleCase::None;
    int count = 0; // 0, 1 or 2; of two, the first has an acute angle opposite the other given side
    std::array<SolvedTriangle, 2> triangles{};
    std::string reason; // when count is 0: Spanish, naming the parts and the numbers
};

// Every part, side or angle, may be any double: NaN, infinities and values out
// of range are refused with a reason, never answered with inf or NaN. The
// numbers of the reason are written with `decimalMark` (a worksheet's ",").
TriangleSolution SolveTriangle(const TriangleData &given, char decimalMark = '.');

// "rectángulo escaleno"
std::string TriangleTypeText(const SolvedTriangle &triangle);
