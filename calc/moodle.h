#pragma once
// A worksheet as questions that Moodle imports into its question bank and
// marks by itself. --moodle writes each problem as one Cloze question of
// Moodle XML: the statement, the problem sheet's sketch, a numerical blank per
// unknown part and for the area, the practice mode's diagnoses as feedback on
// the wrong values they give, and the working as general feedback. --gift
// writes each of those blanks as a numerical question of its own, since GIFT
// has no Cloze. Numbers always with a point: a Moodle site in English reads
// "13,56" as 1356.

#include "worksheet.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace calc {

// The decimals asked of a student when --decimales is not given.
inline constexpr int kQuizDecimals = 2;

struct QuizProblem; // an answered row as a problem to mark (moodle.cpp)

// What both files share: a category question before the problems
// ("$course$/top/Sorvani", or the title; a level "Versión A" for each
// version), problems numbered as the problem sheet numbers them, and no
// question for a row without a triangle to find (QuizOmissions says so).
class QuizWriter : public AnswerWriter {
public:
    void Write(const CaseRow &row) override;
    void Write(const ResolverRow &row) override;
    void Version(const Record &record, std::string_view label) override;

protected:
    // An empty title: none was given.
    QuizWriter(ByteSink &out, std::string_view title, int decimals);
    virtual void Category(const std::string &path) = 0;
    // `name`: "Problema 3", "A · Problema 3"; `number`: 3.
    virtual void Question(const QuizProblem &problem, const std::string &name, std::size_t number) = 0;

    ByteSink &out_;
    std::string title_;
    int decimals_;

private:
    void Add(const QuizProblem *problem);

    std::string label_;        // of the version, plain text; empty before the first
    std::size_t problems_ = 0; // of this version, answered rows all counted
    bool category_ = false;    // a category question written for what follows
};

class MoodleXml : public QuizWriter {
public:
    MoodleXml(ByteSink &out, std::string_view title, int decimals);
    void Start() override;
    void End() override;

private:
    void Category(const std::string &path) override;
    void Question(const QuizProblem &problem, const std::string &name, std::size_t number) override;
};

class GiftQuestions : public QuizWriter {
public:
    GiftQuestions(ByteSink &out, std::string_view title, int decimals);

private:
    void Category(const std::string &path) override;
    void Question(const QuizProblem &problem, const std::string &name, std::size_t number) override;
};

// One line on `messages` ("sorvani-calc: fila 7: …") for every answered row
// that makes no question: refused, failed, or without a triangle outside LLA.
class QuizOmissions : public AnswerWriter {
public:
    explicit QuizOmissions(ByteSink &messages) : messages_(messages) {}
    void Write(const CaseRow &row) override;
    void Write(const ResolverRow &row) override;
    void Version(const Record &, std::string_view) override {}

private:
    ByteSink &messages_;
};

} // namespace calc
