// The view of the window for any triangle, as the web page asks for it: six
// boxes of any bytes. It must never crash; its JSON must parse; a datum box
// keeps its text, a readable one is marked so, and a shown triangle comes
// with its figure, working and copied text.
//
// The first byte gives the decimals (low nibble, up to 10), decimal degrees
// (bit 4) and the second triangle (bit 5); line feeds part the boxes.
#include "harness.h"

#include "csv.h"
#include "resolver_view.h"

#include <nlohmann/json.hpp>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const calc::ResolverDisplay display{data[0] % 16 % 11, data[0] & 16 ? AngleStyle::Decimal : AngleStyle::Dms,
                                        data[0] & 32 ? 1 : 0};
    const auto boxes = fuzz::SplitTexts<kTriangleParts>(data + 1, size - 1);
    std::array<std::string, kTriangleParts> texts;
    for (int i = 0; i < kTriangleParts; ++i)
        texts[i] = std::string(boxes[i]);

    const std::string json = calc::ResolverViewJson(texts, display);
    const auto view = nlohmann::json::parse(json, nullptr, false);
    if (view.is_discarded())
        fuzz::Fail("the view is not JSON", json);
    int data_ = 0;
    for (int i = 0; i < kTriangleParts; ++i) {
        const auto &box = view["cajas"][i];
        const std::string look = box["aspecto"];
        const bool datum = look == "dato" || look == "ilegible";
        data_ += datum;
        if (datum != calc::IsDatumText(texts[i]))
            fuzz::Fail("a box not blank is a datum", texts[i]);
        if (datum && calc::IsUtf8(texts[i]) && box["texto"] != texts[i])
            fuzz::Fail("a datum keeps its text", texts[i]);
        if (look == "libre" && box["texto"] != "")
            fuzz::Fail("a free box is empty", json);
    }
    if (view["estado"] == "")
        fuzz::Fail("there is always a status", json);
    if (view["resuelto"] && (data_ != 3 || view["figura"] == "" || view["pasos"] == "" || view["copia"] == ""))
        fuzz::Fail("a solved view shows its triangle", json);
    return 0;
}
