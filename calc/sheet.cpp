#include "sheet.h"

#include "answer_key.h"
#include "moodle.h"
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
    std::optional<MoodleXml> moodle;
    std::optional<GiftQuestions> gift;
    std::optional<QuizOmissions> omissions;
    const std::string_view quizTitle = options.titled ? options.title : std::string_view();
    if (outputs.moodle)
        writers.push_back(&moodle.emplace(*outputs.moodle, quizTitle, options.quizDecimals));
    if (outputs.gift)
        writers.push_back(&gift.emplace(*outputs.gift, quizTitle, options.quizDecimals));
    // Once for both files.
    if (outputs.moodle || outputs.gift || outputs.quizRows)
        writers.push_back(&omissions.emplace(messages));
    return ReadWorksheet(in, writers, messages, options.format);
}

} // namespace calc
