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

// The sketch of a problem: the shape of its triangle (the first of two) with
// the given parts labelled as typed and the others "?"; nothing when there is
// no triangle to draw, as a problem with none is shown without one.
std::optional<std::string> ProblemSketch(std::optional<Figure> figure, std::span<const GivenPart> given);
std::optional<std::string> ProblemSketch(const TriangleSolution &solution, std::span<const GivenPart> given);

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
    void Problem(const std::vector<GivenPart> &given, const std::optional<std::string> &svg, bool several);

    ByteSink &out_;
    std::string title_;
    std::size_t problems_ = 0; // of this version
    bool begun_ = false;       // a problem or a version written
    std::string html_; // the problem being written, reused
};

} // namespace calc
