#include "core/result_fill_in.h"

namespace n3 {

namespace {

std::string Grouped(std::int64_t value) {
    std::string digits = std::to_string(value);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0 && digits[i - 1] != '-') out += ',';
        out += digits[i];
    }
    return out;
}

class Merge {
public:
    Merge(FilledResult& out, bool replace) : out_(out), replace_(replace) {}

    void figure(std::optional<std::int64_t>& stored, const std::optional<std::int64_t>& incoming,
                const std::string& field, const char* unit) {
        if (!incoming || stored == incoming) return;
        if (!stored) {
            stored = incoming;
            ++out_.filled;
        } else if (replace_) {
            stored = incoming;
            ++out_.replaced;
        } else {
            out_.differences.push_back({out_.result.drawNo, field, Grouped(*stored) + unit, Grouped(*incoming) + unit});
        }
    }

    void text(std::string& stored, const std::string& incoming, const std::string& field) {
        if (incoming.empty() || stored == incoming) return;
        if (stored.empty()) {
            stored = incoming;
            ++out_.filled;
        } else if (replace_) {
            stored = incoming;
            ++out_.replaced;
        } else {
            out_.differences.push_back({out_.result.drawNo, field, stored, incoming});
        }
    }

private:
    FilledResult& out_;
    bool replace_;
};

}  // namespace

FilledResult FillIn(const DrawResult* stored, const DrawResult& incoming, bool replaceDiffering) {
    FilledResult out;
    if (stored) {
        out.result = *stored;
    } else {
        out.result.drawNo = incoming.drawNo;
    }
    DrawResult& r = out.result;
    Merge merge(out, replaceDiffering);

    if (!incoming.date.empty() && !incoming.dateEstimated) {
        if (r.date.empty() || r.dateEstimated) {
            // Unknown, or the schedule's guess: the published date is taken.
            r.date = incoming.date;
            r.dateEstimated = false;
            ++out.filled;
        } else {
            merge.text(r.date, incoming.date, "抽せん日");
        }
    }
    for (std::size_t k = 0; k < kPrizeKindCount; ++k) {
        Prize& p = r.prizes[k];
        const Prize& in = incoming.prizes[k];
        const std::string kind(kPrizeKindNames[k]);
        if (!p.yen && in.yen && p.winners == 0 && !in.winners) p.winners.reset();
        merge.figure(p.winners, in.winners, kind + " 口数", "口");
        merge.figure(p.yen, in.yen, kind + " 当せん金額", "円");
    }
    merge.text(r.claimDeadline, incoming.claimDeadline, "支払期限");
    return out;
}

std::string DescribeDifferences(const std::vector<ResultDifference>& differences, std::size_t shown,
                                std::string_view incomingName) {
    std::string text;
    for (std::size_t i = 0; i < differences.size() && i < shown; ++i) {
        const ResultDifference& d = differences[i];
        text += "第" + std::to_string(d.drawNo) + "回 " + d.field + "：データベースでは「" + d.stored + "」、" +
                std::string(incomingName) + "では「" + d.incoming + "」\n";
    }
    if (differences.size() > shown) text += "ほか " + std::to_string(differences.size() - shown) + " 件\n";
    return text;
}

}  // namespace n3
