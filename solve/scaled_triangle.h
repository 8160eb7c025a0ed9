#pragma once
// Between the five case solutions and the derived elements: a triangle whose
// lengths are kept in units of 2^scale, so that the largest side lies between
// ½ and 1 and no square or product of lengths overflows or underflows on the
// way. Private to the general solution.

#include "general.h"

#include <algorithm>
#include <string>

// The smallest angle, in degrees, and the smallest length or area relative to
// the largest side (or its square) that the solution works with: 2^−1000
// leaves the intermediate products well inside the normal doubles.
inline constexpr double kTiniest = 0x1p-1000;

struct ScaledTriangle {
    std::array<double, 3> sides{};  // times 2^−scale
    std::array<double, 3> angles{}; // degrees
    int scale = 0;
    // The area as ½·x·y·sen Z from the angle `areaVertex`, whose sine is
    // `areaSine`, and the two sides that meet there; Kahan's Heron when −1.
    int areaVertex = -1;
    double areaSine = 0;
    std::array<SolutionStep, kMaxSolutionSteps> steps{};
    int stepCount = 0;

    void Step(StepRule rule, TrianglePart part, TrianglePart from = TrianglePart::a,
              double value = 0, double second = 0, bool supplement = false)
    {
        steps[stepCount++] = {rule, part, from, supplement, value, second};
    }
};

// A name that opens a reason: "el lado a" as "El lado a", "la altura…" as
// "La altura…".
inline std::string Capitalized(std::string_view name)
{
    std::string text(name);
    text[0] = char(text[0] - 'a' + 'A');
    return text;
}

// A number's text in a reason, with `mark` for its decimal point.
inline std::string WithMark(std::string number, char mark)
{
    std::replace(number.begin(), number.end(), '.', mark);
    return number;
}

// Every element of `triangle` from `scaled` (the given parts copied exactly
// from `given`), or the reason why one of them falls outside the doubles,
// its numbers with the decimal mark `mark`.
std::string CompleteTriangle(const ScaledTriangle &scaled, const TriangleData &given,
                             SolvedTriangle &triangle, char mark);
