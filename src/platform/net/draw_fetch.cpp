#include "platform/net/draw_fetch.h"

#include "io/draw_update_index.h"

namespace n3 {

DrawFetch FetchDraw(HttpClient& http, const std::string& folder, int drawNo, const ResultHistory& stored,
                    std::string_view today, const std::function<bool()>& cancelled) {
    DrawFetch out;
    const HttpResponse file = http.Get(folder + DrawFileName(drawNo), cancelled);
    if (file.outcome == HttpResponse::Outcome::Cancelled) {
        out.cancelled = true;
        return out;
    }
    if (!file.ok()) {
        out.fetched.reason = file.reason;
        return out;
    }
    out.fetched = CheckFetchedDrawFile(file.body, drawNo);
    if (!out.fetched.ok()) return out;
    const std::string date = out.fetched.result ? out.fetched.result->date : std::string();
    if (date.empty()) {
        // The bank's files always give the draw's date: one without it is
        // not the bank's, and a draw stored from it would carry a guess.
        out.fetched = FetchedDraw{};
        out.fetched.reason = "第" + std::to_string(drawNo) + "回のファイルに抽せん日がありません（取り込んでいません）";
        return out;
    }
    const DrawFit fit = CheckDrawFits(drawNo, date, NeighboursOf(stored, drawNo), today);
    if (!fit.ok()) {
        out.fetched = FetchedDraw{};
        out.fetched.reason = fit.refusal;
        return out;
    }
    out.note = fit.note;
    return out;
}

}  // namespace n3
