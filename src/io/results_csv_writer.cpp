#include "io/results_csv_writer.h"

namespace n3 {

namespace {

static_assert(std::size_t(PrizeKind::Mini) == kPrizeKindCount - 1, "ミニ is the last kind of prize");

// The prize kinds the game pays: ミニ only where ミニ is sold.
std::size_t PaidKinds(const Game& game) {
    return game.offers(TicketKind::Mini) ? kPrizeKindCount : kPrizeKindCount - 1;
}

}  // namespace

std::string ResultsCsvHeader(const Game& game) {
    std::string header = "回号,抽せん日";
    for (int i = 0; i < game.digits; ++i) header += ",第" + std::to_string(i + 1) + "数字";
    for (const char* figure : {"口数", "当選金額"})
        for (std::size_t k = 0; k < PaidKinds(game); ++k) header += "," + std::string(kPrizeKindNames[k]) + figure;
    return header;
}

std::string WriteResultsCsv(const DrawHistory& history, const ResultHistory& results, const Game& game) {
    std::string out;
    out.reserve(kResultsCsvHeader.size() + history.size() * 24 + results.size() * 48);
    out += ResultsCsvHeader(game);
    out += '\n';
    const std::size_t kinds = PaidKinds(game);
    auto figure = [&out](const std::optional<std::int64_t>& v) {
        out += ',';
        if (v) out += std::to_string(*v);
    };
    const std::array<Prize, kPrizeKindCount> none{};
    for (const Draw& d : history) {
        const DrawResult* r = FindResult(results, d.drawNo);
        out += std::to_string(d.drawNo);
        out += ',';
        // An estimated date is no published one: it is left out, so that
        // reading the file back never stores it as published.
        if (r && !r->dateEstimated) out += r->date;
        for (int i = 0; i < game.digits; ++i) {
            out += ',';
            if (const auto& digit = d.digits[std::size_t(i)]) out += char('0' + *digit);
        }
        const auto& prizes = r ? r->prizes : none;
        for (std::size_t k = 0; k < kinds; ++k) figure(prizes[k].winners);
        for (std::size_t k = 0; k < kinds; ++k) figure(prizes[k].yen);
        out += '\n';
    }
    return out;
}

}  // namespace n3
