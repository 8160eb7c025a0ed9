// The native half of tst_wasm: the resolver view of each request on standard
// input, one JSON line each, as the web module writes it. A request is
// decimals, 0 or 1 for decimal degrees, the triangle shown and the six boxes,
// parted by U+001F, one per line.
//
// `wasm_native practice` plays the practice page's calls instead: a line
// "open S A L D", "event ACTION BOX T" or "start CASES P D S R" and then its
// texts of those sizes (as sorvani_practice_* take them), answered by a line
// "RESULT V S X A" and the view, store, set-aside store and address.
#include "practice.h"
#include "resolver_view.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

namespace {

std::uint64_t Seed(const std::string &text)
{
    std::uint64_t seed = 0;
    std::from_chars(text.data(), text.data() + text.size(), seed);
    return seed;
}

int Practice()
{
    std::optional<calc::Practice> practice;
    std::string kind;
    while (std::cin >> kind) {
        int action = 0, box = 0;
        if (kind == "event")
            std::cin >> action >> box;
        else if (kind == "start")
            std::cin >> action;
        std::array<std::string, 4> texts;
        std::array<std::size_t, 4> sizes{};
        const int count = kind == "event" ? 1 : 4;
        for (int i = 0; i < count; ++i)
            std::cin >> sizes[std::size_t(i)];
        std::cin.get();
        for (int i = 0; i < count; ++i) {
            texts[std::size_t(i)].resize(sizes[std::size_t(i)]);
            std::cin.read(texts[std::size_t(i)].data(), std::streamsize(sizes[std::size_t(i)]));
        }
        int result = 0;
        if (kind == "open") {
            practice.emplace(texts[0], texts[1], Seed(texts[3]), texts[2]);
        } else if (kind == "start") {
            calc::PracticeChoices choices{{}, texts[0], texts[1], texts[2]};
            for (std::size_t i = 0; i < choices.cases.size(); ++i)
                choices.cases[i] = (action >> i) & 1;
            result = practice->Start(choices, Seed(texts[3]));
        } else {
            switch (action) {
            case 0: practice->Type(box, texts[0]); break;
            case 1: practice->Choose(box); break;
            case 2: practice->Check(); break;
            case 3: practice->Hint(); break;
            case 4: practice->ShowSolution(); break;
            default: practice->Next();
            }
        }
        const std::string out[] = {calc::PracticeViewJson(practice->View()), practice->Store(), practice->SetAside(),
                                   practice->Address()};
        std::cout << result << ' ' << out[0].size() << ' ' << out[1].size() << ' ' << out[2].size() << ' '
                  << out[3].size() << '\n'
                  << out[0] << out[1] << out[2] << out[3];
    }
    return std::cout.flush() ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    if (argc > 1 && std::string(argv[1]) == "practice")
        return Practice();
    std::string line;
    while (std::getline(std::cin, line)) {
        std::array<std::string, 9> fields;
        std::size_t field = 0;
        for (const char c : line) {
            if (c == '\x1f' && field + 1 < fields.size())
                ++field;
            else
                fields[field] += c;
        }
        std::array<std::string, kTriangleParts> texts;
        std::copy(fields.begin() + 3, fields.end(), texts.begin());
        const calc::ResolverDisplay display{std::stoi(fields[0]),
                                            fields[1] == "1" ? AngleStyle::Decimal : AngleStyle::Dms,
                                            std::stoi(fields[2])};
        std::cout << calc::ResolverViewJson(texts, display) << '\n';
    }
    return std::cout.flush() ? 0 : 1;
}
