#include "cases.h"

#include "numeric.h"
#include "three_sides.h"
#include "two_angles_side.h"
#include "two_sides_angle.h"
#include "values.h"

#include <algorithm>

namespace calc {

namespace {

constexpr std::string_view kInputTitle = "Error en la introducción de datos";

template <std::size_t N>
constexpr std::size_t Width(const std::array<Key, N> &keys)
{
    std::size_t width = 0;
    for (const Key &key : keys)
        width += key.width;
    return width;
}

// Form2: sides a, b, c.
constexpr std::array<std::string_view, 3> kThreeSidesValues{"A", "B", "C"};
constexpr std::array<Check, 3> kThreeSidesChecks{{
    {0, "Teclee el valor del Lado ' a '"},
    {1, "Teclee el valor del Lado ' b '"},
    {2, "Teclee el valor del Lado ' c '"},
}};
constexpr std::array<Key, 8> kThreeSidesKeys{{
    {"A", 1}, {"B", 1}, {"C", 1}, {"A_gms", 3}, {"B_gms", 3}, {"C_gms", 3}, {"area", 1}, {"suma_angular", 1},
}};
constexpr std::array<std::string_view, 5> kThreeSidesLines{
    "Ángulo A = {0} grados = {3}° {4}′ {5}″",
    "Ángulo B = {1} grados = {6}° {7}′ {8}″",
    "Ángulo C = {2} grados = {9}° {10}′ {11}″",
    "Área = {12} m2",
    "Suma angular = {13} grados",
};

std::optional<Results> ThreeSides(const Values &v)
{
    const auto r = SolveThreeSides(v[0], v[1], v[2]);
    if (!r)
        return std::nullopt;
    return Results{r->angleA,       r->angleB,       r->angleC,       r->dmsA.degrees, r->dmsA.minutes,
                   r->dmsA.seconds, r->dmsB.degrees, r->dmsB.minutes, r->dmsB.seconds, r->dmsC.degrees,
                   r->dmsC.minutes, r->dmsC.seconds, r->area,         r->angleSum};
}

// Form4: angle A as degrees, minutes, seconds; angle B the same; side c.
constexpr std::array<std::string_view, 7> kTwoAnglesValues{"AG", "AM", "AS", "BG", "BM", "BS", "C"};
constexpr std::array<Check, 3> kTwoAnglesChecks{{
    {0, "Introduzca el valor del ángulo A"},
    {3, "Introduzca el valor del ángulo B"},
    {6, "Introduzca el valor del lado c"},
}};
constexpr std::array<Key, 5> kTwoAnglesKeys{{
    {"C_gms", 3}, {"a", 1}, {"b", 1}, {"area", 1}, {"perimetro", 1},
}};
constexpr std::array<std::string_view, 5> kTwoAnglesLines{
    "Ángulo C = {0}° {1}′ {2}″", "Lado a = {3} m", "Lado b = {4} m", "Superficie = {5} m2", "Perímetro = {6} m",
};

std::optional<Results> TwoAngles(const Values &v)
{
    const auto r = SolveTwoAnglesSide(v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
    if (!r)
        return std::nullopt;
    return Results{r->degreesC, r->minutesC, r->secondsC, r->a, r->b, r->area, r->perimeter};
}

// Form3: angle B as degrees, minutes, seconds; sides a and c.
constexpr std::array<std::string_view, 5> kTwoSidesValues{"BG", "BM", "BS", "A", "C"};
constexpr std::array<Check, 3> kTwoSidesChecks{{
    {0, "Teclee el valor del Ángulo ' B '"},
    {3, "Teclee el valor del Lado ' a '"},
    {4, "Teclee el valor del Lado ' c '"},
}};
constexpr std::array<Key, 5> kTwoSidesKeys{{
    {"A_gms", 3}, {"C_gms", 3}, {"b", 1}, {"area", 1}, {"perimetro", 1},
}};
constexpr std::array<std::string_view, 5> kTwoSidesLines{
    "Ángulo A = {0}° {1}′ {2}″", "Ángulo C = {3}° {4}′ {5}″", "Lado b = {6} m", "Superficie = {7} m2",
    "Perímetro = {8} m",
};

std::optional<Results> TwoSides(const Values &v)
{
    const auto r = SolveTwoSidesAngle(v[0], v[1], v[2], v[3], v[4]);
    if (!r)
        return std::nullopt;
    return Results{r->DA, r->MA, r->SA, r->DC, r->MC, r->SC, r->b4, r->area4, r->P4};
}

static_assert(Width(kThreeSidesKeys) <= kMaxResults && Width(kTwoAnglesKeys) <= kMaxResults &&
              Width(kTwoSidesKeys) <= kMaxResults);

// The parts of each figure, in the order of the values and of the results.
constexpr Part In(std::size_t index) { return {false, index}; }
constexpr Part Out(std::size_t index) { return {true, index}; }
constexpr FigureParts kThreeSidesFigure{{In(0), In(1), In(2)},
                                        {{{Out(3), Out(4), Out(5)}, {Out(6), Out(7), Out(8)}, {Out(9), Out(10), Out(11)}}}};
constexpr FigureParts kTwoAnglesFigure{{Out(3), Out(4), In(6)},
                                       {{{In(0), In(1), In(2)}, {In(3), In(4), In(5)}, {Out(0), Out(1), Out(2)}}}};
constexpr FigureParts kTwoSidesFigure{{In(3), Out(6), In(4)},
                                      {{{Out(0), Out(1), Out(2)}, {In(0), In(1), In(2)}, {Out(3), Out(4), Out(5)}}}};

const std::array<Case, 3> kCases{{
    {"tres-lados", "los lados a, b y c", kThreeSidesValues, kThreeSidesChecks, kInputTitle,
     "Error de datos...", kThreeSidesKeys, Width(kThreeSidesKeys), kThreeSidesLines, ThreeSides, kThreeSidesFigure},
    // The two-angles window titles its checks and its failure alike.
    {"dos-angulos", "el ángulo A en grados, minutos y segundos, el ángulo B igual, y el lado c",
     kTwoAnglesValues, kTwoAnglesChecks, "Error de datos ...", "Error de datos ...", kTwoAnglesKeys,
     Width(kTwoAnglesKeys), kTwoAnglesLines, TwoAngles, kTwoAnglesFigure},
    {"dos-lados", "el ángulo B en grados, minutos y segundos, y los lados a y c", kTwoSidesValues,
     kTwoSidesChecks, kInputTitle, "Error de datos...", kTwoSidesKeys, Width(kTwoSidesKeys),
     kTwoSidesLines, TwoSides, kTwoSidesFigure},
}};

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

} // namespace

std::span<const Case> Cases()
{
    return kCases;
}

std::string ValuesNeeded(const Case &kase)
{
    std::string text = "«" + std::string(kase.name) + "» lleva " + std::to_string(kase.values.size()) + " valores (";
    for (std::size_t i = 0; i < kase.values.size(); ++i) {
        text += i > 0 ? " " : "";
        text += kase.values[i];
    }
    return text + ")";
}

bool NamesCommand(std::string_view name, std::string_view command)
{
    return std::ranges::equal(TrimmedBlanks(name), command, [](char x, char y) { return Lower(x) == y; });
}

const Case *FindCase(std::string_view name)
{
    for (const Case &kase : kCases) {
        if (NamesCommand(name, kase.name))
            return &kase;
    }
    return nullptr;
}

Answer AnswerCase(const Case &kase, std::span<const std::string_view> values)
{
    Answer answer;
    for (const Check &check : kase.checks) {
        if (TextValue(values[check.value]) == 0) {
            answer.title = kase.inputTitle;
            answer.message = check.prompt;
            return answer;
        }
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        answer.values[i] = TextValue(values[i]);
    const std::optional<Results> results = kase.solve(answer.values);
    if (!results) {
        answer.title = kase.failureTitle;
        answer.message = kFailureMessage;
        return answer;
    }
    answer.solved = true;
    answer.results = *results;
    for (std::size_t i = 0; i < kase.results; ++i)
        answer.texts[i] = NumberText((*results)[i]);
    return answer;
}

} // namespace calc
