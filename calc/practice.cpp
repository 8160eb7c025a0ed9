#include "practice.h"

#include "generate.h"
#include "html.h"
#include "json.h"
#include "marking.h"
#include "problem_sheet.h"
#include "resolver.h"
#include "resolver_view.h"
#include "solution_text.h"
#include "values.h"

#include <algorithm>

namespace calc {

namespace {

constexpr std::string_view kStoreFormat = "sorvani-practica 1";
constexpr std::size_t kKeptSets = 10;
constexpr std::size_t kLongestAnswer = 200;   // bytes: more is no answer anyone types
constexpr std::size_t kLongestStore = 4 << 20; // bytes
constexpr std::string_view kSetAsideMessage =
    "La práctica guardada no se pudo leer: se ha apartado y la práctica empieza de nuevo.";
constexpr const char *kResults[] = {"a la primera", "corregido", "sin resolver"};

int HexDigit(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

std::string PercentDecoded(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
            out += char(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i] == '+' ? ' ' : text[i];
        }
    }
    return out;
}

// Cut to `size` bytes at most, not inside a character.
std::string Cut(std::string_view text, std::size_t size)
{
    if (text.size() <= size)
        return std::string(text);
    while (size > 0 && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80)
        --size;
    return std::string(text.substr(0, size));
}

std::string CaseList(const std::vector<TriangleCase> &cases)
{
    std::string text;
    for (const TriangleCase kase : cases) {
        if (!text.empty())
            text += ',';
        text += CaseCode(kase);
    }
    return text;
}

// A page's link takes the address after a "#"; a command line (ending in a
// space) takes it as one argument, quoted for a shell, since "&" and "#"
// mean something there. An address has no quote of its own.
std::string SetLink(const std::string &link, const std::string &address)
{
    return link.ends_with(' ') ? link + "'" + address + "'" : link + "#" + address;
}

// What a check finds.
struct Marks {
    std::array<std::string, kPracticeBoxes> box;
    std::array<bool, kPracticeBoxes> invalid{};
    std::string count;
    bool countInvalid = false;
    int right = 0, of = 0;
};

bool Ambiguous(const generator::Problem &problem) { return problem.kase == TriangleCase::LLA; }

// Which sets of boxes show for the count chosen: the first until "Ninguno",
// the second with "Dos"; outside LLA the first alone.
std::array<bool, 2> SetsShown(const generator::Problem &problem, int count)
{
    if (!Ambiguous(problem))
        return {true, false};
    return {count != 0, count == 2};
}

// One box against triangle `triangle` (-1: none to compare with): its mark,
// and whether it is right.
bool MarkBox(std::string_view text, int asked, const TriangleSolution &solution, int triangle, int decimals,
             std::string &mark, bool &invalid)
{
    invalid = false;
    if (!IsDatumText(text)) {
        mark = triangle < 0 ? "" : "Sin respuesta";
        return false;
    }
    const std::optional<double> answer = AskedAngle(asked) ? ReadAngle(text) : ReadNumber(text);
    invalid = true;
    if (!answer) {
        mark = "No se puede leer";
        return false;
    }
    if (triangle < 0) {
        mark = kWrongMark;
        return false;
    }
    const double value = AskedValue(solution.triangles[std::size_t(triangle)], asked);
    if (IsRight(*answer, value, decimals)) {
        mark = kRightMark;
        invalid = false;
        return true;
    }
    mark = kWrongMark;
    for (const Mistake &mistake : Mistakes(solution, triangle, asked)) {
        if (IsRight(*answer, mistake.value, decimals)) {
            mark = mistake.feedback;
            break;
        }
    }
    return false;
}

Marks MarkAnswers(const generator::Problem &problem, const TriangleSolution &solution,
                  const std::array<std::string, kPracticeBoxes> &answers, int count, int decimals)
{
    const std::vector<int> asked = AskedOf(solution.given);
    const int sets = kPracticeBoxes / 2;
    Marks marks;
    // One set against one triangle: its marks into `into`, the right ones counted.
    const auto markSet = [&](int set, int triangle, Marks &into) {
        int right = 0;
        for (int i = 0; i < sets; ++i) {
            const std::size_t box = std::size_t(set * sets + i);
            right += MarkBox(answers[box], asked[std::size_t(i)], solution, triangle, decimals, into.box[box],
                             into.invalid[box]);
        }
        return right;
    };
    const std::array<bool, 2> shown = SetsShown(problem, count);
    // The triangles may come in either order: each shown set goes with the
    // triangle that makes more of it right, the first order on a tie.
    const int triangles = solution.count;
    std::vector<std::array<int, 2>> orders;
    if (shown[0] && shown[1])
        orders = triangles == 2   ? std::vector<std::array<int, 2>>{{0, 1}, {1, 0}}
                 : triangles == 1 ? std::vector<std::array<int, 2>>{{0, -1}, {-1, 0}}
                                  : std::vector<std::array<int, 2>>{{-1, -1}};
    else if (shown[0])
        orders = triangles == 2   ? std::vector<std::array<int, 2>>{{0, -1}, {1, -1}}
                 : triangles == 1 ? std::vector<std::array<int, 2>>{{0, -1}}
                                  : std::vector<std::array<int, 2>>{{-1, -1}};
    else
        orders = {{-1, -1}};
    int best = -1;
    for (const std::array<int, 2> &order : orders) {
        Marks trial;
        int right = 0;
        for (int set = 0; set < 2; ++set) {
            if (shown[std::size_t(set)])
                right += markSet(set, order[std::size_t(set)], trial);
        }
        if (right > best) {
            best = right;
            marks.box = trial.box;
            marks.invalid = trial.invalid;
        }
    }
    marks.right = best;
    marks.of = 4 * triangles;
    if (Ambiguous(problem)) {
        ++marks.of;
        if (count < 0) {
            marks.count = "Sin respuesta";
        } else if (count == triangles) {
            marks.count = kRightMark;
            ++marks.right;
        } else {
            marks.count = CountFeedback(solution, count);
            marks.countInvalid = true;
        }
    }
    return marks;
}

// Reading a kept store: every value checked for its type and range, so that
// no edit by hand can reach the view.
const Json *Member(const Json &object, const char *key)
{
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

bool ReadInt(const Json &object, const char *key, int low, int high, int &out)
{
    const Json *value = Member(object, key);
    if (!value || !value->is_number_integer())
        return false;
    const auto x = value->get<std::int64_t>();
    if (x < low || x > high)
        return false;
    out = int(x);
    return true;
}

bool ReadBool(const Json &object, const char *key, bool &out)
{
    const Json *value = Member(object, key);
    if (!value || !value->is_boolean())
        return false;
    out = value->get<bool>();
    return true;
}

bool ReadTexts(const Json &object, const char *key, std::array<std::string, kPracticeBoxes> &out)
{
    const Json *value = Member(object, key);
    if (!value || !value->is_array() || value->size() != kPracticeBoxes)
        return false;
    for (std::size_t i = 0; i < kPracticeBoxes; ++i) {
        const Json &text = (*value)[i];
        if (!text.is_string() || text.get_ref<const std::string &>().size() > kLongestAnswer)
            return false;
        out[i] = text.get_ref<const std::string &>();
    }
    return true;
}

Json Texts(const std::array<std::string, kPracticeBoxes> &texts)
{
    Json list = Json::array();
    for (const std::string &text : texts)
        list.push_back(text);
    return list;
}

} // namespace

std::string PracticeAddress(const PracticeSet &set)
{
    return "semilla=" + std::to_string(set.seed) + "&casos=" + CaseList(set.cases) + "&problemas="
           + std::to_string(set.problems) + "&decimales=" + std::to_string(set.decimals);
}

std::optional<PracticeSet> ReadPracticeAddress(std::string_view address, std::uint64_t drawnSeed)
{
    if (address.starts_with('#'))
        address.remove_prefix(1);
    PracticeSet set;
    set.seed = drawnSeed;
    bool named = false;
    std::string problem;
    while (!address.empty()) {
        const std::size_t end = std::min(address.find('&'), address.size());
        const std::string_view pair = address.substr(0, end);
        address.remove_prefix(std::min(end + 1, address.size()));
        const std::size_t equals = pair.find('=');
        if (equals == pair.npos)
            continue;
        const std::string key = PercentDecoded(pair.substr(0, equals));
        const std::string value = PercentDecoded(pair.substr(equals + 1));
        if (key == "semilla") {
            named = true;
            if (const std::optional<std::uint64_t> seed = ReadSeed(value, problem))
                set.seed = *seed;
        } else if (key == "casos") {
            named = true;
            if (std::optional<std::vector<TriangleCase>> cases = ReadCaseList(value, problem))
                set.cases = std::move(*cases);
        } else if (key == "problemas") {
            named = true;
            if (const std::optional<std::uint64_t> count = ReadWhole(value, 1, kPracticeMaxProblems))
                set.problems = int(*count);
        } else if (key == "decimales") {
            named = true;
            if (const std::optional<std::uint64_t> decimals = ReadWhole(value, 0, kPracticeMaxDecimals))
                set.decimals = int(*decimals);
        }
    }
    if (!named)
        return std::nullopt;
    return set;
}

Practice::Practice(std::string_view store, std::string_view address, std::uint64_t drawnSeed, std::string link)
    : link_(std::move(link))
{
    if (!store.empty() && !Read(store)) {
        sets_.clear();
        setAside_ = std::string(store);
        message_ = kSetAsideMessage;
    }
    // No choice named: a set of the defaults, the last one practised if any.
    const PracticeSet defaults{.seed = drawnSeed};
    const auto plain = std::ranges::find_if(sets_, [&](const SetState &kept) {
        return kept.set.cases == defaults.cases && kept.set.problems == defaults.problems
               && kept.set.decimals == defaults.decimals;
    });
    if (const std::optional<PracticeSet> set = ReadPracticeAddress(address, drawnSeed))
        Open(*set, false);
    else
        Open(plain != sets_.end() ? plain->set : defaults, false);
}

std::string Practice::LastAddress(std::string_view store)
{
    Practice kept;
    return kept.Read(store) && !kept.sets_.empty() ? PracticeAddress(kept.sets_.front().set) : std::string();
}

void Practice::Open(PracticeSet set, bool fresh)
{
    const std::string address = PracticeAddress(set);
    const auto kept = std::ranges::find_if(sets_, [&](const SetState &s) { return PracticeAddress(s.set) == address; });
    const bool found = kept != sets_.end();
    SetState state;
    if (found) {
        state = std::move(*kept);
        sets_.erase(kept);
    }
    if (fresh || !found) {
        state = SetState{};
        state.set = set;
        state.problems.assign(std::size_t(set.problems), ProblemState{});
    }
    generator::Request request;
    request.seed = set.seed;
    request.count = set.problems;
    request.cases = set.cases;
    generator::Sheet sheet = generator::Generate(request);
    if (!sheet.problem.empty()) {
        // Not met within the limits of a practice; never a set without problems.
        message_ = "No se pudo preparar la práctica: " + sheet.problem + ".";
        if (set.cases.size() != kPracticeCases.size() || set.problems != PracticeSet{}.problems)
            return Open(PracticeSet{.seed = set.seed}, true);
    }
    problems_ = std::move(sheet.versions.front());
    sets_.insert(sets_.begin(), std::move(state));
    if (sets_.size() > kKeptSets)
        sets_.resize(kKeptSets);
    Load();
}

void Practice::Load()
{
    hints_.clear();
    if (!InProblem())
        return;
    solution_ = SolveTriangle(generator::DataOf(problems_[std::size_t(Current().current)]));
    const int decimals = Current().set.decimals;
    if (solution_.count == 0) {
        hints_.push_back({"", solution_.reason});
        return;
    }
    const std::vector<std::string> first = WorkingSteps(solution_, 0, decimals);
    const std::string title = solution_.count == 2 ? "Solución 1" : "";
    for (const std::string &step : first)
        hints_.push_back({title, step});
    if (solution_.count == 2) {
        const std::vector<std::string> second = WorkingSteps(solution_, 1, decimals);
        for (std::size_t i = 0; i < second.size(); ++i) {
            if (i >= first.size() || second[i] != first[i])
                hints_.push_back({"Solución 2", second[i]});
        }
    }
}

void Practice::Helped()
{
    if (State().attempts == 0)
        Current().streak = 0;
}

void Practice::Type(int box, std::string_view text)
{
    if (InProblem() && box >= 0 && box < kPracticeBoxes)
        State().answers[std::size_t(box)] = Cut(text, kLongestAnswer);
}

void Practice::Choose(int count)
{
    if (InProblem() && count >= 0 && count <= 2 && Ambiguous(problems_[std::size_t(Current().current)]))
        State().count = count;
}

void Practice::Check()
{
    if (!InProblem())
        return;
    ProblemState &state = State();
    state.checked = true;
    state.checkedAnswers = state.answers;
    state.checkedCount = state.count;
    ++state.attempts;
    const Marks marks = MarkAnswers(problems_[std::size_t(Current().current)], solution_, state.answers, state.count,
                                    Current().set.decimals);
    const bool allRight = marks.right == marks.of;
    if (state.attempts == 1) {
        state.firstTry = allRight && state.hints == 0 && !state.solutionShown;
        Current().streak = state.firstTry ? Current().streak + 1 : 0;
    }
    if (allRight && !state.solutionShown)
        state.solved = true;
}

void Practice::Hint()
{
    if (!InProblem() || State().hints >= int(hints_.size()))
        return;
    Helped();
    ++State().hints;
}

void Practice::ShowSolution()
{
    if (!InProblem())
        return;
    Helped();
    State().solutionShown = true;
}

void Practice::Next()
{
    if (!InProblem())
        return;
    Helped();
    ++Current().current;
    Load();
}

bool Practice::Start(const PracticeChoices &choices, std::uint64_t drawnSeed)
{
    PracticeSet set;
    set.cases.clear();
    for (std::size_t i = 0; i < kPracticeCases.size(); ++i) {
        if (choices.cases[i])
            set.cases.push_back(kPracticeCases[i]);
    }
    std::string problem;
    const std::optional<std::uint64_t> problems = ReadWhole(TrimmedBlanks(choices.problems), 1, kPracticeMaxProblems);
    const std::optional<std::uint64_t> decimals =
        ReadWhole(TrimmedBlanks(choices.decimals), 0, kPracticeMaxDecimals);
    const std::string_view seedText = TrimmedBlanks(choices.seed);
    const std::optional<std::uint64_t> seed = seedText.empty() ? drawnSeed : ReadSeed(seedText, problem);
    if (set.cases.empty())
        message_ = "Elija al menos un caso.";
    else if (!problems)
        message_ = "Problemas va de 1 a " + std::to_string(kPracticeMaxProblems) + ", no «" + choices.problems + "».";
    else if (!decimals)
        message_ = "Decimales va de 0 a " + std::to_string(kPracticeMaxDecimals) + ", no «" + choices.decimals + "».";
    else if (!seed)
        message_ = "La semilla va de 0 a 18446744073709551615, no «" + choices.seed + "».";
    else
        message_.clear();
    if (!message_.empty())
        return false;
    set.problems = int(*problems);
    set.decimals = int(*decimals);
    set.seed = *seed;
    Open(set, true);
    return true;
}

std::string Practice::Address() const
{
    return PracticeAddress(Current().set);
}

PracticeView Practice::View() const
{
    const SetState &current = Current();
    const PracticeSet &set = current.set;
    PracticeView view;
    view.address = Address();
    view.message = message_;
    for (std::size_t i = 0; i < kPracticeCases.size(); ++i)
        view.choices.cases[i] = std::ranges::find(set.cases, kPracticeCases[i]) != set.cases.end();
    view.choices.problems = std::to_string(set.problems);
    view.choices.decimals = std::to_string(set.decimals);
    view.choices.seed = std::to_string(set.seed);
    const auto firstTries = std::ranges::count_if(current.problems, &ProblemState::firstTry);
    view.progress = "Racha: " + std::to_string(current.streak) + " · A la primera: " + std::to_string(firstTries)
                    + " de " + std::to_string(set.problems);
    view.total = set.problems;

    if (!InProblem()) {
        view.summary = true;
        int counts[3] = {};
        view.copy = "Sorvani: practicar\nEnlace: " + SetLink(link_, view.address) + "\nProblema\tCaso\tResultado\n";
        for (int i = 0; i < set.problems; ++i) {
            const ProblemState &state = current.problems[std::size_t(i)];
            const int result = state.firstTry ? 0 : state.solved ? 1 : 2;
            ++counts[result];
            const std::string kase(CaseCode(problems_[std::size_t(i)].kase));
            view.rows.push_back({i + 1, kase, kResults[result]});
            view.copy += std::to_string(i + 1) + "\t" + kase + "\t" + kResults[result] + "\n";
        }
        view.totals = "Total: " + std::to_string(counts[0]) + " a la primera, " + std::to_string(counts[1])
                      + (counts[1] == 1 ? " corregido" : " corregidos") + " y " + std::to_string(counts[2])
                      + " sin resolver, de " + std::to_string(set.problems) + ".";
        view.copy += view.totals + "\n";
        return view;
    }

    const generator::Problem &problem = problems_[std::size_t(current.current)];
    const ProblemState &state = State();
    view.number = current.current + 1;
    view.heading = "Problema " + std::to_string(view.number) + " de " + std::to_string(set.problems);
    view.kase = CaseCode(problem.kase);
    const std::vector<GivenPart> given = GivenParts(problem);
    for (const GivenPart &part : given)
        view.data.push_back(std::string(PartLetter(part.part)) + " = " + part.value);
    const std::vector<int> asked = AskedOf(solution_.given);
    if (const std::optional<std::string> sketch = ProblemSketch(solution_, given)) {
        view.sketch = *sketch;
        view.sketchDescription = "Croquis del triángulo con ";
        for (std::size_t i = 0; i < view.data.size(); ++i)
            view.sketchDescription += (i == 0 ? "" : i + 1 == view.data.size() ? " y " : ", ") + view.data[i];
        view.sketchDescription += "; por hallar: ";
        for (std::size_t i = 0; i + 1 < asked.size(); ++i) {
            view.sketchDescription += (i == 0 ? "" : i + 2 == asked.size() ? " y " : ", ");
            view.sketchDescription += PartLetter(TrianglePart(asked[i]));
        }
        view.sketchDescription += ".";
    }
    view.asksCount = Ambiguous(problem);
    view.count = state.count;

    const std::array<bool, 2> shown = SetsShown(problem, state.count);
    std::optional<Marks> marks;
    if (state.checked)
        marks = MarkAnswers(problem, solution_, state.checkedAnswers, state.checkedCount, set.decimals);
    for (int i = 0; i < kPracticeBoxes; ++i) {
        const std::size_t box = std::size_t(i);
        const int part = asked[box % asked.size()];
        PracticeBox out;
        out.name = std::string(AskedName(part)) + (i >= kPracticeBoxes / 2 ? " (2)" : "");
        out.text = state.answers[box];
        out.angle = AskedAngle(part);
        out.shown = shown[box / asked.size()];
        // A mark stands for the answer it marked: typing anew takes it away.
        if (marks && out.shown && state.answers[box] == state.checkedAnswers[box]
            && state.count == state.checkedCount) {
            out.mark = marks->box[box];
            out.invalid = marks->invalid[box];
        }
        view.boxes.push_back(std::move(out));
    }
    if (marks) {
        if (view.asksCount && state.count == state.checkedCount) {
            view.countMark = marks->count;
            view.countInvalid = marks->countInvalid;
        }
        view.correction = (marks->right == marks->of ? "Todo correcto: " : "") + std::to_string(marks->right)
                          + " de " + std::to_string(marks->of) + " correctas";
    }
    view.hints.assign(hints_.begin(), hints_.begin() + std::min<std::ptrdiff_t>(state.hints, std::ssize(hints_)));
    view.moreHints = state.hints < int(hints_.size());
    if (state.solutionShown) {
        view.solution = solution_.count > 0 ? SolutionText(solution_, set.decimals, false)
                                            : std::string(kNoSolutionTitle) + "\n" + solution_.reason + "\n";
    }
    return view;
}

std::string Practice::Store() const
{
    Json sets = Json::array();
    for (const SetState &set : sets_) {
        Json problems = Json::array();
        for (std::size_t i = 0; i < set.problems.size(); ++i) {
            const ProblemState &p = set.problems[i];
            // Only what differs from a problem not yet opened.
            if (p.attempts == 0 && p.hints == 0 && !p.solutionShown && p.count < 0
                && std::ranges::all_of(p.answers, &std::string::empty))
                continue;
            problems.push_back({{"n", i},
                                {"respuestas", Texts(p.answers)},
                                {"cuantos", p.count},
                                {"comprobado", p.checked},
                                {"comprobadas", Texts(p.checkedAnswers)},
                                {"cuantosComprobado", p.checkedCount},
                                {"intentos", p.attempts},
                                {"pistas", p.hints},
                                {"solucion", p.solutionShown},
                                {"primera", p.firstTry},
                                {"resuelto", p.solved}});
        }
        sets.push_back({{"direccion", PracticeAddress(set.set)},
                        {"actual", set.current},
                        {"racha", set.streak},
                        {"problemas", std::move(problems)}});
    }
    return JsonText({{"formato", kStoreFormat}, {"practicas", std::move(sets)}});
}

bool Practice::Read(std::string_view store)
{
    if (store.size() > kLongestStore)
        return false;
    const Json json = Json::parse(store, nullptr, false);
    if (!json.is_object())
        return false;
    const Json *format = Member(json, "formato");
    const Json *sets = Member(json, "practicas");
    if (!format || !format->is_string() || format->get_ref<const std::string &>() != kStoreFormat || !sets
        || !sets->is_array() || sets->size() > kKeptSets)
        return false;
    for (const Json &kept : *sets) {
        if (!kept.is_object())
            return false;
        const Json *address = Member(kept, "direccion");
        if (!address || !address->is_string())
            return false;
        // Only an address as this program writes it.
        const std::optional<PracticeSet> set = ReadPracticeAddress(address->get_ref<const std::string &>(), 0);
        if (!set || PracticeAddress(*set) != address->get_ref<const std::string &>())
            return false;
        SetState state;
        state.set = *set;
        state.problems.assign(std::size_t(set->problems), ProblemState{});
        const Json *problems = Member(kept, "problemas");
        if (!ReadInt(kept, "actual", 0, set->problems, state.current)
            || !ReadInt(kept, "racha", 0, set->problems, state.streak) || !problems || !problems->is_array())
            return false;
        for (const Json &problem : *problems) {
            int n = 0;
            if (!problem.is_object() || !ReadInt(problem, "n", 0, set->problems - 1, n))
                return false;
            ProblemState &p = state.problems[std::size_t(n)];
            if (!ReadTexts(problem, "respuestas", p.answers) || !ReadInt(problem, "cuantos", -1, 2, p.count)
                || !ReadBool(problem, "comprobado", p.checked) || !ReadTexts(problem, "comprobadas", p.checkedAnswers)
                || !ReadInt(problem, "cuantosComprobado", -1, 2, p.checkedCount)
                || !ReadInt(problem, "intentos", 0, 1 << 30, p.attempts)
                || !ReadInt(problem, "pistas", 0, 64, p.hints) || !ReadBool(problem, "solucion", p.solutionShown)
                || !ReadBool(problem, "primera", p.firstTry) || !ReadBool(problem, "resuelto", p.solved))
                return false;
        }
        if (std::ranges::any_of(sets_, [&](const SetState &s) { return PracticeAddress(s.set) == PracticeAddress(*set); }))
            return false;
        sets_.push_back(std::move(state));
    }
    return true;
}

std::string PracticeViewJson(const PracticeView &view)
{
    Json cases = Json::array();
    for (const bool kase : view.choices.cases)
        cases.push_back(kase);
    Json boxes = Json::array();
    for (const PracticeBox &box : view.boxes)
        boxes.push_back({{"nombre", box.name},
                         {"texto", box.text},
                         {"angulo", box.angle},
                         {"visible", box.shown},
                         {"marca", box.mark},
                         {"invalida", box.invalid}});
    Json hints = Json::array();
    for (const PracticeHint &hint : view.hints)
        hints.push_back({{"titulo", hint.title}, {"texto", hint.text}});
    Json data = Json::array();
    for (const std::string &datum : view.data)
        data.push_back(datum);
    Json rows = Json::array();
    for (const PracticeRow &row : view.rows)
        rows.push_back({{"problema", row.number}, {"caso", row.kase}, {"resultado", row.result}});
    return JsonText({{"direccion", view.address},
                     {"mensaje", view.message},
                     {"opciones",
                      {{"casos", std::move(cases)},
                       {"problemas", view.choices.problems},
                       {"decimales", view.choices.decimals},
                       {"semilla", view.choices.seed}}},
                     {"progreso", view.progress},
                     {"resumen", view.summary},
                     {"numero", view.number},
                     {"total", view.total},
                     {"titulo", view.heading},
                     {"caso", view.kase},
                     {"datos", std::move(data)},
                     {"croquis", view.sketch},
                     {"descripcion", view.sketchDescription},
                     {"pregunta",
                      {{"activa", view.asksCount},
                       {"eleccion", view.count},
                       {"marca", view.countMark},
                       {"invalida", view.countInvalid}}},
                     {"casillas", std::move(boxes)},
                     {"correccion", view.correction},
                     {"pistas", std::move(hints)},
                     {"masPistas", view.moreHints},
                     {"solucion", view.solution},
                     {"filas", std::move(rows)},
                     {"totales", view.totals},
                     {"copia", view.copy}});
}

} // namespace calc
