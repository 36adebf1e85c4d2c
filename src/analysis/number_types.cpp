#include "analysis/number_types.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "stats/distributions.h"
#include "stats/verdict.h"

namespace n3 {

namespace {

// The groups of places (1-based) whose digits are alike, each of two or
// more, by their first place.
std::vector<std::vector<int>> AlikeGroups(int number, const Game& game) {
    const auto digits = DigitsOf(number, game);
    std::vector<std::vector<int>> groups;
    std::vector<bool> used(std::size_t(game.digits), false);
    for (int i = 0; i < game.digits; ++i) {
        if (used[std::size_t(i)]) continue;
        std::vector<int> group{i + 1};
        for (int j = i + 1; j < game.digits; ++j)
            if (digits[std::size_t(j)] == digits[std::size_t(i)]) {
                group.push_back(j + 1);
                used[std::size_t(j)] = true;
            }
        if (group.size() >= 2) groups.push_back(std::move(group));
    }
    return groups;
}

}  // namespace

namespace {

// Each type's numbers and the arrangements of its alike digits, worked out
// once per game from the game's numbers themselves: nothing here knows how
// many digits the game has.
struct TypeTable {
    std::vector<NumberType> types;
    std::vector<int> numbersOfType;
    std::vector<std::map<std::string, int>> placesOfType;
    std::vector<int> typeIndex;         // by number
    std::vector<std::string> placesOf;  // by number; empty without alike digits
};

TypeTable MakeTypeTable(const Game& game) {
    TypeTable t;
    t.types = TypesOf(game);
    const int numberCount = game.numberCount();
    t.numbersOfType.assign(t.types.size(), 0);
    t.placesOfType.resize(t.types.size());
    t.typeIndex.assign(std::size_t(numberCount), 0);
    t.placesOf.resize(static_cast<std::size_t>(numberCount));
    for (int n = 0; n < numberCount; ++n) {
        const auto at = std::size_t(std::find(t.types.begin(), t.types.end(), TypeOf(n, game)) - t.types.begin());
        t.typeIndex[std::size_t(n)] = int(at);
        ++t.numbersOfType[at];
        t.placesOf[std::size_t(n)] = RepeatPlacesOf(n, game);
        if (!t.placesOf[std::size_t(n)].empty()) ++t.placesOfType[at][t.placesOf[std::size_t(n)]];
    }
    return t;
}

const TypeTable& TypeTableOf(const Game& game) {
    // Built on first use per game; windows build on worker threads.
    static std::mutex guard;
    static std::map<const Game*, TypeTable> tables;
    const std::lock_guard lock(guard);
    auto it = tables.find(&game);
    if (it == tables.end()) it = tables.emplace(&game, MakeTypeTable(game)).first;
    return it->second;
}

}  // namespace

std::string RepeatPlacesOf(int number, const Game& game) {
    const auto groups = AlikeGroups(number, game);
    if (groups.empty() || int(groups.front().size()) == game.digits) return {};
    std::string text;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (g) text += "と";
        for (std::size_t i = 0; i < groups[g].size(); ++i) {
            if (i) text += "・";
            text += std::to_string(groups[g][i]);
        }
    }
    return text;
}

NumberTypeFigures TallyNumberTypes(const DrawHistory& history, const ResultHistory& results, DrawRange range,
                                   const Game& game) {
    NumberTypeFigures f;
    f.game = &game;
    f.coverage = CoverRange(history, range, game);
    const int numberCount = game.numberCount();

    const TypeTable& table = TypeTableOf(game);
    const std::vector<NumberType>& types = table.types;
    const std::vector<int>& numbersOfType = table.numbersOfType;
    const std::vector<std::map<std::string, int>>& placesOfType = table.placesOfType;
    const std::vector<int>& typeIndex = table.typeIndex;
    const std::vector<std::string>& placesOf = table.placesOf;

    std::vector<int> counts(types.size(), 0);
    std::vector<double> prizeSums(types.size(), 0);
    std::vector<int> prized(types.size(), 0);
    std::vector<std::map<std::string, int>> placeCounts(types.size());
    auto result = results.begin();
    for (const Draw& d : history) {
        if (!InRange(d, range) || !d.complete(game)) continue;
        const int n = NumberOf(d, game);
        const auto at = std::size_t(typeIndex[std::size_t(n)]);
        ++f.draws;
        ++counts[at];
        if (const std::string& places = placesOf[std::size_t(n)]; !places.empty()) ++placeCounts[at][places];
        // Both lists ascend by draw number: one walk finds every result.
        while (result != results.end() && result->drawNo < d.drawNo) ++result;
        if (result != results.end() && result->drawNo == d.drawNo)
            if (const auto& yen = result->prize(PrizeKind::Straight).yen) {
                prizeSums[at] += double(*yen);
                ++prized[at];
            }
    }

    std::vector<double> observed, expected;
    for (std::size_t i = 0; i < types.size(); ++i) {
        NumberTypeRow row;
        row.type = types[i];
        row.orders = OrdersOf(types[i], game);
        row.numbers = numbersOfType[i];
        row.count = counts[i];
        row.expectedShare = double(row.numbers) / numberCount;
        row.expected = f.draws * row.expectedShare;
        row.share = f.draws > 0 ? double(row.count) / f.draws : 0;
        row.prizedDraws = prized[i];
        if (prized[i] > 0) row.meanStraightYen = prizeSums[i] / prized[i];
        observed.push_back(row.count);
        expected.push_back(row.expected);
        f.rows.push_back(row);
        for (const auto& [places, numbers] : placesOfType[i]) {
            const auto seen = placeCounts[i].find(places);
            f.repeatPlaces.push_back({types[i], places, seen == placeCounts[i].end() ? 0 : seen->second,
                                      row.count * double(numbers) / row.numbers});
        }
    }
    f.df = int(types.size()) - 1;
    if (f.draws > 0) {
        f.chi2 = ChiSquare(observed.data(), expected.data(), int(observed.size()));
        f.p = ChiSquareP(*f.chi2, f.df);
    }
    f.verdict = !f.p ? std::string("データ不足") : std::string(*f.p < kVerdictLevel ? kVerdictBias : kVerdictChance);
    return f;
}

}  // namespace n3
