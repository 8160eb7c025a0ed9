#include "html.h"

#include "parts.h"
#include "values.h"

#include <algorithm>
#include <utility>

namespace calc {

namespace {

// A4 with its margins; each problem kept whole on one page. Everything the
// two files need is here: no font, picture or script is fetched, and the
// policy forbids it even if something slipped in.
constexpr std::string_view kStyle = R"(@page { size: A4; margin: 14mm 15mm; }
* { box-sizing: border-box; }
html { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; font-size: 10pt; line-height: 1.3;
       color: #000000; background: #ffffff; }
body { margin: 0; }
@media screen { body { max-width: 180mm; margin: 8mm auto; } }
h1 { font-size: 17pt; margin: 0 0 1mm; }
h2 { font-size: 12pt; margin: 0 0 1.5mm; }
h2.version { font-size: 14pt; margin: 0 0 2mm; }
.salto { break-before: page; page-break-before: always; }
h2 .nota { font-size: 8.5pt; font-weight: normal; color: #606060; margin-left: 3mm; }
p { margin: 0 0 1.5mm; }
.subtitulo { margin: 0 0 3mm; color: #404040; }
.problema { break-inside: avoid; page-break-inside: avoid; border-top: 0.3mm solid #909090;
            padding: 2.5mm 0 3mm; }
.datos { font-size: 11pt; }
.mensaje { white-space: pre-line; }
figure { margin: 1.5mm 0; }
figure svg { display: block; width: 100%; }
)";

// A window's box as typed; an empty one is 0 to the window.
std::string Typed(std::string_view text)
{
    return text.empty() ? "0" : std::string(text);
}

} // namespace

std::string PageStart(std::string_view title, std::string_view kind, std::string_view style)
{
    std::string out = "<!DOCTYPE html>\n<html lang=\"es\">\n<head>\n<meta charset=\"utf-8\"/>\n"
                      "<meta http-equiv=\"Content-Security-Policy\" "
                      "content=\"default-src 'none'; style-src 'unsafe-inline'\"/>\n"
                      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>\n<title>";
    AppendEscaped(out, title);
    out += " — ";
    out += kind;
    out += "</title>\n<style>\n";
    out += kStyle;
    out += style;
    out += "</style>\n</head>\n<body>\n<h1>";
    AppendEscaped(out, title);
    out += "</h1>\n";
    return out;
}

void AppendSvg(std::string &out, std::string_view svg)
{
    const std::size_t start = svg.find("<svg");
    out += svg.substr(start == svg.npos ? svg.size() : start);
}

std::vector<GivenPart> GivenParts(const CaseRow &row)
{
    // Each given part with the place of its (first) value, to keep the row's order.
    std::vector<std::pair<std::size_t, GivenPart>> parts;
    const std::vector<std::string> &fields = row.record.fields;
    const FigureParts &figure = row.kase.figure;
    for (int i = 0; i < 3; ++i) {
        const Part side = figure.sides[std::size_t(i)];
        if (!side.result)
            parts.push_back({side.index, {TrianglePart(i), Typed(fields[1 + side.index]), row.plain[side.index]}});
        const std::array<Part, 3> &angle = figure.angles[std::size_t(i)];
        if (!angle[0].result) {
            const std::string value = Typed(fields[1 + angle[0].index]) + "° " + Typed(fields[1 + angle[1].index])
                                      + "′ " + Typed(fields[1 + angle[2].index]) + "″";
            parts.push_back({angle[0].index, {TrianglePart(3 + i), value}});
        }
    }
    std::ranges::sort(parts, {}, &std::pair<std::size_t, GivenPart>::first);
    std::vector<GivenPart> given;
    for (auto &[place, part] : parts)
        given.push_back(std::move(part));
    return given;
}

std::vector<GivenPart> GivenParts(const ResolverRow &row)
{
    std::vector<GivenPart> given;
    for (const std::string &field : row.parts) {
        // An answered row's parts read, so each one splits.
        const auto [part, value] = *SplitPart(field);
        if (IsSide(part))
            given.push_back({part, std::string(value), true});
        else if (ReadNumber(value))
            given.push_back({part, std::string(value) + "°"});
        else
            given.push_back({part, std::string(value)});
    }
    return given;
}

std::vector<GivenPart> GivenParts(const generator::Problem &problem)
{
    std::vector<GivenPart> given;
    for (const generator::GivenValue &part : problem.parts) {
        const bool side = IsSide(part.part);
        given.push_back({part.part, std::to_string(part.value) + (side ? "" : "°"), side});
    }
    return given;
}

std::string ProblemWords(std::span<const GivenPart> parts)
{
    std::string words = "Resuelve el triángulo con ";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            words += i + 1 == parts.size() ? " y " : ", ";
        words += PartLetter(parts[i].part);
        words += " = ";
        words += parts[i].value;
        if (parts[i].metres)
            words += " m";
    }
    return words;
}

void AppendProblemHeading(std::string &out, std::size_t number, std::string_view note)
{
    out += "<h2>Problema " + std::to_string(number);
    if (!note.empty()) {
        out += "<span class=\"nota\">";
        AppendEscaped(out, note);
        out += "</span>";
    }
    out += "</h2>\n";
}

void AppendVersionHeading(std::string &out, std::string_view label, bool newPage)
{
    out += newPage ? "<h2 class=\"version salto\">Versión " : "<h2 class=\"version\">Versión ";
    AppendEscaped(out, label);
    out += "</h2>\n";
}

} // namespace calc
