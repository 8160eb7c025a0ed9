#pragma once
// The practice mode: Sorvani sets the problems of `generar`, the student
// answers each part, and Sorvani marks every answer, names a known mistake,
// gives the working step by step and keeps the score. The web page and the
// desktop window both show this view and keep its store; every rule is here,
// without Qt, so that the two behave alike.

#include "general.h"
#include "generator.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

inline constexpr int kPracticeMaxProblems = 100;
inline constexpr int kPracticeMaxDecimals = 4;
// Two sets of answers (LLA may have two triangles), each the three unknown
// parts and the area.
inline constexpr int kPracticeBoxes = 8;
// The cases in the order the choices show them.
inline constexpr std::array<TriangleCase, 5> kPracticeCases = {TriangleCase::LLL, TriangleCase::LAL, TriangleCase::ALA,
                                                              TriangleCase::LAA, TriangleCase::LLA};

// A set: exactly the problems of `sorvani-calc --semilla S --casos LISTA
// generar N`, asked and worked with `decimals` places.
struct PracticeSet {
    std::uint64_t seed = 0;
    std::vector<TriangleCase> cases{kPracticeCases.begin(), kPracticeCases.end()};
    int problems = 10;
    int decimals = 2;
};

// "semilla=2026&casos=LLL,LLA&problemas=10&decimales=2": the set as the page's
// address (after its "#") carries it.
std::string PracticeAddress(const PracticeSet &set);

// An address as a link brings it, "#" or not, its values percent-encoded or
// not. A value that does not read, or is missing, takes its default; without
// a seed, `drawnSeed`. Nothing when the address names no choice at all.
std::optional<PracticeSet> ReadPracticeAddress(std::string_view address, std::uint64_t drawnSeed);

// What the student asks for in the choices of "Nueva práctica", as typed.
struct PracticeChoices {
    std::array<bool, 5> cases{true, true, true, true, true}; // kPracticeCases
    std::string problems = "10";
    std::string decimals = "2";
    std::string seed; // empty: drawn
};

// One answer box, as shown.
struct PracticeBox {
    std::string name;   // "Lado b", "Ángulo B (2)", "Área"
    std::string text;   // as typed
    bool angle = false; // read in degrees, also as degrees, minutes and seconds
    bool shown = false;
    std::string mark;   // "", "Correcto", "Incorrecto: …", "No se puede leer", "Sin respuesta"
    bool invalid = false; // marked wrong or unreadable
};

struct PracticeHint {
    std::string title; // "Solución 2" over the second triangle's steps, else empty
    std::string text;  // the step as the working writes it
};

struct PracticeRow {
    int number;
    std::string kase;   // "LLA"
    std::string result; // "a la primera", "corregido", "sin resolver"
};

// Everything the page or the window shows.
struct PracticeView {
    std::string address;
    std::string message; // the kept practice could not be read, or a choice does not read
    PracticeChoices choices; // the current set's, seed written out
    std::string progress;    // "Racha: 2 · A la primera: 3 de 10"
    bool summary = false;    // the summary instead of a problem

    // The problem.
    int number = 0, total = 0;
    std::string heading; // "Problema 3 de 10"
    std::string kase;
    std::vector<std::string> data; // "a = 7", "A = 30°" in the row's order
    std::string sketch;            // SVG: the shape, the data labelled, "?" for the rest; none without a triangle
    std::string sketchDescription;
    bool asksCount = false; // LLA: "¿Cuántos triángulos?"
    int count = -1;         // chosen: -1 none, 0, 1, 2
    std::string countMark;
    bool countInvalid = false;
    std::vector<PracticeBox> boxes; // kPracticeBoxes: the first set, then the second
    std::string correction;         // "N de M correctas", from "Comprobar" on
    std::vector<PracticeHint> hints;
    bool moreHints = false;
    std::string solution; // once asked for

    // The summary.
    std::vector<PracticeRow> rows;
    std::string totals;
    std::string copy; // the summary as text, with the set's link
};

// The practice over a store: the text the page or the window keeps between
// visits (every set practised, the last first), which it hands in as it was
// handed out. One object lives while the page or window is open.
class Practice {
public:
    // `address` opens that set where the student left it (at its first
    // problem the first time); one that names no choice, a set of the
    // defaults: the last such set practised, or a new one. `drawnSeed` serves
    // a set without a seed; `link` is the page's address before the "#", for
    // the summary's copy, or a command ending in a space ("sorvani
    // --practicar "), which the address follows in quotes.
    Practice(std::string_view store, std::string_view address, std::uint64_t drawnSeed, std::string link);

    // The address of the set practised last in a store; empty when there is
    // none or the store does not read. A window reopened without one goes on
    // there, as a student who closed it expects.
    static std::string LastAddress(std::string_view store);

    void Type(int box, std::string_view text);
    void Choose(int count); // 0, 1 or 2 triangles
    void Check();
    void Hint();
    void ShowSolution();
    void Next();
    // A new set of these choices; false, with the reason as the message, when
    // one does not read.
    bool Start(const PracticeChoices &choices, std::uint64_t drawnSeed);

    PracticeView View() const;
    std::string Address() const;
    std::string Store() const;
    // A store that could not be read, to be kept apart rather than lost;
    // empty when it read.
    const std::string &SetAside() const { return setAside_; }

private:
    Practice() = default;
    // A problem's answers as typed, those of the last check, and how the
    // student got on.
    struct ProblemState {
        std::array<std::string, kPracticeBoxes> answers;
        int count = -1; // chosen: -1 none, 0, 1, 2
        bool checked = false;
        std::array<std::string, kPracticeBoxes> checkedAnswers;
        int checkedCount = -1;
        int attempts = 0;
        int hints = 0;
        bool solutionShown = false;
        bool firstTry = false; // the first check found all right, with no help before it
        bool solved = false;   // a check found all right before the solution was shown
    };
    struct SetState {
        PracticeSet set;
        int current = 0; // == problems: the summary
        int streak = 0;
        std::vector<ProblemState> problems;
    };

    SetState &Current() { return sets_.front(); }
    const SetState &Current() const { return sets_.front(); }
    bool Read(std::string_view store);
    // Makes `set` the current one, as kept or, when `fresh`, from its start.
    void Open(PracticeSet set, bool fresh);
    void Load(); // the current problem's solution and hints
    bool InProblem() const { return Current().current < Current().set.problems; }
    ProblemState &State() { return Current().problems[std::size_t(Current().current)]; }
    const ProblemState &State() const { return Current().problems[std::size_t(Current().current)]; }
    // Asked before the first check: the problem can no longer be right at the first try.
    void Helped();

    std::vector<SetState> sets_; // the current first
    std::vector<generator::Problem> problems_; // of the current set
    TriangleSolution solution_;                // of the current problem
    std::vector<PracticeHint> hints_;          // all of them
    std::string message_;
    std::string setAside_;
    std::string link_;
};

// The view as the web page takes it: one JSON object.
std::string PracticeViewJson(const PracticeView &view);

} // namespace calc
