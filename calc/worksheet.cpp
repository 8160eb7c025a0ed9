#include "worksheet.h"

#include "cases.h"
#include "output.h"

#include <algorithm>
#include <array>
#include <string>

namespace calc {

namespace {

// A field as a message quotes it: short, and with no control character that
// could upset a terminal.
std::string Shown(std::string_view field)
{
    constexpr std::size_t kLongest = 40;
    std::size_t end = std::min(field.size(), kLongest);
    while (end > 0 && end < field.size() && (static_cast<unsigned char>(field[end]) & 0xC0) == 0x80)
        --end; // not in the middle of a character
    std::string shown;
    for (const char c : field.substr(0, end))
        shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    if (end < field.size())
        shown += "…";
    return shown;
}

std::string ProblemText(RowProblem problem, const CsvLimits &limits)
{
    switch (problem) {
    case RowProblem::UnterminatedQuote:
        return "comillas sin cerrar";
    case RowProblem::RowTooLong:
        return "la fila pasa de " + std::to_string(limits.rowBytes) + " bytes";
    case RowProblem::TooManyFields:
        return "la fila tiene más de " + std::to_string(limits.fields) + " campos";
    case RowProblem::FieldTooLong:
        return "un campo pasa de " + std::to_string(limits.fieldBytes) + " bytes";
    case RowProblem::NulByte:
        return "la fila contiene un byte nulo";
    case RowProblem::NotUtf8:
        return "la fila no es texto UTF-8";
    case RowProblem::None:
        break;
    }
    return {};
}

std::string UnknownCase(std::string_view name)
{
    std::string text = "caso desconocido «" + Shown(name) + "» (los casos son ";
    const auto cases = Cases();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        text += cases[i].name;
        text += i + 2 < cases.size() ? ", " : i + 2 == cases.size() ? " y " : ")";
    }
    return text;
}

bool IsBlank(const Record &record)
{
    return std::ranges::all_of(record.fields, [](const std::string &field) { return field.empty(); });
}

} // namespace

WorksheetSummary AnswerWorksheet(ByteSource &in, ByteSink &out, ByteSink &problems, CsvLimits limits)
{
    WorksheetSummary summary;
    CsvReader reader(in, limits);
    Record record;
    std::string row; // reused for every output row and message
    out.Write(kWorksheetHeader);

    const auto report = [&](const std::string &what) {
        row = "sorvani-calc: fila " + std::to_string(record.row);
        if (record.line != record.row)
            row += " (línea " + std::to_string(record.line) + ")";
        row += ": " + what + "\n";
        problems.Write(row);
        ++summary.bad;
    };

    while (reader.Next(record)) {
        ++summary.rows;
        const std::vector<std::string> &fields = record.fields;
        // A comment is skipped whatever it holds.
        if (fields.front().starts_with('#')) {
            ++summary.skipped;
            continue;
        }
        if (record.problem != RowProblem::None) {
            report(ProblemText(record.problem, limits));
            continue;
        }
        if (IsBlank(record)) {
            ++summary.skipped;
            continue;
        }
        const Case *kase = FindCase(fields.front());
        if (!kase) {
            report(UnknownCase(fields.front()));
            continue;
        }
        // Empty fields after the last value are a spreadsheet's padding.
        const std::size_t count = kase->values.size();
        const std::size_t given = fields.size() - 1;
        const auto lastFilled = std::find_if(fields.rbegin(), fields.rend() - 1,
                                             [](const std::string &field) { return !field.empty(); });
        const std::size_t filled = std::size_t(fields.rend() - 1 - lastFilled);
        if (given < count || filled > count) {
            report(ValuesNeeded(*kase) + " y la fila trae " + std::to_string(given < count ? given : filled));
            continue;
        }

        std::array<std::string_view, kMaxValues> values;
        std::copy_n(fields.begin() + 1, count, values.begin());
        const Answer answer = AnswerCase(*kase, std::span(values.data(), count));

        row.clear();
        AppendCsvField(row, fields.front());
        for (std::size_t i = 0; i < count; ++i) {
            row += ';';
            AppendCsvField(row, values[i]);
        }
        if (answer.solved) {
            for (std::size_t i = 0; i < kase->results; ++i) {
                row += ';';
                AppendCsvField(row, answer.texts[i]);
            }
        } else {
            row += ';';
            AppendCsvField(row, answer.title);
            row += ';';
            AppendCsvField(row, answer.message);
        }
        row += '\n';
        out.Write(row);
        ++summary.answered;
    }
    return summary;
}

} // namespace calc
