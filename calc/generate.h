#pragma once
// sorvani-calc generar: the options that shape a generated sheet, read
// strictly, and the sheet written as a worksheet of resolver rows that
// --lote reads back.

#include "csv.h"
#include "generator.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

inline constexpr std::string_view kGenerateName = "generar";

// "LLL,LAA,LLA" (capitals or not): the cases in turn, a case named twice
// coming twice as often. Nothing, and `problem` says why, for an empty or
// unknown one.
std::optional<std::vector<TriangleCase>> ReadCaseList(std::string_view text, std::string &problem);

// Digits only, from `low` to `high`; nothing for anything else.
std::optional<std::uint64_t> ReadWhole(std::string_view text, std::uint64_t low, std::uint64_t high);

// --semilla, --versiones and the count after generar, read as the command
// reads them: nothing, and `problem` is the Spanish message, for a wrong one.
std::optional<std::uint64_t> ReadSeed(std::string_view text, std::string &problem);
std::optional<int> ReadVersions(std::string_view text, std::string &problem);
std::optional<int> ReadCount(std::string_view text, std::string &problem);

// Each problem a row "resolver;b=7;A=30;c=10" with the format's separator;
// with more than one version, each one after its mark "versión;A".
std::string SheetText(const generator::Sheet &sheet, CsvFormat format);

// The sheet of `request` as its rows; nothing, and `problem` says why, when
// it cannot be made.
std::optional<std::string> GenerateText(const generator::Request &request, CsvFormat format, std::string &problem);

} // namespace calc
