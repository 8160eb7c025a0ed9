#include "parts.h"

#include <string>

namespace calc {

namespace {

constexpr std::string_view kLetters = "abcABC";

std::string Quoted(std::string_view field) { return "«" + std::string(field) + "»"; }

} // namespace

std::optional<PartField> SplitPart(std::string_view field)
{
    const std::size_t equals = field.find('=');
    const std::string_view letter = TrimmedBlanks(field.substr(0, equals));
    const std::size_t index = letter.size() == 1 ? kLetters.find(letter.front()) : kLetters.npos;
    if (equals == field.npos || index == kLetters.npos)
        return std::nullopt;
    return PartField{TrianglePart(index), TrimmedBlanks(field.substr(equals + 1))};
}

std::optional<TriangleData> ReadParts(std::span<const std::string_view> fields, DecimalMark mark,
                                      std::string &problem)
{
    if (fields.size() != 3) {
        problem = "hacen falta tres partes (PARTE=VALOR) y se dieron " + std::to_string(fields.size());
        return std::nullopt;
    }
    TriangleData data;
    for (const std::string_view field : fields) {
        const std::optional<PartField> split = SplitPart(field);
        if (!split) {
            problem = Quoted(field) + " no es PARTE=VALOR con PARTE una de a, b, c, A, B, C";
            return std::nullopt;
        }
        const auto [part, value] = *split;
        const auto index = std::size_t(part);
        if (data[index]) {
            problem = Quoted(field) + ": la parte " + std::string(PartLetter(part)) + " se da más de una vez";
            return std::nullopt;
        }
        data[index] = IsSide(part) ? ReadNumber(value, mark) : ReadAngle(value, mark);
        if (!data[index]) {
            problem = Quoted(field) + ": " + Quoted(value) + " no se lee como "
                      + (IsSide(part) ? "un número" : "un ángulo (grados decimales o grados, minutos y segundos)");
            // "a=45°30′" is a likely slip of the letter's case.
            if (IsSide(part) && ReadAngle(value, mark))
                problem += " (un lado no lleva grados, minutos ni segundos)";
            return std::nullopt;
        }
    }
    return data;
}

} // namespace calc
