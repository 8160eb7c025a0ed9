#pragma once
// How a student's answers to a triangle are marked, written once for the
// practice mode and for the quizzes that Moodle marks: what a problem asks,
// how near an answer must be, and the wrong values that known mistakes give,
// with the words that name each mistake.

#include "general.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

// What a problem asks for: a part (0 to 5, as TrianglePart) or the area.
inline constexpr int kAskedArea = kTriangleParts;

// The parts not given, in the order a, b, c, A, B, C, then the area.
std::vector<int> AskedOf(const TriangleData &given);

// "Lado b", "Ángulo B", "Área"
std::string_view AskedName(int asked);
inline constexpr bool AskedAngle(int asked) { return asked >= 3 && asked < kAskedArea; }
double AskedValue(const SolvedTriangle &triangle, int asked);

// An answer is right when it lies within max(10^-decimals, 0.001·|value|) of
// the value: one unit of the last decimal asked, or 0.1 % where that is more,
// so that rounding along the way is forgiven.
double Tolerance(double value, int decimals);
bool IsRight(double answer, double value, int decimals);

inline constexpr std::string_view kRightMark = "Correcto";
inline constexpr std::string_view kWrongMark = "Incorrecto";
inline constexpr std::string_view kRadiansFeedback =
    "Incorrecto: sale con la calculadora en radianes; póngala en grados.";
inline constexpr std::string_view kOtherTriangleFeedback = "Incorrecto: ese valor es del otro triángulo.";
inline constexpr std::string_view kTwoTrianglesFeedback =
    "Incorrecto: hay dos triángulos; el segundo tiene el ángulo suplementario.";

// A wrong value that a known mistake gives, and the words that name it.
struct Mistake {
    double value;
    std::string feedback; // "Incorrecto: …"
};

// The known mistakes for `asked` in triangle `index`, in the order they are
// tried: an angle given in radians; a side from the law of cosines with the
// cosine taken in radians and with the wrong sign (LAL), or from the law of
// sines, from the given side and its opposite angle, with the sines taken in
// radians (the other cases); then, of two triangles, the other one's value.
// Only finite values; a mistake may give the right value (a cosine of 0):
// mark the right value first.
std::vector<Mistake> Mistakes(const TriangleSolution &solution, int index, int asked);

// LLA's parts: the given angle (3 to 5), the side that faces it and the
// other given side (0 to 2).
struct AmbiguousParts {
    int angle = 3, facing = 0, other = 1;
};
AmbiguousParts AmbiguousOf(const TriangleData &given);

// LLA's question of how many triangles there are (0, 1 or 2): empty when
// `chosen` is right, else the feedback: of two triangles, that there are two;
// otherwise a reminder to compare the side with the height (or, for a right
// or obtuse angle, with the other side), in the problem's own letters.
std::string CountFeedback(const TriangleSolution &solution, int chosen);

// The triangle (0 or 1) each of two sets of answers stands for, -1 for none,
// so that a quiz's layout does not give the count away: first the triangle
// whose angle opposite the given side that does not face the given angle is
// acute or right (or the only triangle), then the one where it is obtuse.
// Outside LLA: the only triangle, then none.
std::array<int, 2> TriangleSets(const TriangleSolution &solution);

} // namespace calc
