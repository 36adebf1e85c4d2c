#include "analysis/number_lookup.h"

#include "core/estimated_date_text.h"
#include "core/number_rules.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace n3 {

namespace {

// The digits of `text` (half- or full-width), with spaces (half- or
// full-width) allowed only around them; nullopt on anything else.
std::optional<std::string> DigitsOf(std::string_view text) {
    std::string digits;
    bool ended = false;  // a space after the digits
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == ' ' || c == '\t') {
            ended = !digits.empty();
            ++i;
        } else if (text.substr(i, 3) == "\xE3\x80\x80") {  // 全角空白
            ended = !digits.empty();
            i += 3;
        } else if (c >= '0' && c <= '9') {
            if (ended) return std::nullopt;
            digits.push_back(char(c));
            ++i;
        } else if (i + 2 < text.size() && c == 0xEF && static_cast<unsigned char>(text[i + 1]) == 0xBC &&
                   static_cast<unsigned char>(text[i + 2]) >= 0x90 && static_cast<unsigned char>(text[i + 2]) <= 0x99) {
            if (ended) return std::nullopt;
            digits.push_back(char('0' + (static_cast<unsigned char>(text[i + 2]) - 0x90)));
            i += 3;
        } else {
            return std::nullopt;
        }
    }
    return digits;
}

std::optional<int> ParseDigits(std::string_view text, std::size_t length) {
    const auto digits = DigitsOf(text);
    if (!digits || digits->size() != length) return std::nullopt;
    return std::stoi(*digits);
}

std::string DateOf(const ResultHistory& results, int drawNo) {
    const DrawResult* r = results.empty() ? nullptr : FindResult(results, drawNo);
    // As it is shown: an estimated date carries its mark.
    return r ? ShownDate(r->date, r->dateEstimated) : std::string();
}

}  // namespace

std::optional<int> ParseNumberText(std::string_view text, const Game& game) {
    return ParseDigits(text, std::size_t(TicketDigits(TicketKind::Straight, game)));
}
std::optional<int> ParseMiniText(std::string_view text) {
    return ParseDigits(text, std::size_t(TicketDigits(TicketKind::Mini)));
}

NumberLookup LookUpNumber(const DrawHistory& history, const ResultHistory& results, DrawRange range, int number,
                          const Game& game) {
    NumberLookup out;
    out.number = number;
    const int key = BoxKey(number, game);
    const bool sellsMini = game.offers(TicketKind::Mini);
    const int mini = MiniOf(number, game);
    // Which numbers share the number's box and which its ミニ, worked out
    // once here rather than once a draw.
    const auto count = std::size_t(game.numberCount());
    std::vector<bool> sameBox(count), sameMini(count);
    for (std::size_t n = 0; n < count; ++n) {
        sameBox[n] = BoxKey(int(n), game) == key;
        sameMini[n] = sellsMini && MiniOf(int(n), game) == mini;
    }
    // Positions are counted among the complete draws in the range, so gaps
    // and "since" skip the draws that are missing or incomplete.
    int lastStraightAt = -1, lastBoxAt = -1, lastMiniAt = -1;
    long long gapSum = 0;
    int gaps = 0;
    for (const Draw& d : history) {
        if (!d.complete(game) || d.drawNo < 1 || d.drawNo > kMaxDrawNo || !range.contains(d.drawNo)) continue;
        const int at = out.draws++;
        if (out.firstDrawNo == 0) out.firstDrawNo = d.drawNo;
        out.lastDrawNo = d.drawNo;
        const int drawn = NumberOf(d, game);
        if (sameMini[std::size_t(drawn)]) {
            ++out.miniCount;
            out.lastMini = d.drawNo;
            lastMiniAt = at;
        }
        if (!sameBox[std::size_t(drawn)]) continue;
        ++out.boxCount;
        out.lastBox = d.drawNo;
        lastBoxAt = at;
        const bool straight = drawn == number;
        out.hits.push_back({d.drawNo, {}, NumberText(drawn, game), straight, std::nullopt, std::nullopt});
        if (!straight) continue;
        if (lastStraightAt >= 0) {
            const int gap = at - lastStraightAt;
            gapSum += gap;
            ++gaps;
            out.longestGap = std::max(out.longestGap.value_or(0), gap);
        }
        ++out.straightCount;
        out.lastStraight = d.drawNo;
        lastStraightAt = at;
    }
    const double numbers = game.numberCount();
    out.straightExpected = out.draws / numbers;
    out.boxExpected = out.draws * NumberOrders(number, game) / numbers;
    if (sellsMini) out.miniExpected = out.draws / std::pow(10.0, game.miniDigits);
    if (gaps > 0) out.averageGap = double(gapSum) / gaps;
    if (lastStraightAt >= 0) out.sinceStraight = out.draws - 1 - lastStraightAt;
    if (lastBoxAt >= 0) out.sinceBox = out.draws - 1 - lastBoxAt;
    if (lastMiniAt >= 0) out.sinceMini = out.draws - 1 - lastMiniAt;
    if (out.lastStraight) out.lastStraightDate = DateOf(results, *out.lastStraight);
    if (out.lastBox) out.lastBoxDate = DateOf(results, *out.lastBox);
    if (out.lastMini) out.lastMiniDate = DateOf(results, *out.lastMini);
    std::reverse(out.hits.begin(), out.hits.end());
    for (NumberHit& hit : out.hits) hit.date = DateOf(results, hit.drawNo);
    return out;
}

}  // namespace n3
