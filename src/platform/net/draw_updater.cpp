#include "platform/net/draw_updater.h"

#include <algorithm>

#include "core/estimated_date_text.h"
#include "io/draw_update_index.h"
#include "io/draw_update_texts.h"
#include "io/fetched_draw_file.h"

namespace n3 {

namespace {

using Status = UpdateOutcome::Status;

// The newest complete draw of the store and its date.
std::string NewestText(const DrawStore& store) {
    const DrawHistory history = store.ReadHistory();
    int newest = 0;
    for (const Draw& d : history)
        if (d.complete()) newest = std::max(newest, d.回数);
    const ResultHistory results = ReadResults(store);
    const DrawResult* r = FindResult(results, newest);
    return NothingNewText(newest, r ? ShownDate(r->date, r->dateEstimated) : std::string());
}

void AppendStored(UpdateOutcome& out) {
    if (out.storedDraws.empty()) {
        out.message += "\n取り込んだ回はありません。";
        return;
    }
    out.message +=
        "\nそれまでの分は取り込み済みです：" +
        UpdateSummaryText(out.storedDraws.front(), out.storedDraws.back(), int(out.storedDraws.size()), out.results);
}

}  // namespace

UpdateOutcome UpdateDraws(Database& database, const std::string& source, HttpClient& http, const UpdateEvents& events) {
    UpdateOutcome out;
    DrawStore& store = database.draws();
    if (auto bad = CheckUpdateSource(source)) {
        out.message = *bad;
        return out;
    }
    const auto cancelled = [&] { return events.cancelled && events.cancelled(); };
    try {
        const std::string indexUrl = source + std::string(kUpdateIndexFile);
        const HttpResponse index = http.Get(indexUrl, events.cancelled);
        if (index.outcome == HttpResponse::Outcome::Cancelled) {
            out.status = Status::Cancelled;
            out.message = "取り消しました。";
            return out;
        }
        if (!index.ok()) {
            out.message = "当選データの一覧（" + indexUrl + "）を取得できません：" + index.reason;
            return out;
        }
        const std::vector<int> listed = ParseDrawIndex(index.body);
        if (listed.empty()) {
            out.message = "当選データの一覧（" + indexUrl + "）に「第N回」の行がありません";
            return out;
        }
        const std::vector<int> plan = PlanDrawsToFetch(listed, store.ReadHistory(), ReadResults(store));
        if (plan.empty()) {
            out.status = Status::NothingNew;
            out.message = NewestText(store);
            return out;
        }
        for (std::size_t i = 0; i < plan.size(); ++i) {
            const int no = plan[i];
            if (events.progress) events.progress(int(i), int(plan.size()), no);
            if (cancelled()) {
                out.status = Status::Cancelled;
                break;
            }
            const HttpResponse file = http.Get(source + DrawFileName(no), events.cancelled);
            if (file.outcome == HttpResponse::Outcome::Cancelled) {
                out.status = Status::Cancelled;
                break;
            }
            FetchedDraw fetched;
            if (file.ok())
                fetched = CheckFetchedDrawFile(file.body, no);
            else
                fetched.reason = file.reason;
            if (!fetched.ok()) {
                out.status = Status::Failed;
                out.message = UpdateStoppedText(no, fetched.reason);
                AppendStored(out);
                return out;
            }
            ResultHistory results;
            if (fetched.result) results.push_back(*fetched.result);
            ResultImport stored = database.Import({fetched.draw}, results, false);
            if (!stored.ok()) {
                const DigitConflict conflict = stored.conflicts.front();
                if (!events.replaceDiffering || !events.replaceDiffering(conflict)) {
                    out.status = Status::Failed;
                    out.conflict = conflict;
                    out.message =
                        UpdateStoppedText(no, "データベースの当選番号「" + conflict.stored + "」と取得した当選番号「" +
                                                  conflict.incoming + "」が違います（置き換えていません）");
                    AppendStored(out);
                    return out;
                }
                stored = database.Import({fetched.draw}, results, true);
            }
            out.storedDraws.push_back(no);
            if (fetched.result) ++out.results;
            if (events.stored) events.stored(fetched.draw, fetched.result ? fetched.result->date : std::string());
        }
        if (events.progress && out.status != Status::Cancelled)
            events.progress(int(plan.size()), int(plan.size()), plan.back());
    } catch (const StoreError& e) {
        out.status = Status::Failed;
        out.message = std::string("データベースに書き込めません：") + e.what();
        AppendStored(out);
        return out;
    }
    if (out.status == Status::Cancelled) {
        out.message = "取り消しました。";
        AppendStored(out);
        return out;
    }
    out.status = Status::Stored;
    out.message =
        UpdateSummaryText(out.storedDraws.front(), out.storedDraws.back(), int(out.storedDraws.size()), out.results);
    return out;
}

}  // namespace n3
