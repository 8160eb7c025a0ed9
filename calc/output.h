#pragma once
// How an answer is written: Spanish lines for a person, a JSON object for a
// script, CSV fields for a worksheet.

#include "cases.h"

#include <string>
#include <string_view>

namespace calc {

// {"A":"36.8699",...,"A_gms":["36","52","11.64"],...} for a solved case,
// {"error":{"titulo":...,"mensaje":...}} otherwise; no line feed at the end.
std::string JsonAnswer(const Case &kase, const Answer &answer);

// The case's lines with the result texts put in, each ending in a line feed.
std::string TextAnswer(const Case &kase, const Answer &answer);

// One CSV field; quoted, with quotes doubled, when it holds the separator, a
// quote or a line break.
void AppendCsvField(std::string &out, std::string_view field, char separator);

// A number's text (NumberText, or a value that IsPlainNumber, values.h) as a CSV field
// with decimalMark in place of its ".", so that a spreadsheet reads it as
// that number.
void AppendCsvNumber(std::string &out, std::string_view text, char decimalMark);

} // namespace calc
