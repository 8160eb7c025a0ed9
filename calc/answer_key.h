#pragma once
// The answer key a teacher prints (`--informe`): one HTML page with every
// problem of the worksheet, its data, its figure to scale with every part
// labelled, its results and, for resolver rows, the working step by step.

#include "worksheet.h"

#include <string>
#include <string_view>

namespace calc {

class AnswerKey : public AnswerWriter {
public:
    // Resolver rows give their numbers with `decimals` places.
    AnswerKey(ByteSink &out, std::string_view title, int decimals);
    void Start() override;
    void Write(const CaseRow &row) override;
    void Write(const ResolverRow &row) override;
    void Version(const Record &record, std::string_view label) override;
    void End() override;

private:
    void Begin(const Record &record, const std::string &words);
    void Finish();

    ByteSink &out_;
    std::string title_;
    int decimals_;
    std::size_t problems_ = 0; // of this version
    bool begun_ = false;       // a problem or a version written
    std::string html_; // the problem being written, reused
};

} // namespace calc
