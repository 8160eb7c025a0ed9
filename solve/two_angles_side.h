#pragma once
// Two angles (degrees, minutes, seconds) and the side between them known.
// Rounds to three decimals, the seconds of C to five: rules of its own.

#include <optional>

struct TwoAnglesSideResult {
    double degreesC = 0, minutesC = 0, secondsC = 0; // angle C, split after RoundTo3
    double a = 0, b = 0;                             // RoundTo3
    double area = 0;                                 // RoundTo3
    double perimeter = 0;                            // rounded a and b plus the unrounded c
};

// floor(x * 1000 + 0.5) / 1000, in that order.
double RoundTo3(double x);
// floor(x * 100000 + 0.5) / 100000, in that order.
double RoundTo5(double x);

// Every result, or nothing when a step fails (A + B exactly 180, overflow).
std::optional<TwoAnglesSideResult> SolveTwoAnglesSide(double degreesA, double minutesA,
                                                      double secondsA, double degreesB,
                                                      double minutesB, double secondsB,
                                                      double c);
