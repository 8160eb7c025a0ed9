#pragma once
// The given parts of `sorvani-calc resolver` and of a worksheet's resolver
// row: three fields "PARTE=VALOR", read strictly.

#include "general.h"
#include "values.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace calc {

// One field "PARTE=VALOR": the part its letter names and its value, blanks
// around each dropped. Nothing when it is not a letter of a part, "=" and a
// value.
struct PartField {
    TrianglePart part;
    std::string_view value;
};
std::optional<PartField> SplitPart(std::string_view field);

// The parts, each named once by its letter (a, b, c sides, A, B, C angles,
// capitals meaning angles), exactly three; sides read by ReadNumber, angles by
// ReadAngle. Nothing when a field is wrong, and `problem` then says which and
// why in a short Spanish phrase.
std::optional<TriangleData> ReadParts(std::span<const std::string_view> fields, DecimalMark mark,
                                      std::string &problem);

} // namespace calc
