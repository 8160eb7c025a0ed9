#pragma once
// Two sides and the angle between them known: b by the law of cosines,
// A and C by the half-angle tangents, the area by Heron.

#include "numeric.h"

#include <optional>

struct TwoSidesAngleResult {
    double A4 = 0;              // angle A, RoundTo4
    double DA = 0, MA = 0, SA = 0; // SplitDegrees(A4)
    double C4 = 0;              // angle C, RoundTo4
    double DC = 0, MC = 0, SC = 0; // SplitDegrees(C4)
    double b4 = 0;              // side b, RoundTo4
    double area4 = 0;           // RoundTo4
    double P4 = 0;              // RoundTo4 of the perimeter with the unrounded b
};

// d, m, sec: angle B as typed; a, c: the sides that meet at B.
// Every result, or nothing when a step fails.
std::optional<TwoSidesAngleResult> SolveTwoSidesAngle(double d, double m, double sec, double a,
                                                      double c);
