#pragma once
// A general solution's triangles as the shared figure: the given parts drawn
// as data, the parts it found as results.

#include "figure.h"
#include "general.h"

#include <optional>
#include <string>

enum class AngleStyle { Dms, Decimal };

// Triangle `index` of the solution, lengths and decimal angles with `decimals`
// places, angles written in `style`; titled "Solución 1" or "Solución 2" when
// the solution has two. Nothing when the solution has no such triangle.
std::optional<Figure> SolutionFigure(const TriangleSolution &solution, int index, int decimals, AngleStyle style);

// That triangle as an SVG picture.
std::optional<std::string> SolutionSvg(const TriangleSolution &solution, int index, int decimals, AngleStyle style);

// Every triangle of the solution in one picture: one alone, two side by side
// under their titles. Nothing when there is none.
std::optional<std::string> SolutionsSvg(const TriangleSolution &solution, int decimals, AngleStyle style);
