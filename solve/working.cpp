#include "working.h"

#include "values.h"

#include <initializer_list>
#include <string_view>

namespace {

// Joins pieces into one string with a single allocation.
std::string Cat(std::initializer_list<std::string_view> pieces)
{
    std::size_t size = 0;
    for (std::string_view piece : pieces)
        size += piece.size();
    std::string text;
    text.reserve(size);
    for (std::string_view piece : pieces)
        text += piece;
    return text;
}

// Writes the steps of one triangle with its own numbers, each number written
// once.
class Writer {
public:
    Writer(const SolvedTriangle &t, int decimals) : t_(t), decimals_(decimals)
    {
        for (int i = 0; i < 3; ++i) {
            side_[i] = N(t.sides[i]);
            // "(1E-100)²" keeps the exponent apart from the square.
            squared_[i] = side_[i].find('E') == std::string::npos ? side_[i] + "²" : "(" + side_[i] + ")²";
            angle_[i] = N(t.angles[i]) + "°";
        }
        area_ = N(t.area);
        perimeter_ = N(t.perimeter);
        semiperimeter_ = N(t.semiperimeter);
    }

    WorkingStep Write(const SolutionStep &step) const;

private:
    static std::string_view L(int part) { return PartLetter(TrianglePart(part)); }
    std::string N(double x) const { return DecimalText(x, decimals_); }
    WorkingStep Ambiguous(int part, int other, double h) const;

    const SolvedTriangle &t_;
    int decimals_;
    std::string side_[3], squared_[3], angle_[3]; // "3", "3²", "36.8699°"
    std::string area_, perimeter_, semiperimeter_;
};

// h = y·sen X compared with x and y, for the angle X of the side `part` and
// the side `other`.
WorkingStep Writer::Ambiguous(int part, int other, double h) const
{
    const std::string_view x = L(part), X = L(3 + part), y = L(other);
    const std::string hText = N(h);
    std::string result;
    if (t_.angles[part] >= 90)
        result = Cat({X, " = ", angle_[part], " ≥ 90° y ", x, " = ", side_[part], " > ", y, " = ", side_[other],
                      ": un triángulo"});
    else if (t_.sides[part] >= t_.sides[other])
        result = Cat({"h = ", hText, "; ", x, " = ", side_[part], " ≥ ", y, " = ", side_[other], ": un triángulo"});
    else if (t_.angles[other] == 90)
        result = Cat({"h = ", hText, " = ", x, ": un triángulo rectángulo"});
    else
        result = Cat({"h = ", hText, " < ", x, " = ", side_[part], " < ", y, " = ", side_[other],
                      ": dos triángulos"});
    return {"Caso ambiguo", Cat({"h = ", y, "·sen ", X}), Cat({"h = ", side_[other], "·sen ", angle_[part]}),
            std::move(result)};
}

WorkingStep Writer::Write(const SolutionStep &step) const
{
    const int part = int(step.part) % 3; // the letter's index, side or angle
    const int from = int(step.from) % 3;
    const int j = part == 0 ? 1 : 0; // the other two, in their order
    const int k = part == 2 ? 1 : 2;
    const std::string_view x = L(part), X = L(3 + part), y = L(j), Y = L(3 + j), z = L(k), Z = L(3 + k);

    switch (step.rule) {
    case StepRule::AmbiguousCase:
        return Ambiguous(part, from, step.value);
    case StepRule::CosineSide:
        return {"Teorema del coseno", Cat({x, "² = ", y, "² + ", z, "² − 2·", y, "·", z, "·cos ", X}),
                Cat({x, "² = ", squared_[j], " + ", squared_[k], " − 2·", side_[j], "·", side_[k], "·cos ",
                     angle_[part]}),
                Cat({x, " = ", side_[part]})};
    case StepRule::CosineAngle:
        return {"Teorema del coseno", Cat({"cos ", X, " = (", y, "² + ", z, "² − ", x, "²) / (2·", y, "·", z, ")"}),
                Cat({"cos ", X, " = (", squared_[j], " + ", squared_[k], " − ", squared_[part], ") / (2·", side_[j],
                     "·", side_[k], ")"}),
                Cat({X, " = ", angle_[part]})};
    case StepRule::SineSide:
        return {"Teorema del seno", Cat({x, " = ", L(from), "·sen ", X, " / sen ", L(3 + from)}),
                Cat({x, " = ", side_[from], "·sen ", angle_[part], " / sen ", angle_[from]}),
                Cat({x, " = ", side_[part]})};
    case StepRule::SineAngle: // sen X = x·sen F / f, with f the side `from` and F its angle
        return {"Teorema del seno", Cat({"sen ", X, " = ", x, "·sen ", L(3 + from), " / ", L(from)}),
                Cat({"sen ", X, " = ", side_[part], "·sen ", angle_[from], " / ", side_[from], " = ", N(step.value)}),
                step.supplement ? Cat({X, " = 180° − ", N(step.second), "° = ", angle_[part]})
                                : Cat({X, " = ", angle_[part]})};
    case StepRule::AngleSum:
        return {"Suma de los ángulos", Cat({X, " = 180° − ", Y, " − ", Z}),
                Cat({X, " = 180° − ", angle_[j], " − ", angle_[k]}), Cat({X, " = ", angle_[part]})};
    case StepRule::Semiperimeter:
        return {"Semiperímetro", "s = (a + b + c) / 2",
                Cat({"s = (", side_[0], " + ", side_[1], " + ", side_[2], ") / 2"}), Cat({"s = ", semiperimeter_})};
    case StepRule::Heron: {
        const std::string &s = semiperimeter_;
        return {"Fórmula de Herón", "Área = √(s·(s − a)·(s − b)·(s − c))",
                Cat({"Área = √(", s, "·(", s, " − ", side_[0], ")·(", s, " − ", side_[1], ")·(", s, " − ", side_[2],
                     "))"}),
                Cat({"Área = ", area_})};
    }
    case StepRule::AreaTwoSides:
        return {"Área con dos lados y el ángulo comprendido", Cat({"Área = ½·", y, "·", z, "·sen ", X}),
                Cat({"Área = ½·", side_[j], "·", side_[k], "·sen ", angle_[part]}), Cat({"Área = ", area_})};
    case StepRule::Perimeter:
        return {"Perímetro", "P = a + b + c", Cat({"P = ", side_[0], " + ", side_[1], " + ", side_[2]}),
                Cat({"P = ", perimeter_})};
    }
    return {};
}

} // namespace

std::vector<WorkingStep> Working(const TriangleSolution &solution, int index, int decimals)
{
    std::vector<WorkingStep> steps;
    if (index < 0 || index >= solution.count)
        return steps;
    const SolvedTriangle &triangle = solution.triangles[index];
    const Writer writer(triangle, decimals);
    steps.reserve(triangle.stepCount);
    for (int n = 0; n < triangle.stepCount; ++n)
        steps.push_back(writer.Write(triangle.steps[n]));
    return steps;
}
