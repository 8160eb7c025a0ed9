#include "solution_text.h"

#include "values.h"
#include "working.h"

namespace {

std::string Solutions(int count)
{
    return count == 0 ? "ninguna solución" : count == 1 ? "una solución" : "dos soluciones";
}

void AppendTriangle(std::string &text, const TriangleSolution &solution, int index, int decimals,
                    bool steps)
{
    const SolvedTriangle &t = solution.triangles[index];
    const auto line = [&](const std::string &label, double x) {
        text += label + " = " + DecimalText(x, decimals) + "\n";
    };
    const auto given = [&](int part) { return solution.given[part] ? " (dato)" : ""; };
    const char *sides[3] = {"a", "b", "c"};
    const char *angles[3] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i)
        text += std::string("Lado ") + sides[i] + " = " + DecimalText(t.sides[i], decimals) + given(i) + "\n";
    for (int i = 0; i < 3; ++i)
        text += std::string("Ángulo ") + angles[i] + " = " + DecimalText(t.angles[i], decimals) + "° = "
                + DmsAngleText(t.angles[i]) + given(3 + i) + "\n";
    line("Área", t.area);
    line("Perímetro", t.perimeter);
    line("Semiperímetro", t.semiperimeter);
    for (int i = 0; i < 3; ++i)
        line(std::string("Altura sobre ") + sides[i], t.heights[i]);
    for (int i = 0; i < 3; ++i)
        line(std::string("Mediana de ") + sides[i], t.medians[i]);
    for (int i = 0; i < 3; ++i)
        line(std::string("Bisectriz de ") + angles[i], t.bisectors[i]);
    line("Radio inscrito", t.inradius);
    line("Radio circunscrito", t.circumradius);
    text += "Tipo: triángulo " + TriangleTypeText(t) + "\n";
    if (!steps)
        return;
    text += "\nPasos:\n" + WorkingText(solution, index, decimals);
}

} // namespace

std::vector<std::string> WorkingSteps(const TriangleSolution &solution, int index, int decimals)
{
    std::vector<std::string> steps;
    for (const WorkingStep &step : Working(solution, index, decimals)) {
        std::string text = std::to_string(steps.size() + 1) + ". " + step.rule + "\n";
        for (const std::string *part : {&step.formula, &step.substitution, &step.result})
            text += "   " + *part + "\n";
        steps.push_back(std::move(text));
    }
    return steps;
}

std::string WorkingText(const TriangleSolution &solution, int index, int decimals)
{
    std::string text;
    for (const std::string &step : WorkingSteps(solution, index, decimals))
        text += step;
    return text;
}

std::string SolutionHeadline(const TriangleSolution &solution)
{
    const std::string_view code = CaseCode(solution.kase);
    if (code.empty())
        return "Ninguna solución";
    return std::string(code) + ": " + std::string(CaseDescription(solution.kase)) + "; "
           + Solutions(solution.count);
}

std::string SolutionStatus(const TriangleSolution &solution)
{
    if (solution.count == 0)
        return solution.reason;
    return std::string(CaseCode(solution.kase)) + ": " + Solutions(solution.count);
}

std::string SolutionText(const TriangleSolution &solution, int decimals, bool steps)
{
    if (solution.count == 0)
        return solution.reason + "\n";
    std::string text = SolutionHeadline(solution) + "\n";
    // A blank line before each triangle and its working, so the eye finds them.
    for (int index = 0; index < solution.count; ++index) {
        text += "\n";
        if (solution.count == 2)
            text += "Solución " + std::to_string(index + 1) + "\n";
        AppendTriangle(text, solution, index, decimals, steps);
    }
    return text;
}
