#include "generate.h"

#include "output.h"
#include "resolver.h"
#include "worksheet.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace calc {

namespace {

constexpr TriangleCase kGenerated[] = {TriangleCase::LLL, TriangleCase::LAL, TriangleCase::ALA, TriangleCase::LAA,
                                       TriangleCase::LLA};

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

} // namespace

std::optional<std::vector<TriangleCase>> ReadCaseList(std::string_view text, std::string &problem)
{
    std::vector<TriangleCase> cases;
    for (;;) {
        const std::size_t comma = text.find(',');
        const std::string_view name = text.substr(0, comma);
        const auto known = std::ranges::find_if(kGenerated, [&](TriangleCase kase) {
            return std::ranges::equal(name, CaseCode(kase), [](char x, char y) { return Upper(x) == y; });
        });
        if (known == std::end(kGenerated)) {
            problem = (name.empty() ? std::string("un caso vacío") : "caso desconocido «" + std::string(name) + "»")
                      + " en --casos (los casos son LLL, LAL, ALA, LAA y LLA, separados por comas)";
            return std::nullopt;
        }
        cases.push_back(*known);
        if (comma == text.npos)
            return cases;
        text.remove_prefix(comma + 1);
    }
}

std::optional<std::uint64_t> ReadWhole(std::string_view text, std::uint64_t low, std::uint64_t high)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.front() == '+' || error != std::errc() || end != text.data() + text.size()
        || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<std::uint64_t> ReadSeed(std::string_view text, std::string &problem)
{
    const std::optional<std::uint64_t> seed = ReadWhole(text, 0, std::numeric_limits<std::uint64_t>::max());
    if (!seed)
        problem = "--semilla va de 0 a 18446744073709551615, no «" + std::string(text) + "»";
    return seed;
}

std::optional<int> ReadVersions(std::string_view text, std::string &problem)
{
    const std::optional<std::uint64_t> versions = ReadWhole(text, 1, generator::kMaxVersions);
    if (!versions) {
        problem = "--versiones va de 1 a " + std::to_string(generator::kMaxVersions) + ", no «" + std::string(text)
                  + "»";
        return std::nullopt;
    }
    return int(*versions);
}

std::optional<int> ReadCount(std::string_view text, std::string &problem)
{
    const std::optional<std::uint64_t> count = ReadWhole(text, 1, generator::kMaxProblems);
    if (!count) {
        problem = "la cantidad de problemas va de 1 a " + std::to_string(generator::kMaxProblems) + ", no «"
                  + std::string(text) + "»";
        return std::nullopt;
    }
    return int(*count);
}

std::string SheetText(const generator::Sheet &sheet, CsvFormat format)
{
    std::string text;
    const char separator = format.separator;
    for (std::size_t version = 0; version < sheet.versions.size(); ++version) {
        if (sheet.versions.size() > 1) {
            AppendCsvField(text, kVersionName, separator);
            text += separator;
            text += char('A' + version);
            text += '\n';
        }
        for (const generator::Problem &problem : sheet.versions[version]) {
            text += kResolverName;
            for (const generator::GivenValue &given : problem.parts) {
                text += separator;
                text += PartLetter(given.part);
                text += '=';
                text += std::to_string(given.value);
            }
            text += '\n';
        }
    }
    return text;
}

std::optional<std::string> GenerateText(const generator::Request &request, CsvFormat format, std::string &problem)
{
    const generator::Sheet sheet = generator::Generate(request);
    if (!sheet.problem.empty()) {
        problem = sheet.problem;
        return std::nullopt;
    }
    return SheetText(sheet, format);
}

} // namespace calc
