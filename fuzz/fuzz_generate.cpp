// sorvani-calc generar: any bytes as the texts of its options (--semilla,
// --casos, --versiones and the count, one a line). Each must read as the
// strict reading here says; a request that reads gives its sheet, which must
// follow the plan, keep every rule, hold no triangle twice in a version, come
// out the same for the same request, and be answered by --lote row by row with
// the case and count of triangles each problem promises.
#include "generate.h"
#include "generator.h"
#include "harness.h"
#include "worksheet.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <set>
#include <vector>

namespace {

// Digits alone, from low to high, read apart from ReadWhole.
std::optional<std::uint64_t> Whole(std::string_view text, std::uint64_t low, std::uint64_t high)
{
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (!fuzz::IsDigit(c) || value > (std::numeric_limits<std::uint64_t>::max() - unsigned(c - '0')) / 10)
            return std::nullopt;
        value = value * 10 + unsigned(c - '0');
    }
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

class Collect : public calc::ByteSink {
public:
    void Write(std::string_view) override {}
};

// What --lote makes of each row of the sheet.
class Answers : public calc::AnswerWriter {
public:
    void Write(const calc::CaseRow &) override { fuzz::Fail("a window's case in a generated sheet", ""); }
    void Write(const calc::ResolverRow &row) override { solved.push_back({row.solution.kase, row.solution.count}); }
    void Version(const calc::Record &, std::string_view label) override { labels.emplace_back(label); }
    std::vector<std::pair<TriangleCase, int>> solved;
    std::vector<std::string> labels;
};

using Key = std::array<long long, 3>;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto [seedText, casesText, versionsText, countText] = fuzz::SplitTexts<4>(data, size);
    const std::optional<std::uint64_t> seed = calc::ReadWhole(seedText, 0, std::numeric_limits<std::uint64_t>::max());
    const std::optional<std::uint64_t> versions = calc::ReadWhole(versionsText, 1, generator::kMaxVersions);
    const std::optional<std::uint64_t> count = calc::ReadWhole(countText, 1, generator::kMaxProblems);
    if (seed != Whole(seedText, 0, std::numeric_limits<std::uint64_t>::max())
        || versions != Whole(versionsText, 1, generator::kMaxVersions)
        || count != Whole(countText, 1, generator::kMaxProblems))
        fuzz::Fail("a whole number read otherwise", seedText);
    std::string problem;
    const std::optional<std::vector<TriangleCase>> cases = calc::ReadCaseList(casesText, problem);
    if (cases.has_value() == !problem.empty() || (cases && cases->size() != std::size_t(std::ranges::count(casesText, ',') + 1)))
        fuzz::Fail("a list of cases read otherwise", casesText);
    // Large sheets are the benchmark's; here many small ones.
    if (!seed || !versions || !count || !cases || *count * *versions > 120)
        return 0;

    const generator::Request request{*seed, int(*count), int(*versions), *cases};
    const generator::Sheet sheet = generator::Generate(request);
    if (!sheet.problem.empty() || sheet.versions.size() != *versions)
        fuzz::Fail("a sheet within the limits not made", sheet.problem);
    const std::vector<generator::Planned> plan = generator::Plan(*cases, int(*count));
    for (const std::vector<generator::Problem> &version : sheet.versions) {
        if (version.size() != *count)
            fuzz::Fail("a version of another length", casesText);
        std::vector<Key> keys;
        for (std::size_t i = 0; i < version.size(); ++i) {
            const generator::Problem &p = version[i];
            if (p.kase != plan[i].kase || p.kind != plan[i].kind || !generator::KeepsRules(p))
                fuzz::Fail("a problem off its plan or its rules", casesText);
            const TriangleSolution solution = SolveTriangle(generator::DataOf(p));
            for (int n = 0; n < solution.count; ++n) {
                std::array<double, 3> sides = solution.triangles[std::size_t(n)].sides;
                std::ranges::sort(sides);
                keys.push_back({std::llround(sides[0] * 1e6), std::llround(sides[1] * 1e6), std::llround(sides[2] * 1e6)});
            }
        }
        std::ranges::sort(keys);
        if (std::ranges::adjacent_find(keys) != keys.end())
            fuzz::Fail("a triangle twice in a version", casesText);
    }

    const calc::CsvFormat format = *seed % 2 ? calc::kInternationalCsv : calc::kSpanishCsv;
    const std::string text = calc::SheetText(sheet, format);
    if (calc::SheetText(generator::Generate(request), format) != text)
        fuzz::Fail("the same request gave another sheet", text);
    calc::TextSource source(text);
    Collect problems;
    Answers answers;
    calc::AnswerWriter *const writers[] = {&answers};
    const calc::WorksheetSummary summary = calc::ReadWorksheet(source, writers, problems, format);
    if (summary.bad != 0 || summary.warnings != 0 || answers.solved.size() != *count * *versions)
        fuzz::Fail("a generated row not answered plainly", text);
    if (answers.labels.size() != (*versions > 1 ? *versions : 0))
        fuzz::Fail("the versions' marks lost", text);
    for (std::size_t i = 0; i < answers.labels.size(); ++i) {
        if (answers.labels[i] != std::string(1, char('A' + i)))
            fuzz::Fail("a version's mark out of turn", answers.labels[i]);
    }
    for (std::size_t i = 0; i < answers.solved.size(); ++i) {
        const generator::Planned &planned = plan[i % *count];
        if (answers.solved[i] != std::pair{planned.kase, generator::Solutions(planned.kind)})
            fuzz::Fail("--lote answers a problem otherwise than promised", text);
    }
    return 0;
}
