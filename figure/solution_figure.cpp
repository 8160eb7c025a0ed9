#include "solution_figure.h"

#include "values.h"

#include <array>
#include <vector>

std::optional<Figure> SolutionFigure(const TriangleSolution &solution, int index, int decimals, AngleStyle style)
{
    if (index < 0 || index >= solution.count)
        return std::nullopt;
    const SolvedTriangle &t = solution.triangles[std::size_t(index)];
    const auto role = [&](int part) {
        return solution.given[std::size_t(part)] ? FigureRole::Datum : FigureRole::Result;
    };
    const auto side = [&](int i) { return FigureSide{t.sides[i], DecimalText(t.sides[i], decimals), role(i)}; };
    const auto angle = [&](int i) {
        const double degrees = t.angles[i];
        std::string text = style == AngleStyle::Dms ? DmsAngleText(degrees) : DecimalText(degrees, decimals) + "°";
        return FigureAngle{degrees, std::move(text), role(3 + i)};
    };
    Figure figure{side(0), side(1), side(2), angle(0), angle(1), angle(2)};
    if (solution.count == 2)
        figure.title = "Solución " + std::to_string(index + 1);
    return figure;
}

std::optional<std::string> SolutionSvg(const TriangleSolution &solution, int index, int decimals, AngleStyle style)
{
    const std::optional<Figure> figure = SolutionFigure(solution, index, decimals, style);
    if (!figure)
        return std::nullopt;
    return TriangleSvg(*figure);
}

std::optional<std::string> SolutionsSvg(const TriangleSolution &solution, int decimals, AngleStyle style)
{
    if (solution.count < 2)
        return SolutionSvg(solution, 0, decimals, style);
    std::vector<Figure> figures;
    for (int i = 0; i < solution.count; ++i)
        figures.push_back(*SolutionFigure(solution, i, decimals, style));
    return TrianglesSvg(figures);
}
