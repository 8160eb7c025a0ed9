// The reader of kept practices (calc::ReadJson) against nlohmann's own
// parser, which it stands in for in the web module: any bytes give the same
// value, or are refused by both. With more brackets than the reader's depth
// it may refuse what nlohmann reads, and it refuses a NUL byte, which is
// nowhere JSON but which nlohmann takes for the end of its input.
#include "harness.h"

#include "json_read.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const calc::Json ours = calc::ReadJson(text);
    const calc::Json theirs = calc::Json::parse(text, nullptr, false);
    const bool deep = std::ranges::count(text, '[') + std::ranges::count(text, '{') > calc::kJsonReadDepth;
    if (text.find('\0') != text.npos ? !ours.is_discarded()
                                     : ours.is_discarded() ? !deep && !theirs.is_discarded() : theirs.is_discarded())
        fuzz::Fail(ours.is_discarded() ? "refused what nlohmann reads" : "read what nlohmann refuses", text);
    // The same types and values: whole numbers within 64 bits stay whole.
    const auto dump = [](const calc::Json &json) { return json.dump(-1, ' ', false, calc::Json::error_handler_t::replace); };
    if (!ours.is_discarded() && dump(ours) != dump(theirs))
        fuzz::Fail("read otherwise than nlohmann", text);
    return 0;
}
