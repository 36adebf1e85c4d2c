#include "app/cli/number_windows_json.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "app/cli/json_numbers.h"
#include "io/text_escape.h"

namespace n3 {

namespace {

std::string JsonInt(const std::optional<int>& value) { return value ? std::to_string(*value) : "null"; }

std::string JsonYen(const std::optional<double>& yen) { return yen ? std::to_string(std::llround(*yen)) : "null"; }

}  // namespace

std::string NumberLookupJsonMembers(const NumberLookupDetails& details) {
    const Game& game = *details.all.game;
    std::ostringstream out;
    out << "\"lookup\": ";
    if (const auto& l = details.lookup) {
        out << "{\"number\": " << JsonString(NumberText(l->number, game)) << ", \"draws\": " << l->draws
            << ", \"straightCount\": " << l->straightCount
            << ", \"straightExpected\": " << JsonNumber(l->straightExpected) << ", \"boxCount\": " << l->boxCount
            << ", \"boxExpected\": " << JsonNumber(l->boxExpected) << ", \"miniCount\": " << l->miniCount
            << ", \"miniExpected\": " << JsonNumber(l->miniExpected)
            << ", \"lastStraight\": " << JsonInt(l->lastStraight) << ", \"lastBox\": " << JsonInt(l->lastBox)
            << ", \"lastMini\": " << JsonInt(l->lastMini) << ", \"sinceStraight\": " << JsonInt(l->sinceStraight)
            << ", \"sinceBox\": " << JsonInt(l->sinceBox) << ", \"sinceMini\": " << JsonInt(l->sinceMini)
            << ", \"payoutWins\": " << (details.payout ? std::to_string(details.payout->wins) : std::string("null"))
            << ", \"payoutFactor\": " << JsonOptional(details.payout ? details.payout->factor : std::nullopt)
            << ", \"payoutShrunk\": " << JsonOptional(details.payout ? details.payout->shrunk : std::nullopt) << "}";
    } else {
        out << "null";
    }
    out << ", \"numbers\": [";
    for (int n = 0; n < int(details.all.rows.size()); ++n) {
        const NumberRow& r = details.all.rows[std::size_t(n)];
        if (n) out << ", ";
        out << "{\"number\": " << JsonString(NumberText(n, game))
            << ", \"type\": " << JsonString(TypeName(TypeOf(n, game))) << ", \"straightCount\": " << r.straightCount
            << ", \"boxCount\": " << r.boxCount << ", \"lastStraight\": " << JsonInt(r.lastStraight)
            << ", \"lastBox\": " << JsonInt(r.lastBox) << ", \"sinceBox\": " << JsonInt(r.sinceBox) << "}";
    }
    out << "]";
    return out.str();
}

std::string NextDrawJsonMember(const NextDrawCard& card) {
    std::ostringstream out;
    // The next date is the schedule's, always estimated; the latest draw's
    // may be published or estimated.
    out << "\"next\": {\"draw\": " << card.drawNo << ", \"date\": " << (card.date ? JsonString(*card.date) : "null")
        << ", \"dateEstimated\": " << (card.date ? "true" : "null") << ", \"latestDraw\": " << card.latestDrawNo
        << ", \"latestDate\": " << (card.latestDate.empty() ? "null" : JsonString(card.latestDate))
        << ", \"latestDateEstimated\": "
        << (card.latestDate.empty()    ? "null"
            : card.latestDateEstimated ? "true"
                                       : "false")
        << ", \"kinds\": [";
    for (std::size_t k = 0; k < card.kinds.size(); ++k) {
        const KindOdds& o = card.kinds[k];
        if (k) out << ", ";
        out << "{\"kind\": " << JsonString(o.kind) << ", \"chance\": " << JsonNumber(o.chance)
            << ", \"averagePrize\": " << JsonYen(o.averagePrize) << ", \"prizeDraws\": " << o.prizeDraws
            << ", \"returnPer200\": " << JsonYen(o.returnPer200)
            << ", \"allTimeAveragePrize\": " << JsonYen(o.allTimeAverage)
            << ", \"allTimePrizeDraws\": " << o.allTimeDraws
            << ", \"allTimeReturnPer200\": " << JsonYen(o.allTimeReturnPer200) << "}";
    }
    const NextDrawPayout& p = card.payout;
    out << "], \"payout\": {\"number\": " << (p.number ? JsonString(NumberText(*p.number)) : std::string("null"))
        << ", \"returns\": [";
    for (std::size_t i = 0; i < p.returns.size(); ++i) {
        const NumberReturn& r = p.returns[i];
        if (i) out << ", ";
        out << "{\"kind\": " << JsonString(r.kind) << ", \"returnPer200\": " << JsonYen(r.plainPer200)
            << ", \"shrunk\": " << JsonOptional(r.shrunk) << ", \"estimatedPer200\": " << JsonYen(r.estimatedPer200)
            << "}";
    }
    const auto ranked = [&out](const char* name, const std::vector<RankedNumber>& numbers) {
        out << ", \"" << name << "\": [";
        for (std::size_t i = 0; i < numbers.size(); ++i)
            out << (i ? ", " : "") << "{\"number\": " << JsonString(NumberText(numbers[i].number))
                << ", \"shrunk\": " << JsonNumber(numbers[i].shrunk) << "}";
        out << "]";
    };
    out << "]";
    ranked("highest", p.highest);
    ranked("lowest", p.lowest);
    out << "}}";
    return out.str();
}

}  // namespace n3
