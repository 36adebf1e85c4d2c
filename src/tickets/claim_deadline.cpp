#include "tickets/claim_deadline.h"

#include "tickets/ticket_summary.h"

namespace n3 {

namespace {

bool Leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int Part(std::string_view date, std::size_t at, std::size_t length) {
    int value = 0;
    for (std::size_t i = at; i < at + length && i < date.size(); ++i) value = value * 10 + (date[i] - '0');
    return value;
}

// Days since 1970-01-01 of a proleptic Gregorian date.
long DayNumber(std::string_view date) {
    int y = Part(date, 0, 4);
    const int m = Part(date, 5, 2), d = Part(date, 8, 2);
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yearOfEra = y - era * 400;
    const long dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool LooksLikeDate(std::string_view date) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (date[i] < '0' || date[i] > '9') return false;
    return true;
}

}  // namespace

std::string YearAfter(std::string_view date) {
    if (!LooksLikeDate(date)) return {};
    const int y = Part(date, 0, 4) + 1;
    std::string out = std::to_string(y) + std::string(date.substr(4));
    if (date.substr(5) == "02-29" && !Leap(y)) out = std::to_string(y) + "-02-28";
    return out;
}

int DaysBetween(std::string_view from, std::string_view to) { return int(DayNumber(to) - DayNumber(from)); }

std::optional<ClaimDeadline> ClaimDeadlineOf(const DrawResult* result) {
    if (!result) return std::nullopt;
    if (LooksLikeDate(result->claimDeadline)) return ClaimDeadline{result->claimDeadline, false};
    if (!LooksLikeDate(result->date)) return std::nullopt;
    return ClaimDeadline{YearAfter(result->date), true};
}

std::string DeadlineText(const ClaimDeadline& deadline) {
    return deadline.estimated ? deadline.date + "（目安）" : deadline.date;
}

ClaimState ClaimStateOf(const Purchase& p, const DrawOutcome& o, const std::optional<ClaimDeadline>& deadline,
                        std::string_view today) {
    if (o.outcome != Outcome::Won && o.outcome != Outcome::PrizeUnknown) return ClaimState::NotWinning;
    if (p.受け取り済み) return ClaimState::Received;
    if (!deadline || !LooksLikeDate(today)) return ClaimState::Unknown;
    const int days = DaysBetween(today, deadline->date);
    if (days < 0) return ClaimState::Expired;
    return days <= kClaimWarningDays ? ClaimState::Due : ClaimState::Open;
}

std::string ClaimText(ClaimState state, const std::optional<ClaimDeadline>& deadline) {
    switch (state) {
    case ClaimState::NotWinning: return {};
    case ClaimState::Received: return "受け取り済み";
    case ClaimState::Unknown: return "期限不明";
    case ClaimState::Expired: return "期限切れ（" + DeadlineText(*deadline) + "）";
    case ClaimState::Open:
    case ClaimState::Due: return DeadlineText(*deadline);
    }
    return {};
}

void MarkExpired(const std::vector<Purchase>& book, std::vector<DrawOutcome>& outcomes, const ResultHistory& results,
                 std::string_view today) {
    for (DrawOutcome& o : outcomes) {
        if (o.purchase >= book.size() || (o.outcome != Outcome::Won && o.outcome != Outcome::PrizeUnknown)) continue;
        const auto deadline = ClaimDeadlineOf(FindResult(results, o.drawNo));
        o.expired = ClaimStateOf(book[o.purchase], o, deadline, today) == ClaimState::Expired;
    }
}

std::vector<ClaimWarning> ClaimWarnings(const std::vector<Purchase>& book, const std::vector<DrawOutcome>& outcomes,
                                        const ResultHistory& results, std::string_view today, ClaimState state) {
    std::vector<ClaimWarning> warnings;
    for (const DrawOutcome& o : outcomes) {
        if (o.purchase >= book.size()) continue;
        const auto deadline = ClaimDeadlineOf(FindResult(results, o.drawNo));
        if (ClaimStateOf(book[o.purchase], o, deadline, today) != state) continue;
        ClaimWarning w;
        w.purchaseId = book[o.purchase].id;
        w.drawNo = o.drawNo;
        w.prize = o.prize ? std::string(kPrizeKindNames[std::size_t(*o.prize)]) : std::string();
        if (o.outcome == Outcome::Won) w.yen = o.yen;
        w.deadline = *deadline;
        w.daysLeft = DaysBetween(today, deadline->date);
        warnings.push_back(std::move(w));
    }
    return warnings;
}

namespace {

std::string WarningList(const std::vector<ClaimWarning>& warnings, bool daysLeft) {
    std::string text;
    for (std::size_t i = 0; i < warnings.size(); ++i) {
        const ClaimWarning& w = warnings[i];
        if (i) text += "、";
        text += "第" + std::to_string(w.drawNo) + "回 " + w.prize + " " +
                (w.yen ? FormatYen(*w.yen) + "円" : std::string("金額不明")) + " 期限 " + DeadlineText(w.deadline);
        if (daysLeft) text += w.daysLeft == 0 ? "（今日まで）" : "（あと" + std::to_string(w.daysLeft) + "日）";
    }
    return text;
}

}  // namespace

std::string ClaimWarningText(const std::vector<ClaimWarning>& warnings) {
    if (warnings.empty()) return {};
    return "当せん金の支払期限が近い券があります: " + WarningList(warnings, true);
}

std::string ExpiredClaimText(const std::vector<ClaimWarning>& expired) {
    if (expired.empty()) return {};
    return "受け取っていない当せん金が期限切れになりました: " + WarningList(expired, false) +
           "。受け取った券は「受け取り済み」にしてください。";
}

std::string ReceivedQuestion(const Purchase& p, const DrawOutcome& o, bool received) {
    std::string ticket = "第" + std::to_string(o.drawNo) + "回 ";
    if (o.prize) {
        ticket += std::string(kPrizeKindNames[std::size_t(*o.prize)]) + " " + p.番号 + " 当せん " +
                  (o.outcome == Outcome::Won ? FormatYen(o.yen) + "円" : std::string("金額不明"));
    } else {
        ticket += std::string(TicketKindCaption(p.種類)) + " " + p.番号;
    }
    return ticket + (received ? "を受け取り済みにしますか？" : "の受け取り済みを取り消しますか？");
}

}  // namespace n3
