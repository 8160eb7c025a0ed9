#pragma once
// `sorvani-calc resolver`: any three parts of a triangle through the general
// solution. Its JSON lives here, apart from main(), so that other answers
// (a worksheet's resolver rows) can write the same object.

#include "general.h"

#include <string>
#include <string_view>

namespace calc {

inline constexpr std::string_view kResolverName = "resolver";
// The title of a solution without a triangle, beside its reason.
inline constexpr std::string_view kNoSolutionTitle = "Sin solución";

// {"caso":"LLA","soluciones":[{"a":…,"b":…,"c":…,"A":…,"B":…,"C":…,"area":…,
// "perimetro":…,"semiperimetro":…,"alturas":{"a","b","c"},"medianas":{…},
// "bisectrices":{…},"r":…,"R":…,"tipo":{"lados":…,"angulos":…}}, …]}: numbers
// in full, as the shortest text that reads back as the same double. Heights
// and medians are keyed by the side they fall on, bisectors by the letter of
// their angle in lower case. With `steps`, each solution also has
// "pasos":[{"regla","formula","sustitucion","resultado"}], the working with
// `decimals` places. Without a triangle: {"error":{"titulo":"Sin solución",
// "mensaje":reason}}. One line, no line feed at the end.
std::string ResolverJson(const TriangleSolution &solution, int decimals, bool steps);

} // namespace calc
