#include "resolver.h"

#include "json.h"
#include "working.h"

#include <array>

namespace calc {

namespace {

Json ByLetter(const std::array<double, 3> &x)
{
    return {{"a", JsonNumber(x[0])}, {"b", JsonNumber(x[1])}, {"c", JsonNumber(x[2])}};
}

Json Steps(const TriangleSolution &solution, int index, int decimals)
{
    Json steps = Json::array();
    for (const WorkingStep &step : Working(solution, index, decimals)) {
        steps.push_back({{"regla", step.rule},
                         {"formula", step.formula},
                         {"sustitucion", step.substitution},
                         {"resultado", step.result}});
    }
    return steps;
}

// Every number is a positive normal double, as SolveTriangle promises and
// fuzz_general checks, so none is written as null.
Json Triangle(const TriangleSolution &solution, int index, int decimals, bool steps)
{
    const SolvedTriangle &t = solution.triangles[std::size_t(index)];
    Json out = Json::object();
    for (int i = 0; i < 3; ++i)
        out[std::string(PartLetter(TrianglePart(i)))] = JsonNumber(t.sides[i]);
    for (int i = 0; i < 3; ++i)
        out[std::string(PartLetter(TrianglePart(3 + i)))] = JsonNumber(t.angles[i]);
    out["area"] = JsonNumber(t.area);
    out["perimetro"] = JsonNumber(t.perimeter);
    out["semiperimetro"] = JsonNumber(t.semiperimeter);
    out["alturas"] = ByLetter(t.heights);
    out["medianas"] = ByLetter(t.medians);
    out["bisectrices"] = ByLetter(t.bisectors);
    out["r"] = JsonNumber(t.inradius);
    out["R"] = JsonNumber(t.circumradius);
    out["tipo"] = {{"lados", SideTypeName(t.bySides)}, {"angulos", AngleTypeName(t.byAngles)}};
    if (steps)
        out["pasos"] = Steps(solution, index, decimals);
    return out;
}

} // namespace

std::string ResolverJson(const TriangleSolution &solution, int decimals, bool steps)
{
    if (solution.count == 0)
        return JsonText({{"error", {{"titulo", kNoSolutionTitle}, {"mensaje", solution.reason}}}});
    Json triangles = Json::array();
    for (int index = 0; index < solution.count; ++index)
        triangles.push_back(Triangle(solution, index, decimals, steps));
    return JsonText({{"caso", CaseCode(solution.kase)}, {"soluciones", std::move(triangles)}});
}

} // namespace calc
