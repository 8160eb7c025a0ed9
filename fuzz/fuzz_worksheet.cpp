// sorvani-calc --lote: any bytes as a worksheet, with ";" and decimal commas
// or with "," and decimal points. Every row must be answered, skipped, a
// version's mark (echoed) or reported; the answers must not depend on how the
// bytes arrive; and the answers must read back as a worksheet whose every row
// is the answer of its own case and values, each plain number written with the
// sheet's decimal mark, or of its resolver row's three parts. The answer key and the problem sheet
// of the same worksheet must hold one problem per answered row, and no "<" of
// the worksheet may reach them as a "<": the HTML's tags are the writer's own.
// The Moodle files hold one question per answered row not named as left out,
// and no "<" of the worksheet either, nor a "{" in GIFT.
#include "answer_key.h"
#include "cases.h"
#include "csv.h"
#include "harness.h"
#include "moodle.h"
#include "numeric.h"
#include "output.h"
#include "parts.h"
#include "problem_sheet.h"
#include "values.h"
#include "worksheet.h"

#include <algorithm>
#include <vector>

namespace {

// Hands the bytes out in pieces of at most piece bytes.
class Pieces : public calc::ByteSource {
public:
    Pieces(std::string_view bytes, std::size_t piece) : rest_(bytes), piece_(piece) {}
    std::size_t Read(char *buffer, std::size_t size) override
    {
        const std::size_t n = std::min({size, piece_, rest_.size()});
        std::memcpy(buffer, rest_.data(), n);
        rest_.remove_prefix(n);
        return n;
    }

private:
    std::string_view rest_;
    std::size_t piece_;
};

class Collect : public calc::ByteSink {
public:
    void Write(std::string_view bytes) override { text.append(bytes); }
    std::string text;
};

struct Outcome {
    std::string out;
    std::string problems;
    calc::WorksheetSummary summary;
};

Outcome Answer(std::string_view sheet, std::size_t piece, calc::CsvFormat format, calc::CsvLimits limits,
               int decimals)
{
    Pieces source(sheet, piece);
    Collect out, problems;
    const calc::WorksheetSummary summary = calc::AnswerWorksheet(source, out, problems, format, limits, decimals);
    return {std::move(out.text), std::move(problems.text), summary};
}

// The CSV answers, the answer key, the problem sheet and the Moodle files of
// one reading.
struct Reports {
    std::string csv, key, sheet, moodle, gift, leftOut;
    calc::WorksheetSummary summary;
};

Reports WriteReports(std::string_view sheet, calc::CsvFormat format, calc::CsvLimits limits, int decimals)
{
    Pieces source(sheet, sheet.size() + 1);
    Collect csv, key, problemSheet, problems, moodle, gift, leftOut;
    calc::CsvAnswers csvWriter(csv, format, decimals);
    calc::AnswerKey keyWriter(key, "<título>", decimals);
    calc::ProblemSheet sheetWriter(problemSheet, "<título>");
    calc::MoodleXml moodleWriter(moodle, "<título>", decimals / 2);
    calc::GiftQuestions giftWriter(gift, "<título>", decimals / 2);
    calc::QuizOmissions omissions(leftOut);
    calc::AnswerWriter *const writers[] = {&csvWriter, &keyWriter, &sheetWriter, &moodleWriter, &giftWriter, &omissions};
    const calc::WorksheetSummary summary = calc::ReadWorksheet(source, writers, problems, format, limits);
    return {std::move(csv.text), std::move(key.text), std::move(problemSheet.text), std::move(moodle.text),
            std::move(gift.text), std::move(leftOut.text), summary};
}

std::size_t Count(std::string_view text, std::string_view what)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != text.npos; at = text.find(what, at + what.size()))
        ++count;
    return count;
}

// Each problem one section; every "<" opens or closes a tag, the doctype or
// nothing else.
void CheckHtml(std::string_view html, std::size_t problems)
{
    if (!html.starts_with("<!DOCTYPE html>\n") || !html.ends_with("</html>\n"))
        fuzz::Fail("an HTML file not whole", html.substr(0, 40));
    if (Count(html, "<section class=\"problema\">") != problems || Count(html, "</section>") != problems)
        fuzz::Fail("problems and answered rows differ in number", html);
    for (std::size_t at = html.find('<'); at != html.npos; at = html.find('<', at + 1)) {
        std::string_view tag = html.substr(at + 1);
        if (tag.starts_with("!DOCTYPE html>"))
            continue;
        if (tag.starts_with('/'))
            tag.remove_prefix(1);
        std::size_t name = 0;
        while (name < tag.size() && ((tag[name] >= 'a' && tag[name] <= 'z') || (name > 0 && tag[name] >= '1' && tag[name] <= '6')))
            ++name;
        if (name == 0 || name == tag.size() || (tag[name] != ' ' && tag[name] != '>' && tag[name] != '/'))
            fuzz::Fail("a \"<\" that opens no tag of the writer", html.substr(at, 60));
    }
}

void CheckProblems(const Outcome &outcome)
{
    std::string_view rest = outcome.problems;
    std::size_t lines = 0;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        if (end == rest.npos)
            fuzz::Fail("a problem line without its line feed", rest);
        const std::string_view line = rest.substr(0, end);
        if (!line.starts_with("sorvani-calc: fila ") || !calc::IsUtf8(line))
            fuzz::Fail("a problem line that does not name its row", line);
        if (std::ranges::any_of(line, [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
            fuzz::Fail("a problem line with a control character", line);
        rest.remove_prefix(end + 1);
        ++lines;
    }
    if (lines != outcome.summary.bad + outcome.summary.warnings)
        fuzz::Fail("bad rows and warnings differ from the problem lines in number", outcome.problems);
}

std::string WithMark(std::string_view text, char from, char to)
{
    std::string marked(text);
    std::ranges::replace(marked, from, to);
    return marked;
}

// A resolver row's answer: its three parts as typed, then what solving them
// gives: the case, the count, each triangle's ten numbers, or no triangle.
void CheckResolverRow(const calc::Record &record, calc::CsvFormat format, int decimals)
{
    const std::vector<std::string> &fields = record.fields;
    if (fields.size() < 6)
        fuzz::Fail("a resolver answer row without its parts, case and count", fields.front());
    const std::vector<std::string_view> parts(fields.begin() + 1, fields.begin() + 4);
    std::string problem;
    const auto given = calc::ReadParts(parts, format.decimalMark == '.' ? DecimalMark::Point
                                                                        : DecimalMark::PointOrComma, problem);
    if (!given)
        fuzz::Fail("a resolver row answered whose parts do not read", problem);
    const TriangleSolution solution = SolveTriangle(*given, format.decimalMark);
    std::vector<std::string> expected{std::string(CaseCode(solution.kase)), std::to_string(solution.count)};
    if (solution.count == 0) {
        expected.push_back(std::string(calc::kNoSolutionTitle));
        expected.push_back(solution.reason);
    }
    for (int i = 0; i < solution.count; ++i) {
        const SolvedTriangle &t = solution.triangles[std::size_t(i)];
        for (const double x : {t.sides[0], t.sides[1], t.sides[2], t.angles[0], t.angles[1], t.angles[2], t.area,
                               t.perimeter, t.inradius, t.circumradius})
            expected.push_back(WithMark(DecimalText(x, decimals), '.', format.decimalMark));
    }
    if (!std::ranges::equal(expected, std::span(fields).subspan(4)))
        fuzz::Fail("a resolver answer row is not the answer of its parts", fields.front());
}

// The answers read as a worksheet: the header, then per row its case, its
// values and what answering those values again gives.
void CheckAnswersReadBack(const Outcome &outcome, calc::CsvFormat format, int decimals)
{
    const char separator = format.separator;
    const char mark = format.decimalMark;
    Pieces source(outcome.out, outcome.out.size() + 1);
    calc::CsvReader reader(source, separator);
    calc::Record record;
    if (!reader.Next(record) || record.fields != std::vector<std::string>{"caso", "valores", "resultados"})
        fuzz::Fail("the answers do not start with the header", outcome.out);
    std::size_t rows = 0;
    std::size_t warnings = 0;
    std::size_t versions = 0;
    while (reader.Next(record)) {
        if (record.problem != calc::RowProblem::None)
            fuzz::Fail("an answer row does not read back", outcome.out);
        // A version's mark, echoed: the name and its label, nothing more.
        if (calc::NamesCommand(record.fields.front(), calc::kVersionName)) {
            if (record.fields.size() != 2 || record.fields[1].empty())
                fuzz::Fail("a version's mark not echoed as it was", outcome.out);
            ++versions;
            continue;
        }
        ++rows;
        if (calc::NamesCommand(record.fields.front(), calc::kResolverName)) {
            CheckResolverRow(record, format, decimals);
            continue;
        }
        const calc::Case *kase = calc::FindCase(record.fields.front());
        const std::size_t count = kase ? kase->values.size() : 0;
        if (!kase || record.fields.size() < 1 + count)
            fuzz::Fail("an answer row without its case and values", record.fields.front());
        std::vector<std::string> read;
        for (std::size_t i = 1; i <= count; ++i) {
            const std::string &value = record.fields[i];
            read.push_back(WithMark(value, mark, '.'));
            const bool plain = IsPlainNumber(read.back());
            if (plain && mark != '.' && value.find('.') != value.npos)
                fuzz::Fail("a plain number written back with a decimal point", value);
            warnings += !plain && !value.empty();
        }
        const calc::Answer answer = calc::AnswerCase(*kase, std::vector<std::string_view>(read.begin(), read.end()));
        std::vector<std::string> expected;
        if (answer.solved) {
            for (std::size_t i = 0; i < kase->results; ++i)
                expected.push_back(WithMark(answer.texts[i], '.', mark));
        } else {
            expected = {std::string(answer.title), std::string(answer.message)};
        }
        if (!std::ranges::equal(expected, std::span(record.fields).subspan(1 + count)))
            fuzz::Fail("an answer row is not the answer of its values", outcome.out);

        if (answer.solved) {
            const std::string text = calc::TextAnswer(*kase, answer);
            for (std::size_t i = 0; i < kase->results; ++i) {
                if (text.find(answer.texts[i]) == text.npos)
                    fuzz::Fail("a result missing from the text output", text);
            }
        }
    }
    if (rows != outcome.summary.answered)
        fuzz::Fail("answered rows and answer rows differ in number", outcome.out);
    if (versions != outcome.summary.versions)
        fuzz::Fail("version marks and echoed marks differ in number", outcome.out);
    if (warnings != outcome.summary.warnings)
        fuzz::Fail("warnings and values that are not plain numbers differ in number", outcome.out);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the limits, how the bytes arrive, the form of the
    // worksheet and the decimals of resolver rows: small limits let short
    // inputs reach every refusal.
    const bool small = (data[0] & 1) != 0;
    const calc::CsvLimits limits = small ? calc::CsvLimits{10, 24, 160} : calc::CsvLimits{};
    const std::size_t piece = 1 + (data[0] >> 1) % 8;
    const calc::CsvFormat format = (data[0] & 0x10) != 0 ? calc::kInternationalCsv : calc::kSpanishCsv;
    const int decimals = 2 * (data[0] >> 5);
    const std::string_view sheet(reinterpret_cast<const char *>(data) + 1, size - 1);

    const Outcome whole = Answer(sheet, sheet.size() + 1, format, limits, decimals);
    const Outcome pieces = Answer(sheet, piece, format, limits, decimals);
    if (whole.out != pieces.out || whole.problems != pieces.problems)
        fuzz::Fail("the answers depend on how the bytes arrive", sheet);

    const calc::WorksheetSummary &summary = whole.summary;
    if (summary.rows != summary.answered + summary.skipped + summary.bad + summary.versions)
        fuzz::Fail("a row neither answered, skipped nor reported", sheet);
    CheckProblems(whole);
    CheckAnswersReadBack(whole, format, decimals);

    // The HTML files of the same worksheet, and of it with every "<" made a
    // "{", which reads the same: a "<" of the worksheet shown raw would make
    // more of them.
    const Reports reports = WriteReports(sheet, format, limits, decimals);
    if (reports.csv != whole.out)
        fuzz::Fail("the answers change when the HTML files are written too", sheet);
    CheckHtml(reports.key, summary.answered);
    CheckHtml(reports.sheet, summary.answered);
    if (Count(reports.moodle, "<question type=\"cloze\">") + Count(reports.leftOut, "\n") != summary.answered)
        fuzz::Fail("Moodle questions and rows left out are not the answered rows", sheet);
    std::string braces(sheet);
    std::ranges::replace(braces, '<', '{');
    const Reports plain = WriteReports(braces, format, limits, decimals);
    if (Count(reports.key, "<") != Count(plain.key, "<") || Count(reports.sheet, "<") != Count(plain.sheet, "<")
        || Count(reports.moodle, "<") != Count(plain.moodle, "<"))
        fuzz::Fail("a \"<\" of the worksheet reaches the HTML or the Moodle XML unescaped", sheet);
    // In GIFT every "{" escaped but the one that opens each question's answers.
    if (Count(plain.gift, "{") - Count(plain.gift, "\\{") != Count(plain.gift, "\n}\n"))
        fuzz::Fail("a \"{\" of the worksheet opens answers in GIFT", braces);
    return 0;
}
