#pragma once
// The three cases of sorvani-calc as data: what a person types into each
// window's input frame, the window's checks with their messages, and the
// results in the order of their JSON keys. Everything else in calc/ reads
// this table, so a case is one entry and not code of its own.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace calc {

inline constexpr std::size_t kMaxValues = 7;
inline constexpr std::size_t kMaxResults = 14;

using Values = std::array<double, kMaxValues>;
using Results = std::array<double, kMaxResults>;

// A value that reads as 0 stops the calculation with this prompt.
struct Check {
    std::size_t value;
    std::string_view prompt;
};

// One JSON key: one result text, or three (degrees, minutes, seconds).
struct Key {
    std::string_view name;
    std::size_t width;
};

// Where a part of the figure comes from: a value as typed, or a result.
struct Part {
    bool result;
    std::size_t index;
};

// The solved triangle's parts: sides a, b, c, and angles A, B, C as degrees,
// minutes and seconds.
struct FigureParts {
    std::array<Part, 3> sides;
    std::array<std::array<Part, 3>, 3> angles;
};

struct Case {
    std::string_view name;
    std::string_view description;            // for --help
    std::span<const std::string_view> values; // in the window's reading order
    std::span<const Check> checks;           // in the window's order
    std::string_view inputTitle;              // title of the check messages
    std::string_view failureTitle;            // title of the calculation-failure message
    std::span<const Key> keys;
    std::size_t results;                      // result texts: the keys' widths added up
    std::span<const std::string_view> lines;  // text output; "{n}" is result text n
    std::optional<Results> (*solve)(const Values &);
    FigureParts figure;                       // for --svg
};

// The four-line message every window shows when the calculation cannot be done.
inline constexpr std::string_view kFailureMessage = " ERROR DE CÁLCULO \n"
                                                    "Se han introducido valores con los cuales\n"
                                                    "resulta imposible realizar el cálculo...\n"
                                                    "Inténtelo de nuevo!";

std::span<const Case> Cases();

// "«tres-lados» lleva 3 valores (A B C)", for a wrong number of values.
std::string ValuesNeeded(const Case &kase);

// Whether `name` is the command `command`; blanks around it and capitals are
// allowed, since a spreadsheet may well write "Tres-lados".
bool NamesCommand(std::string_view name, std::string_view command);

// The case of that name, as NamesCommand reads it.
const Case *FindCase(std::string_view name);

// What a window shows after "Calcular": every result text, or one message.
struct Answer {
    bool solved = false;
    Values values{};                            // as read, when the checks passed
    Results results{};                          // when solved, in key order
    std::array<std::string, kMaxResults> texts; // NumberText of each result
    std::string_view title;                     // when not solved
    std::string_view message;
};

// Reads each value as the window reads its box (TextValue), runs the window's
// checks and its solution. values.size() must be kase.values.size().
Answer AnswerCase(const Case &kase, std::span<const std::string_view> values);

} // namespace calc
