#pragma once
// A general solution as text: what `sorvani-calc resolver` prints and what
// the window for any triangle copies, written once.

#include "general.h"

#include <string>
#include <vector>

// "LLA: dos lados y el ángulo opuesto a uno de ellos; dos soluciones"
std::string SolutionHeadline(const TriangleSolution &solution);

// "LLA: dos soluciones", "LAL: una solución", or the reason when there is none.
std::string SolutionStatus(const TriangleSolution &solution);

// The headline, then for each triangle ("Solución 1", "Solución 2" when there
// are two) every part (angles in decimal degrees and in degrees, minutes and
// seconds, the given ones marked), area, perimeter, semiperimeter, heights,
// medians, bisectors, r, R and the type; with `steps`, the working under each
// triangle. Lengths and decimal angles with `decimals` places. Every line ends
// in a line feed. For a solution with no triangle: the reason and a line feed.
std::string SolutionText(const TriangleSolution &solution, int decimals, bool steps);

// The working of triangle `index`, numbered: each rule on a line, its formula,
// substitution and result indented under it. What SolutionText writes under
// "Pasos:" and the window for any triangle shows. Empty when there is no such
// triangle.
std::string WorkingText(const TriangleSolution &solution, int index, int decimals);

// The same, one step a string, each with its number and its line feeds.
std::vector<std::string> WorkingSteps(const TriangleSolution &solution, int index, int decimals);
