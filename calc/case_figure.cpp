#include "case_figure.h"

#include "numeric.h"

namespace calc {

Figure CaseFigure(const Case &kase, const Answer &answer, bool roles)
{
    const auto number = [&](Part part) { return part.result ? answer.results[part.index] : answer.values[part.index]; };
    const auto role = [&](Part part) {
        return !roles ? FigureRole::Plain : part.result ? FigureRole::Result : FigureRole::Datum;
    };
    const auto side = [&](Part part) { return FigureSide{number(part), NumberText(number(part)), role(part)}; };
    const auto angle = [&](const std::array<Part, 3> &parts) {
        const double d = number(parts[0]), m = number(parts[1]), s = number(parts[2]);
        return FigureAngle{(d + m / 60) + s / 3600, DmsText(d, m, s), role(parts[0])};
    };
    const FigureParts &parts = kase.figure;
    return {side(parts.sides[0]), side(parts.sides[1]), side(parts.sides[2]),
            angle(parts.angles[0]), angle(parts.angles[1]), angle(parts.angles[2])};
}

} // namespace calc
