#pragma once
// Three sides known: the angles by the half-angle tangents, the area by Heron.

#include "numeric.h"

#include <optional>

struct ThreeSidesResult {
    double angleA = 0, angleB = 0, angleC = 0; // decimal degrees, RoundTo4
    Dms dmsA, dmsB, dmsC;                      // SplitDegrees of the rounded angles
    double area = 0;                           // RoundTo4
    double angleSum = 0;                       // RoundTo4 of the unrounded angles' sum
};

// Every result, or nothing when a step fails.
std::optional<ThreeSidesResult> SolveThreeSides(double a, double b, double c);
