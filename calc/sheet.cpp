#include "sheet.h"

#include "answer_key.h"
#include "problem_sheet.h"

#include <optional>
#include <vector>

namespace calc {

WorksheetSummary AnswerSheet(ByteSource &in, const SheetOutputs &outputs, ByteSink &messages,
                             const SheetOptions &options)
{
    std::vector<AnswerWriter *> writers;
    std::optional<CsvAnswers> csv;
    std::optional<AnswerKey> key;
    std::optional<ProblemSheet> sheet;
    if (outputs.key)
        writers.push_back(&key.emplace(*outputs.key, options.title, options.decimals));
    if (outputs.problems)
        writers.push_back(&sheet.emplace(*outputs.problems, options.title));
    if (outputs.csv)
        writers.push_back(&csv.emplace(*outputs.csv, options.format, options.decimals));
    return ReadWorksheet(in, writers, messages, options.format);
}

} // namespace calc
