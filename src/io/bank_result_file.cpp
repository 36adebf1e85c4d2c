#include "io/bank_result_file.h"

#include "core/number_rules.h"

#include <algorithm>
#include <charconv>

#include "io/csv_records.h"
#include "io/echo_text.h"
#include "io/field_text.h"
#include "io/result_amount.h"
#include "io/result_date.h"

namespace n3 {

namespace {

bool AllDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool StartsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

// "A50": the mark that opens a block.
bool BlockMark(std::string_view f) { return f.size() >= 2 && f[0] == 'A' && AllDigits(f.substr(1)); }

// "第7073回ナンバーズ" gives 7073 (as text); empty when the field is no
// draw line of the game's (a heading "第7073回ナンバーズ4" is ナンバーズ4's,
// "第7073回ナンバーズ3" or "第7073回ナンバーズ" ナンバーズ3's and both's).
std::string_view DrawLineNumber(std::string_view f, const Game& game = kNumbers3) {
    if (!StartsWith(f, "第")) return {};
    const std::size_t end = f.find("回ナンバーズ");
    if (end == std::string_view::npos) return {};
    const std::string_view rest = f.substr(end + std::string_view("回ナンバーズ").size());
    if (!rest.empty() && rest != std::to_string(game.id)) return {};
    return f.substr(3, end - 3);
}

// The game whose part a line opens (its label "ナンバーズ3…", "ナンバーズ4…"),
// or none.
const Game* SectionOf(std::string_view f) {
    for (const Game* game : kGames)
        if (StartsWith(f, game->name)) return game;
    return nullptr;
}

constexpr std::array<std::string_view, kPrizeKindCount> kKinds = {"ストレート", "ボックス", "セット(ストレート)",
                                                                  "セット(ボックス)", "ミニ"};

std::string Q(const std::string& s) { return "「" + EchoText(s) + "」"; }

std::string DigitsOf(const Draw& draw, const Game& game) { return DigitsText(draw.digits, game); }

}  // namespace

bool LooksLikeBankResultFile(std::string_view utf8) {
    CsvReader reader(utf8);
    CsvRecord record;
    while (reader.Next(record)) {
        if (record.blank()) continue;
        const std::string f = NormaliseField(record.fields[0]);
        return BlockMark(f) || std::any_of(kGames.begin(), kGames.end(),
                                           [&f](const Game* game) { return !DrawLineNumber(f, *game).empty(); });
    }
    return false;
}

CsvParseResult ParseBankResultFile(std::string_view utf8, const Game& game) {
    CsvParseResult result;
    result.carriesResults = true;
    result.digits = game.digits;
    const std::string label = std::string(game.name) + "抽せん数字";
    const auto digitsOf = [&game](const Draw& d) { return DigitsOf(d, game); };
    // The block's part being read: before any game's label the prize lines
    // are the first game's.
    enum class Part { Unlabelled, Own, Other };
    Part part = Part::Unlabelled;
    const bool ownUnlabelled = game.id == kGames.front()->id;
    auto fail = [&](int line, std::string reason) {
        result.draws.clear();
        result.results.clear();
        result.error = CsvError{line, std::move(reason)};
        return result;
    };

    enum class State { BeforeBlock, InBlock, Skipping };
    State state = State::BeforeBlock;
    Draw draw;
    DrawResult drawResult;
    int blockLine = 0;
    // Where the block said each thing first, to tell a repeat that agrees
    // from one that contradicts it (a file whose last line would win).
    int digitsLine = 0;
    std::array<int, kPrizeKindCount> prizeLine{};
    int straightNumberLine = 0;
    std::string straightNumber;
    int miniNumberLine = 0;
    std::string miniNumber;  // the ミニ line's own two digits
    const auto drawName = [&] { return "第" + std::to_string(draw.drawNo) + "回"; };
    std::vector<int> firstLineOf(std::size_t(kMaxDrawNo) + 1, 0);
    // Ends the current block; the reason when it lacks its digits.
    auto finish = [&]() -> std::optional<std::string> {
        if (blockLine == 0) return std::nullopt;
        if (!draw.complete(game)) return drawName() + "の" + label + "の行がありません";
        SettleResult(drawResult, draw.digits, game);
        result.draws.push_back(draw);
        if (!drawResult.empty()) result.results.push_back(drawResult);
        blockLine = 0;
        return std::nullopt;
    };

    CsvReader reader(utf8);
    CsvRecord record;
    while (reader.Next(record)) {
        if (record.blank()) continue;
        std::vector<std::string> f;
        for (const std::string& field : record.fields) f.push_back(NormaliseField(field));
        while (!f.empty() && f.back().empty()) f.pop_back();

        if (BlockMark(f[0])) {
            if (auto reason = finish()) return fail(blockLine, *reason);
            state = State::BeforeBlock;
            continue;
        }
        // Another game's own heading opens a block of its alone.
        if (DrawLineNumber(f[0], game).empty() && std::any_of(kGames.begin(), kGames.end(), [&f](const Game* other) {
                return !DrawLineNumber(f[0], *other).empty();
            })) {
            if (auto reason = finish()) return fail(blockLine, *reason);
            state = State::Skipping;
            continue;
        }
        if (const std::string_view no = DrawLineNumber(f[0], game); !no.empty()) {
            if (auto reason = finish()) return fail(blockLine, *reason);
            int value = 0;
            const auto [end, ec] = std::from_chars(no.data(), no.data() + no.size(), value);
            if (!AllDigits(no) || ec != std::errc() || value < 1 || value > kMaxDrawNo)
                return fail(record.line, "回数" + Q(std::string(no)) + "が1～32767の範囲にありません");
            if (firstLineOf[std::size_t(value)] != 0)
                return fail(record.line, "第" + std::to_string(value) + "回が2回あります（" +
                                             std::to_string(firstLineOf[std::size_t(value)]) + "行目と同じです）");
            firstLineOf[std::size_t(value)] = record.line;
            draw = Draw{};
            draw.drawNo = value;
            digitsLine = 0;
            prizeLine = {};
            straightNumberLine = 0;
            straightNumber.clear();
            miniNumberLine = 0;
            miniNumber.clear();
            drawResult = DrawResult{};
            drawResult.drawNo = value;
            // A heading of the game's alone opens its part.
            part = f[0].ends_with(std::to_string(game.id)) && !ownUnlabelled ? Part::Own : Part::Unlabelled;
            // The draw date follows the heading; a field with figures that is
            // no whole date of the draws' years is refused, not passed over.
            for (std::size_t i = 1; i < f.size() && drawResult.date.empty(); ++i) {
                if (std::none_of(f[i].begin(), f[i].end(), [](char c) { return c >= '0' && c <= '9'; })) continue;
                const auto date = ParseResultDate(f[i]);
                if (!date)
                    return fail(record.line,
                                "抽せん日" + Q(f[i]) +
                                    (IsDateWithoutYear(f[i]) ? "には年がありません"
                                                             : "は日付として読めません（曜日も日付と同じものに）"));
                drawResult.date = *date;
            }
            blockLine = record.line;
            state = State::InBlock;
            continue;
        }
        if (state == State::Skipping) continue;
        if (state == State::BeforeBlock)
            return fail(record.line, Q(f[0]) + "の行の前に「第N回ナンバーズ」の行がありません");
        if (const Game* section = SectionOf(f[0])) part = section->id == game.id ? Part::Own : Part::Other;
        if (part == Part::Other || (part == Part::Unlabelled && !ownUnlabelled)) {
            // The other game's part: the first game's reading stops at the
            // second's label, as it always has; the second game's reading
            // takes the payment period before the parts.
            if (part == Part::Other && ownUnlabelled) {
                state = State::Skipping;
                continue;
            }
            if (part == Part::Other || f[0] != "支払期間") continue;
        }
        if (f[0] == "支払期間") {
            // "令和8年9月18日から令和9年9月17日まで": the last day is the
            // deadline. A line this reader cannot make out leaves the
            // deadline to be estimated; it stops no import.
            const std::string period = f.size() > 1 ? f[1] : std::string();
            const std::size_t from = period.find("から");
            if (from != std::string::npos) {
                std::string last = period.substr(from + std::string_view("から").size());
                if (last.ends_with("まで")) last.resize(last.size() - std::string_view("まで").size());
                if (const auto date = ParseResultDate(last); date && *date > drawResult.date)
                    drawResult.claimDeadline = *date;
            }
            continue;
        }
        if (StartsWith(f[0], game.name)) {
            const std::string number = f.size() > 1 ? f[1] : std::string();
            const std::string width = std::to_string(game.digits) + "桁";
            if (number.size() != std::size_t(game.digits) || !AllDigits(number))
                return fail(record.line, label + Q(number) + "が" + width + "の数字ではありません");
            if (digitsLine != 0) {
                if (number == digitsOf(draw)) continue;
                return fail(record.line, drawName() + "の" + label + "の行が2つあり、「" + digitsOf(draw) + "」（" +
                                             std::to_string(digitsLine) + "行目）と「" + number +
                                             "」が食い違っています");
            }
            if (!straightNumber.empty() && straightNumber != number)
                return fail(record.line, drawName() + "のストレートの行（" + std::to_string(straightNumberLine) +
                                             "行目）の数字「" + straightNumber + "」が抽せん数字「" + number +
                                             "」と違います");
            if (!miniNumber.empty() && miniNumber != number.substr(std::size_t(game.digits - game.miniDigits)))
                return fail(record.line, drawName() + "のミニの行（" + std::to_string(miniNumberLine) +
                                             "行目）の数字「" + miniNumber + "」が抽せん数字「" + number +
                                             "」の下2桁と違います");
            digitsLine = record.line;
            for (std::size_t i = 0; i < number.size(); ++i) draw.digits[i] = number[i] - '0';
            continue;
        }
        const auto kind = std::find(kKinds.begin(), kKinds.end(), f[0]);
        if (kind == kKinds.end() || (*kind == "ミニ" && !game.offers(TicketKind::Mini)))
            return fail(record.line, Q(f[0]) + "の行は読めません");
        Prize& prize = drawResult.prizes[std::size_t(kind - kKinds.begin())];
        // The units and the yen are the last two fields; "該当なし" alone stands for both.
        std::vector<std::string> figures(f.begin() + 1, f.end());
        if (figures.size() == 1) figures.push_back(figures[0]);
        if (figures.size() < 2) return fail(record.line, std::string(*kind) + "の口数と当せん金額がありません");
        // "ストレート,901,該当なし": with no winner the number stands before 該当なし.
        const AmountRead yen = ParseResultAmount(figures.back());
        const std::string& unitsText = figures[figures.size() - 2];
        const bool unitsGiven = unitsText.ends_with("口") || ParseResultAmount(unitsText).value == std::nullopt;
        const AmountRead units =
            yen.ok && !yen.value && !unitsGiven ? AmountRead{true, std::nullopt} : ParseResultAmount(unitsText);
        if (!units.ok)
            return fail(record.line, std::string(*kind) + "の口数" + Q(figures[figures.size() - 2]) + "は読めません");
        if (!yen.ok) return fail(record.line, std::string(*kind) + "の当せん金額" + Q(figures.back()) + "は読めません");
        if (auto bound = AmountBoundError(std::string(*kind) + "の口数", units.value, false))
            return fail(record.line, *bound);
        if (auto bound = AmountBoundError(std::string(*kind) + "の当せん金額", yen.value, true))
            return fail(record.line, *bound);
        // "ストレート,188,62口,87100円": the number before the figures is the
        // draw's own.
        const std::size_t figuresAt = figures.size() - (yen.ok && !yen.value && !unitsGiven ? 1 : 2);
        if (*kind == "ストレート" && figuresAt > 0 && figures[0].size() == std::size_t(game.digits) &&
            AllDigits(figures[0])) {
            if (draw.complete(game) && figures[0] != digitsOf(draw))
                return fail(record.line, drawName() + "のストレートの行の数字「" + figures[0] + "」が抽せん数字「" +
                                             digitsOf(draw) + "」と違います");
            straightNumber = figures[0];
            straightNumberLine = record.line;
        }
        // "ミニ,19,…": the number before the figures is the draw's last two digits.
        if (*kind == "ミニ" && figuresAt > 0 && figures[0].size() == std::size_t(game.miniDigits) &&
            AllDigits(figures[0])) {
            if (draw.complete(game) && figures[0] != digitsOf(draw).substr(std::size_t(game.digits - game.miniDigits)))
                return fail(record.line, drawName() + "のミニの行の数字「" + figures[0] + "」が抽せん数字「" +
                                             digitsOf(draw) + "」の下2桁と違います");
            miniNumber = figures[0];
            miniNumberLine = record.line;
        }
        const std::size_t k = std::size_t(kind - kKinds.begin());
        if (prizeLine[k] != 0) {
            if (prize.winners == units.value && prize.yen == yen.value) continue;
            return fail(record.line, drawName() + "の" + std::string(*kind) + "の行が2つあり、" +
                                         std::to_string(prizeLine[k]) + "行目と口数・当せん金額が食い違っています");
        }
        prizeLine[k] = record.line;
        prize.winners = units.value;
        prize.yen = yen.value;
    }
    if (reader.error()) return fail(reader.error()->line, reader.error()->reason);
    if (auto reason = finish()) return fail(blockLine, *reason);
    if (result.draws.empty()) return fail(1, "ファイルに当選結果のブロックがありません");
    std::sort(result.results.begin(), result.results.end(),
              [](const DrawResult& a, const DrawResult& b) { return a.drawNo < b.drawNo; });
    return result;
}

}  // namespace n3
