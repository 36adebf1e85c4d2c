#include "core/number_rules.h"

#include <algorithm>

namespace n3 {

namespace {

int PowerOfTen(int exponent) {
    int value = 1;
    for (int i = 0; i < exponent; ++i) value *= 10;
    return value;
}

bool InGame(int number, const Game& game) { return number >= 0 && number < game.numberCount(); }

bool BoxKindSold(int orders, const Game& game) {
    return std::find(game.boxOrders.begin(), game.boxOrders.end(), orders) != game.boxOrders.end();
}

}  // namespace

std::string_view TypeName(NumberType type) {
    switch (type) {
    case NumberType::Single: return "シングル";
    case NumberType::Double: return "ダブル";
    case NumberType::DoubleDouble: return "ダブルダブル";
    case NumberType::Triple: return "トリプル";
    case NumberType::Quadruple: return "ゾロ目";
    }
    return "";
}

std::array<int, kMaxGameDigits> DigitsOf(int number, const Game& game) {
    std::array<int, kMaxGameDigits> digits{};
    for (int i = game.digits - 1; i >= 0; --i) {
        digits[std::size_t(i)] = number % 10;
        number /= 10;
    }
    return digits;
}

int DigitSum(int number, const Game& game) {
    const auto digits = DigitsOf(number, game);
    int sum = 0;
    for (int i = 0; i < game.digits; ++i) sum += digits[std::size_t(i)];
    return sum;
}

namespace {

// How often each digit 0..9 appears in the number.
std::array<int, 10> DigitCounts(int number, const Game& game) {
    std::array<int, 10> counts{};
    for (int i = 0; i < game.digits; ++i) {
        ++counts[std::size_t(number % 10)];
        number /= 10;
    }
    return counts;
}

}  // namespace

int BoxKey(int number, const Game& game) {
    const auto counts = DigitCounts(number, game);
    int key = 0;
    for (int digit = 0; digit < 10; ++digit)
        for (int i = 0; i < counts[std::size_t(digit)]; ++i) key = key * 10 + digit;
    return key;
}

int NumberOrders(int number, const Game& game) {
    // digits! / (the factorials of how often each digit appears)
    int orders = 1;
    for (int i = 2; i <= game.digits; ++i) orders *= i;
    for (const int count : DigitCounts(number, game))
        for (int i = 2; i <= count; ++i) orders /= i;
    return orders;
}

NumberType TypeOf(int number, const Game& game) {
    int pairs = 0;
    int most = 0;
    for (const int count : DigitCounts(number, game)) {
        pairs += count == 2;
        most = std::max(most, count);
    }
    if (most >= 4) return NumberType::Quadruple;
    if (most == 3) return NumberType::Triple;
    if (pairs == 2) return NumberType::DoubleDouble;
    return pairs == 1 ? NumberType::Double : NumberType::Single;
}

std::vector<NumberType> TypesOf(const Game& game) {
    std::vector<NumberType> types;
    for (const NumberType type :
         {NumberType::Single, NumberType::Double, NumberType::DoubleDouble, NumberType::Triple, NumberType::Quadruple})
        if (OrdersOf(type, game) > 0) types.push_back(type);
    return types;
}

int OrdersOf(NumberType type, const Game& game) {
    // The digit counts of the type's numbers, most repeated first; a type
    // that needs more digits than the game has has no numbers (0 orders).
    std::array<int, kMaxGameDigits> counts{};
    switch (type) {
    case NumberType::Single: counts = {1, 1, 1, 1}; break;
    case NumberType::Double: counts = {2, 1, 1, 0}; break;
    case NumberType::DoubleDouble: counts = {2, 2, 0, 0}; break;
    case NumberType::Triple: counts = {3, 1, 0, 0}; break;
    case NumberType::Quadruple: counts = {4, 0, 0, 0}; break;
    }
    // Fit the pattern to the game's digits: drop single places past them;
    // a pattern whose repeats alone need more places does not exist.
    int places = 0;
    for (const int c : counts) places += c;
    for (int i = kMaxGameDigits - 1; i >= 0 && places > game.digits; --i)
        if (counts[std::size_t(i)] == 1) {
            counts[std::size_t(i)] = 0;
            --places;
        }
    if (places != game.digits) return 0;
    int orders = 1;
    for (int i = 2; i <= game.digits; ++i) orders *= i;
    for (const int c : counts)
        for (int i = 2; i <= c; ++i) orders /= i;
    return orders;
}

int MiniOf(int number, const Game& game) { return number % PowerOfTen(game.miniDigits); }

int NumberOf(const Draw& draw, const Game& game) {
    int number = 0;
    for (int i = 0; i < game.digits; ++i) number = number * 10 + draw.digit(i);
    return number;
}

std::string DigitsText(const DrawDigits& digits, const Game& game) {
    std::string text;
    for (int i = 0; i < game.digits; ++i) {
        const auto& d = digits[std::size_t(i)];
        text += d && *d >= 0 && *d <= 9 ? char('0' + *d) : '?';
    }
    return text;
}

std::string NumberText(int number, const Game& game) {
    std::string text = std::to_string(number);
    const std::size_t width = std::size_t(game.digits);
    return std::string(text.size() < width ? width - text.size() : 0, '0') + text;
}

int TicketDigits(TicketKind kind, const Game& game) { return kind == TicketKind::Mini ? game.miniDigits : game.digits; }

std::optional<int> ParseTicketNumber(TicketKind kind, std::string_view text, const Game& game) {
    if (text.empty() || int(text.size()) != TicketDigits(kind, game)) return std::nullopt;
    int number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

bool SellsFor(TicketKind kind, int number, const Game& game) {
    if (!game.offers(kind) || !InGame(number, game)) return false;
    if (kind == TicketKind::Box || kind == TicketKind::Set) return BoxKindSold(NumberOrders(number, game), game);
    return true;
}

std::optional<PrizeKind> PrizeWon(TicketKind kind, int bought, int drawn, const Game& game) {
    switch (kind) {
    case TicketKind::Straight:
        if (bought == drawn) return PrizeKind::Straight;
        return std::nullopt;
    case TicketKind::Box:
        if (BoxKey(bought, game) == BoxKey(drawn, game)) return PrizeKind::Box;
        return std::nullopt;
    case TicketKind::Set:
        if (bought == drawn) return PrizeKind::SetStraight;
        if (BoxKey(bought, game) == BoxKey(drawn, game)) return PrizeKind::SetBox;
        return std::nullopt;
    case TicketKind::Mini:
        if (bought == MiniOf(drawn, game)) return PrizeKind::Mini;
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<int> CandidatesOf(TicketKind kind, const Game& game) {
    std::vector<int> out;
    if (!game.offers(kind)) return out;
    if (kind == TicketKind::Mini) {
        for (int x = 0; x < PowerOfTen(game.miniDigits); ++x) out.push_back(x);
    } else if (kind == TicketKind::Straight) {
        for (int x = 0; x < game.numberCount(); ++x) out.push_back(x);
    } else {
        for (int x = 0; x < game.numberCount(); ++x)
            if (BoxKey(x, game) == x && SellsFor(kind, x, game)) out.push_back(x);
    }
    return out;
}

const std::vector<int>& CandidatesOf(TicketKind kind) {
    static const std::array<std::vector<int>, kTicketKindCount> all = {
        CandidatesOf(TicketKind::Straight, kNumbers3), CandidatesOf(TicketKind::Box, kNumbers3),
        CandidatesOf(TicketKind::Set, kNumbers3), CandidatesOf(TicketKind::Mini, kNumbers3)};
    return all[std::size_t(kind)];
}

std::optional<int> WinningCandidate(TicketKind kind, int winning, const Game& game) {
    if (!SellsFor(kind, winning, game)) return std::nullopt;
    switch (kind) {
    case TicketKind::Straight: return winning;
    case TicketKind::Mini: return MiniOf(winning, game);
    default: return BoxKey(winning, game);
    }
}

std::optional<int> CandidateOfNumber(TicketKind kind, int number, const Game& game) {
    if (!InGame(number, game)) return std::nullopt;
    return WinningCandidate(kind, number, game);
}

int WinningNumbers(TicketKind kind, int candidate, const Game& game) {
    switch (kind) {
    case TicketKind::Straight: return 1;
    case TicketKind::Mini: return PowerOfTen(game.digits - game.miniDigits);
    default: return NumberOrders(candidate, game);
    }
}

double WinChance(TicketKind kind, int candidate, const Game& game) {
    return WinningNumbers(kind, candidate, game) / double(game.numberCount());
}

std::vector<int> CandidatesWithSum(TicketKind kind, int low, int high, const Game& game) {
    std::vector<int> out;
    for (const int c : CandidatesOf(kind, game)) {
        const int s = DigitSum(c, game);
        if (s >= low && s <= high) out.push_back(c);
    }
    return out;
}

}  // namespace n3
