#include "io/results_csv_writer.h"

namespace n3 {

std::string WriteResultsCsv(const DrawHistory& history, const ResultHistory& results) {
    std::string out;
    out.reserve(kResultsCsvHeader.size() + history.size() * 24 + results.size() * 48);
    out += kResultsCsvHeader;
    out += '\n';
    auto figure = [&out](const std::optional<std::int64_t>& v) {
        out += ',';
        if (v) out += std::to_string(*v);
    };
    for (const Draw& d : history) {
        const DrawResult* r = FindResult(results, d.drawNo);
        out += std::to_string(d.drawNo);
        out += ',';
        // An estimated date is no published one: it is left out, so that
        // reading the file back never stores it as published.
        if (r && !r->dateEstimated) out += r->date;
        for (int i = 0; i < kNumbers3.digits; ++i) {
            out += ',';
            if (const auto& digit = d.digits[std::size_t(i)]) out += char('0' + *digit);
        }
        for (const Prize& p : r ? r->prizes : std::array<Prize, kPrizeKindCount>{}) figure(p.winners);
        for (const Prize& p : r ? r->prizes : std::array<Prize, kPrizeKindCount>{}) figure(p.yen);
        out += '\n';
    }
    return out;
}

}  // namespace n3
