#include "tickets/ticket_report.h"
#include "io/text_escape.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "io/echo_text.h"
#include "tickets/claim_deadline.h"

namespace n3 {

namespace {

std::string PercentNumber(std::optional<double> p) {
    if (!p) return "";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", *p);
    return text;
}

std::string JsonPercent(std::optional<double> p) { return p ? PercentNumber(p) : "null"; }

std::string TotalsJson(const BookTotals& t) {
    return "{\"purchases\":" + std::to_string(t.purchases) + ",\"units\":" + std::to_string(t.units) +
           ",\"spent\":" + std::to_string(t.spent) + ",\"won\":" + std::to_string(t.won) +
           ",\"expiredYen\":" + std::to_string(t.expiredYen) + ",\"balance\":" + std::to_string(t.balance()) +
           ",\"returnPercent\":" + JsonPercent(t.returnPercent()) + ",\"wins\":" + std::to_string(t.wins) +
           ",\"pending\":" + std::to_string(t.pending) + ",\"prizesUnknown\":" + std::to_string(t.prizesUnknown) + "}";
}

std::string MonthCsv(const std::string& name, const BookTotals& t, const std::string& cumulative) {
    return name + ',' + std::to_string(t.purchases) + ',' + std::to_string(t.units) + ',' + std::to_string(t.spent) +
           ',' + std::to_string(t.won) + ',' + std::to_string(t.expiredYen) + ',' + std::to_string(t.balance()) + ',' +
           cumulative + ',' + PercentNumber(t.returnPercent()) + "\r\n";
}

// A stored text as a terminal line may show it: control characters (a
// terminal's escapes among them) as "?", and no longer than a memo may be.
std::string Shown(const std::string& text) { return EchoText(text, kMaxMemoBytes); }

// The deadline of a winning draw and what the book says of it.
struct Claim {
    std::optional<ClaimDeadline> deadline;
    ClaimState state = ClaimState::NotWinning;
};

Claim ClaimOf(const TicketReport& r, const DrawOutcome& o) {
    Claim c;
    // Only a win has a deadline: the rest are never looked up.
    if (!r.results || (o.outcome != Outcome::Won && o.outcome != Outcome::PrizeUnknown)) return c;
    c.deadline = ClaimDeadlineOf(FindResult(*r.results, o.drawNo));
    c.state = ClaimStateOf(r.book[o.purchase], o, c.deadline, r.today);
    return c;
}

std::string JsonBool(bool value) { return value ? "true" : "false"; }

// A whole report in one string, for the window and the tests.
template <class Write>
std::string Whole(const TicketReport& r, Write write) {
    std::ostringstream out;
    write(r, out);
    return std::move(out).str();
}

// One line made in a buffer kept between lines, then put out.
void PutLine(std::ostream& out, std::string& line) {
    out.write(line.data(), std::streamsize(line.size()));
    line.clear();
}

}  // namespace

std::string OutcomeYenText(const DrawOutcome& o) {
    switch (o.outcome) {
    case Outcome::Won: return std::to_string(o.yen);
    case Outcome::Lost: return "0";
    default: return "";
    }
}

void WriteTicketReportText(const TicketReport& r, std::ostream& stream) {
    std::string out =
        "   id  購入日      回数   番号 種類       口数  抽せん 結果                     当せん金  支払期限\n";
    char line[512];
    for (const DrawOutcome& o : r.outcomes) {
        const Purchase& p = r.book[o.purchase];
        const std::string type(TicketKindCaption(p.種類));
        const bool won = o.outcome == Outcome::Won;
        const std::string yen = won && !o.expired ? FormatYen(o.yen) + " 円" : "";
        const Claim claim = ClaimOf(r, o);
        std::snprintf(line, sizeof line, "%5lld  %s  %5d  %-3s  %s  %2d口  %-3s  %s  %s", static_cast<long long>(p.id),
                      Shown(p.購入日).c_str(), o.drawNo, Shown(p.番号).c_str(), type.c_str(), p.口数,
                      DrawnText(o).empty() ? "---" : DrawnText(o).c_str(), OutcomeText(o).c_str(), yen.c_str());
        out += line;
        if (const std::string text = ClaimText(claim.state, claim.deadline); !text.empty()) out += "  " + text;
        if (won && o.expired) out += "  失効 " + FormatYen(o.yen) + "円";
        if (claim.state == ClaimState::Expired || claim.state == ClaimState::Unknown ||
            claim.state == ClaimState::Open || claim.state == ClaimState::Due)
            out += "  未受け取り";
        out += '\n';
        PutLine(stream, out);
    }
    out += "\n月別\n";
    for (const MonthTotals& m : r.summary.months)
        out += m.month + "  " + SummaryLine(m.totals) + "　累計収支 " + FormatYen(m.cumulativeBalance) + " 円\n";
    out += "\n合計  " + SummaryLine(r.summary.totals) + "\n";
    // A book of more than one game: each game's purchases apart.
    if (std::count_if(r.summary.games.begin(), r.summary.games.end(),
                      [](const BookTotals& t) { return t.purchases > 0; }) > 1)
        for (std::size_t g = 0; g < kGames.size(); ++g)
            if (r.summary.games[g].purchases > 0)
                out += std::string(kGames[g]->name) + "  " + SummaryLine(r.summary.games[g]) + "\n";
    PutLine(stream, out);
}

std::string TicketReportText(const TicketReport& r) { return Whole(r, WriteTicketReportText); }

void WriteTicketReportCsv(const TicketReport& r, std::ostream& stream) {
    std::string out =
        "id,購入日,最初の回数,継続回数,番号,種類,口数,メモ,回数,抽せん数字,結果,当せん金,支払期限,期限の目安,"
        "受け取り済み,期限切れ\r\n";
    for (const DrawOutcome& o : r.outcomes) {
        const Purchase& p = r.book[o.purchase];
        out += std::to_string(p.id) + ',' + p.購入日 + ',' + std::to_string(p.最初の回数) + ',' +
               std::to_string(p.継続回数) + ',' + p.番号 + ',' + std::string(TicketKindCaption(p.種類)) + ',' +
               std::to_string(p.口数) + ',' + CsvField(p.メモ) + ',' + std::to_string(o.drawNo) + ',' + DrawnText(o) +
               ',' + OutcomeText(o) + ',' + OutcomeYenText(o);
        const Claim claim = ClaimOf(r, o);
        const bool winning = claim.state != ClaimState::NotWinning;
        out += ',' + (winning && claim.deadline ? claim.deadline->date : std::string()) + ',' +
               (winning && claim.deadline && claim.deadline->estimated ? "1"
                : winning && claim.deadline                            ? "0"
                                                                       : "") +
               ',' + (p.受け取り済み ? "1" : "0") + ',' + (claim.state == ClaimState::Expired ? "1" : "0") + "\r\n";
        PutLine(stream, out);
    }
    out += "\r\n月,購入件数,口数,購入金額,当せん金,失効,収支,累計収支,回収率\r\n";
    for (const MonthTotals& m : r.summary.months)
        out += MonthCsv(m.month, m.totals, std::to_string(m.cumulativeBalance));
    out += MonthCsv("合計", r.summary.totals, std::to_string(r.summary.totals.balance()));
    PutLine(stream, out);
}

std::string TicketReportCsv(const TicketReport& r) { return Whole(r, WriteTicketReportCsv); }

void WriteTicketReportJson(const TicketReport& r, std::ostream& stream) {
    std::string out = "{\"outcomes\":[";
    for (std::size_t i = 0; i < r.outcomes.size(); ++i) {
        const DrawOutcome& o = r.outcomes[i];
        const Purchase& p = r.book[o.purchase];
        if (i) out += ',';
        out += "\n{\"id\":" + std::to_string(p.id) + ",\"date\":" + JsonString(p.購入日) +
               ",\"number\":" + JsonString(p.番号) + ",\"type\":" + JsonString(std::string(TicketKindCaption(p.種類))) +
               ",\"units\":" + std::to_string(p.口数) + ",\"draw\":" + std::to_string(o.drawNo) +
               ",\"drawn\":" + (o.drawn < 0 ? "null" : JsonString(DrawnText(o))) +
               ",\"outcome\":" + JsonString(OutcomeText(o)) +
               ",\"yen\":" + (o.outcome == Outcome::Won || o.outcome == Outcome::Lost ? std::to_string(o.yen) : "null");
        const Claim claim = ClaimOf(r, o);
        const bool deadline = claim.state != ClaimState::NotWinning && claim.deadline.has_value();
        out += ",\"claimDeadline\":" + (deadline ? JsonString(claim.deadline->date) : std::string("null")) +
               ",\"claimDeadlineEstimated\":" + (deadline ? JsonBool(claim.deadline->estimated) : "null") +
               ",\"received\":" + JsonBool(p.受け取り済み) +
               ",\"expired\":" + JsonBool(claim.state == ClaimState::Expired) +
               ",\"game\":" + std::to_string(p.game->id) + "}";
        PutLine(stream, out);
    }
    out += "],\n\"months\":[";
    for (std::size_t i = 0; i < r.summary.months.size(); ++i) {
        const MonthTotals& m = r.summary.months[i];
        if (i) out += ',';
        out += "\n{\"month\":" + JsonString(m.month) + ",\"totals\":" + TotalsJson(m.totals) +
               ",\"cumulativeBalance\":" + std::to_string(m.cumulativeBalance) + "}";
    }
    out += "],\n\"total\":" + TotalsJson(r.summary.totals) +
           ",\"theoreticalReturnPercent\":" + PercentNumber(kTheoreticalReturnPercent) + ",\n\"games\":[";
    // The totals of each game's purchases, after the members every reader knows.
    for (std::size_t g = 0; g < kGames.size(); ++g)
        out += std::string(g ? "," : "") + "\n{\"game\":" + std::to_string(kGames[g]->id) +
               ",\"totals\":" + TotalsJson(r.summary.games[g]) + "}";
    out += "]}\n";
    PutLine(stream, out);
}

std::string TicketReportJson(const TicketReport& r) { return Whole(r, WriteTicketReportJson); }

std::string TicketListText(const std::vector<Purchase>& book) {
    std::string out;
    char line[512];
    for (const Purchase& p : book) {
        std::snprintf(line, sizeof line, "%lld  %s  第%d回〜第%d回  %s  %s  %d口  %s円", static_cast<long long>(p.id),
                      Shown(p.購入日).c_str(), p.最初の回数, p.lastDraw(), Shown(p.番号).c_str(),
                      std::string(TicketKindCaption(p.種類)).c_str(), p.口数, FormatYen(p.cost()).c_str());
        out += line;
        if (!p.メモ.empty()) out += "  " + Shown(p.メモ);
        out += '\n';
    }
    return out;
}

}  // namespace n3
