#pragma once
// What the answer key and the problem sheet share: the escaping of every text
// that comes from outside, the page around the problems (A4, its style inline,
// nothing that runs or loads), and a problem's given parts in words.

#include "figure.h"
#include "general.h"
#include "generator.h"
#include "worksheet.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

inline constexpr std::string_view kDefaultTitle = "Hoja de triángulos";
// --titulo that is not text: the command and the page refuse it alike.
inline constexpr std::string_view kTitleNotUtf8 = "el título no es texto UTF-8";

// Every text from outside goes through AppendEscaped of the figure library.

// From the doctype to the opening of the body, with the page's title (the
// worksheet's, then `kind`) and the style both files share plus `style`.
std::string PageStart(std::string_view title, std::string_view kind, std::string_view style);
inline constexpr std::string_view kPageEnd = "</body>\n</html>\n";

// An SVG picture of the figure library inside an HTML page: without its XML
// declaration; its texts are escaped already.
void AppendSvg(std::string &out, std::string_view svg);

// A part a problem gives, as typed: a side's value (with `metres` when it is
// a plain number, so that it reads "3 m"), an angle's value with its degree
// sign, or as typed when it is no plain number.
struct GivenPart {
    TrianglePart part;
    std::string value;
    bool metres = false;
};

// In the order of the row.
std::vector<GivenPart> GivenParts(const CaseRow &row);
std::vector<GivenPart> GivenParts(const ResolverRow &row);
// A generated problem's parts as its row writes them.
std::vector<GivenPart> GivenParts(const generator::Problem &problem);

// "Resuelve el triángulo con a = 3 m, b = 4 m y C = 90°" (not escaped).
std::string ProblemWords(std::span<const GivenPart> parts);

// "<h2>Problema 3</h2>", optionally with a note beside the number.
void AppendProblemHeading(std::string &out, std::size_t number, std::string_view note = {});

// "Versión A" over a version of the sheet; on a new page when `newPage`.
void AppendVersionHeading(std::string &out, std::string_view label, bool newPage);

} // namespace calc
