// The practice mode as the page and the window drive it: a kept store and an
// address of any bytes, then any events with any typed text. It must never
// crash; its view must be JSON with a problem or the summary; and what it
// keeps must read back as the same practice, never set aside.
//
// The input: the store, a byte 0x1E, the address, a byte 0x1E, then events,
// one byte each (the low three bits: type, choose, check, hint, solution,
// next, start a new set; the rest its box, count or choices) and, for typing
// and a new set, a text up to a line feed.
#include "harness.h"

#include "practice.h"

#include <nlohmann/json.hpp>

namespace {

std::string_view Take(std::string_view &input, char end)
{
    const std::size_t at = std::min(input.find(end), input.size());
    const std::string_view piece = input.substr(0, at);
    input.remove_prefix(std::min(at + 1, input.size()));
    return piece;
}

void CheckView(const calc::Practice &practice)
{
    const std::string json = calc::PracticeViewJson(practice.View());
    const auto view = nlohmann::json::parse(json, nullptr, false);
    if (view.is_discarded())
        fuzz::Fail("the view is not JSON", json);
    if (!view["resumen"] && (view["casillas"].size() != calc::kPracticeBoxes || view["titulo"] == ""))
        fuzz::Fail("a problem shows its heading and boxes", json);
    if (view["resumen"] && view["filas"].size() != view["total"])
        fuzz::Fail("the summary has a row per problem", json);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char *>(data), size);
    const std::string_view store = Take(input, '\x1e');
    const std::string_view address = Take(input, '\x1e');
    calc::Practice practice(store, address, 42, "https://example.org/practica.html");
    while (!input.empty()) {
        const unsigned char event = static_cast<unsigned char>(input.front());
        input.remove_prefix(1);
        const int argument = event >> 3;
        switch (event & 7) {
        case 0:
            practice.Type(argument % calc::kPracticeBoxes, Take(input, '\n'));
            break;
        case 1:
            practice.Choose(argument % 4 - 1);
            break;
        case 2:
            practice.Check();
            break;
        case 3:
            practice.Hint();
            break;
        case 4:
            practice.ShowSolution();
            break;
        case 5:
        case 6:
            practice.Next();
            break;
        default: {
            calc::PracticeChoices choices;
            for (std::size_t i = 0; i < choices.cases.size(); ++i)
                choices.cases[i] = argument >> i & 1;
            choices.problems = Take(input, '\n');
            choices.seed = Take(input, '\n');
            practice.Start(choices, 7);
        }
        }
    }
    CheckView(practice);
    const std::string kept = practice.Store();
    const calc::Practice again(kept, practice.Address(), 1, "https://example.org/practica.html");
    if (!again.SetAside().empty())
        fuzz::Fail("what is kept reads back", kept);
    // But for a message about this visit (a choice refused, a store set aside).
    calc::PracticeView before = practice.View(), after = again.View();
    before.message.clear();
    after.message.clear();
    if (calc::PracticeViewJson(after) != calc::PracticeViewJson(before))
        fuzz::Fail("what is kept is the same practice", kept);
    return 0;
}
