#include "tickets/ticket.h"

#include "core/calendar.h"
#include "core/draw.h"
#include "core/number_rules.h"
#include "io/echo_text.h"

namespace n3 {

namespace {

bool AllDigits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

int Number(std::string_view s) {
    int v = 0;
    for (char c : s) v = v * 10 + (c - '0');
    return v;
}

}  // namespace

bool IsValidDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    const std::string_view y = text.substr(0, 4), m = text.substr(5, 2), d = text.substr(8, 2);
    if (!AllDigits(y) || !AllDigits(m) || !AllDigits(d)) return false;
    const int year = Number(y), month = Number(m), day = Number(d);
    if (year < 1900 || month < 1 || month > 12 || day < 1) return false;
    static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (day > kDays[month - 1]) return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return !(month == 2 && day == 29 && !leap);
}

std::string PurchaseError(const Purchase& p) {
    if (!IsValidDate(p.購入日)) return "購入日「" + EchoText(p.購入日) + "」は YYYY-MM-DD の日付ではありません。";
    if (!WithinDrawYears(p.購入日))
        return "購入日「" + p.購入日 + "」は " + std::string(kFirstDrawDate) + "〜" + std::string(kLastAcceptedDate) +
               " の日付で指定してください。";
    if (p.最初の回数 < 1 || p.最初の回数 > kMaxDrawNo)
        return "最初の回数は 1〜" + std::to_string(kMaxDrawNo) + " で指定してください。";
    if (p.継続回数 < 1 || p.継続回数 > kMaxCoveredDraws)
        return "継続回数は 1〜" + std::to_string(kMaxCoveredDraws) + " で指定してください。";
    if (p.lastDraw() > kMaxDrawNo) return "最後の回数が " + std::to_string(kMaxDrawNo) + " を超えます。";
    const Game& game = *p.game;
    if (!game.offers(p.種類))
        return std::string(game.name) + "に" + std::string(TicketKindCaption(p.種類)) + "はありません。";
    const std::optional<int> number = ParseTicketNumber(p.種類, p.番号, game);
    if (!number)
        return "番号「" + EchoText(p.番号) + "」は" + std::string(TicketKindCaption(p.種類)) + "では " +
               std::to_string(TicketDigits(p.種類, game)) + " 桁の数字で指定してください。";
    // A number of all-alike digits has one order only: there is no box to
    // win, and a set is half a box, so neither is sold for it.
    if (p.種類 != TicketKind::Mini && !SellsFor(p.種類, *number, game))
        return "ゾロ目（" + p.番号 + "）は" + std::string(TicketKindCaption(p.種類)) + "では買えません。";
    if (p.口数 < 1 || p.口数 > kMaxUnits) return "口数は 1〜" + std::to_string(kMaxUnits) + " で指定してください。";
    if (p.メモ.find_first_of("\r\n") != std::string::npos) return "メモに改行は入れられません。";
    return {};
}

std::string NewMemoError(std::string_view memo) {
    for (const char c : memo)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7f)
            return "メモに制御文字は入れられません（「" + EchoText(memo) + "」）。";
    if (memo.size() > kMaxMemoBytes)
        return "メモが長すぎます（" + std::to_string(kMaxMemoBytes / 3) + " 文字まで）：「" + EchoText(memo) + "」";
    return {};
}

}  // namespace n3
