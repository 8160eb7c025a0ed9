#pragma once
// The problem sheet a teacher hands out (`--enunciado`): one HTML page with
// every problem of the worksheet in words, a sketch of its shape with the
// given parts labelled and the others marked "?", and room to work.

#include "figure.h"
#include "html.h"
#include "worksheet.h"

#include <optional>
#include <vector>

#include <string>
#include <string_view>

namespace calc {

class ProblemSheet : public AnswerWriter {
public:
    // A resolver row with two triangles is sketched from the first.
    ProblemSheet(ByteSink &out, std::string_view title);
    void Start() override;
    void Write(const CaseRow &row) override;
    void Write(const ResolverRow &row) override;
    void Version(const Record &record, std::string_view label) override;
    void End() override;

private:
    void Problem(const std::vector<GivenPart> &given, std::optional<Figure> figure, bool several);

    ByteSink &out_;
    std::string title_;
    std::size_t problems_ = 0; // of this version
    bool begun_ = false;       // a problem or a version written
    std::string html_; // the problem being written, reused
};

} // namespace calc
