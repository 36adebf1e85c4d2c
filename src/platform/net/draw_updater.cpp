#include "platform/net/draw_updater.h"

#include <algorithm>
#include <ctime>

#include "core/draw_schedule.h"
#include "core/estimated_date_text.h"
#include "core/prize_rule.h"
#include "io/draw_update_index.h"
#include "io/draw_update_texts.h"
#include "io/echo_text.h"
#include "platform/net/curl_library.h"
#include "platform/net/draw_fetch.h"
#include "platform/net/draw_recheck.h"
#include "platform/net/fetch_address.h"

namespace n3 {

namespace {

using Status = UpdateOutcome::Status;

// The newest complete draw of the history.
int NewestComplete(const DrawHistory& history, const Game& game = kNumbers3) {
    int newest = 0;
    for (const Draw& d : history)
        if (d.complete(game)) newest = std::max(newest, d.drawNo);
    return newest;
}

// What one game's draw of a fetched file did to its tables.
struct GameStored {
    bool wrote = false;
    std::optional<DigitConflict> refused;  // differing stored digits the user kept
};

// The game's draw of a fetched file into its tables; differing stored
// digits are replaced only when the user says so.
GameStored StoreGameDraw(Database& database, const Game& game, const Draw& draw,
                         const std::optional<DrawResult>& result, const UpdateEvents& events) {
    ResultHistory results;
    if (result) results.push_back(*result);
    ResultImport stored = database.Import({draw}, results, false, false, game);
    if (!stored.ok()) {
        const DigitConflict conflict = stored.conflicts.front();
        if (!events.replaceDiffering || !events.replaceDiffering(conflict)) return {false, conflict};
        stored = database.Import({draw}, results, true, false, game);
    }
    // Another program may have stored the same draw meanwhile: only what
    // this run wrote counts as stored by it.
    return {stored.counts.added + stored.counts.replaced + stored.changedResults > 0, std::nullopt};
}

// The newest complete draw of the store and its date.
std::string NewestText(const DrawStore& store) {
    const int newest = NewestComplete(store.ReadHistory());
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
        "\nそれまでの分は取り込み済みです：" + UpdateSummaryText(out.storedDraws.front(), out.storedDraws.back(),
                                                                 int(out.storedDraws.size()), out.results, out.games);
}

// The dates off the schedule and the draws left, after the summary.
void AppendNotes(UpdateOutcome& out) {
    for (const std::string& note : out.notes) out.message += "\n" + note;
    if (out.remaining > 0)
        out.message += "\nあと " + std::to_string(out.remaining) + " 回分が残っています。もう一度取得してください。";
}

UpdateOutcome Stop(UpdateOutcome out, int drawNo, const std::string& reason) {
    out.status = Status::Failed;
    out.message = UpdateStoppedText(drawNo, reason);
    AppendStored(out);
    AppendNotes(out);
    return out;
}

}  // namespace

UpdateOutcome UpdateDraws(Database& database, const std::string& source, HttpClient& http, const UpdateEvents& events,
                          const UpdateRequest& request) {
    UpdateOutcome out;
    DrawStore& store = database.draws();
    if (auto bad = CheckUpdateSource(source)) {
        out.message = *bad;
        return out;
    }
    // Only now is libcurl opened; without it only the update fails.
    if (!Curl()) {
        out.message = CurlMissingText();
        return out;
    }
    // The address as libcurl reads it is the one every request starts from.
    const FetchAddress folder = ReadFetchAddress(source);
    if (!folder.ok()) {
        out.message = "更新元の" + folder.reason;
        return out;
    }
    const std::string today = request.today.empty() ? TodayDate() : request.today;
    if (request.recheck) return RecheckDraws(database, folder.url, http, events, request, today);
    const auto cancelled = [&] { return events.cancelled && events.cancelled(); };
    try {
        const std::string indexUrl = folder.url + std::string(kUpdateIndexFile);
        const HttpResponse index = http.Get(indexUrl, events.cancelled);
        if (index.outcome == HttpResponse::Outcome::Cancelled) {
            out.status = Status::Cancelled;
            out.message = "取り消しました。";
            return out;
        }
        const std::string indexName = "当選データの一覧（" + EchoAddress(indexUrl) + "）";
        if (!index.ok()) {
            out.message = indexName + "を取得できません：" + index.reason;
            return out;
        }
        const std::vector<int> listed = ParseDrawIndex(index.body);
        if (listed.empty()) {
            out.message = indexName + "に「第N回」の行がありません";
            return out;
        }
        const DrawHistory history = store.ReadHistory();
        // The first game's draws decide what is fetched; each file stores
        // every game's draw it holds.
        std::vector<int> plan = PlanDrawsToFetch(listed, history, ReadResults(store));
        const int newest = NewestComplete(history);
        const std::size_t gap = FirstGapInPlan(plan, newest);
        if (gap < plan.size()) {
            const int before = gap == 0 ? newest : std::max(newest, plan[gap - 1]);
            if (!events.allowGap || !events.allowGap(before, plan[gap])) {
                out.gapDraw = plan[gap];
                plan.resize(gap);
            }
        }
        if (plan.size() > std::size_t(request.maxFiles)) {
            out.remaining = int(plan.size()) - request.maxFiles;
            plan.resize(std::size_t(request.maxFiles));
        }
        const std::string gapReason = out.gapDraw ? DrawGapText(gap == 0 ? newest : plan.back(), out.gapDraw) : "";
        if (plan.empty()) {
            if (out.gapDraw) return Stop(out, out.gapDraw, gapReason);
            out.status = Status::NothingNew;
            out.message = NewestText(store);
            return out;
        }
        for (std::size_t i = 0; i < plan.size(); ++i) {
            const int drawNo = plan[i];
            if (events.progress) events.progress(int(i), int(plan.size()), drawNo);
            if (cancelled()) {
                out.status = Status::Cancelled;
                break;
            }
            const DrawFetch step = FetchDraw(http, folder.url, drawNo, ReadResults(store), today, events.cancelled);
            if (step.cancelled) {
                out.status = Status::Cancelled;
                break;
            }
            if (!step.ok()) return Stop(out, drawNo, step.fetched.reason);
            if (!step.note.empty() && (!events.allowOffSchedule || !events.allowOffSchedule(step.note)))
                return Stop(out, drawNo, step.note + "（取り込んでいません）");
            const FetchedDraw& fetched = step.fetched;
            // Every game's draw of the file, the first game's first.
            std::vector<FetchedGameDraw> parts{{kGames.front(), fetched.draw, fetched.result}};
            parts.insert(parts.end(), fetched.others.begin(), fetched.others.end());
            bool wrote = false;
            for (const FetchedGameDraw& part : parts) {
                const GameStored stored = StoreGameDraw(database, *part.game, part.draw, part.result, events);
                if (stored.refused) {
                    out.conflict = *stored.refused;
                    return Stop(out, drawNo,
                                "データベースの当選番号「" + stored.refused->stored + "」と取得した当選番号「" +
                                    stored.refused->incoming + "」が違います" + std::string(part.game->captionSuffix) +
                                    "（置き換えていません）");
                }
                if (!stored.wrote) continue;
                wrote = true;
                if (std::find(out.games.begin(), out.games.end(), part.game) == out.games.end())
                    out.games.push_back(part.game);
                // Published amounts are facts: one that breaks the prize
                // rule is stored, and named.
                if (part.result && part.draw.complete(*part.game))
                    if (const std::string breach = PrizeRuleBreach(part.draw, *part.result, *part.game);
                        !breach.empty())
                        out.notes.push_back("第" + std::to_string(drawNo) + "回" +
                                            std::string(part.game->captionSuffix) + "：" + breach +
                                            "（公表された金額として保存しました）");
            }
            if (!wrote) continue;
            out.storedDraws.push_back(drawNo);
            if (fetched.result) ++out.results;
            if (!step.note.empty()) out.notes.push_back(step.note);
            if (events.stored) events.stored(fetched.draw, fetched.result ? fetched.result->date : std::string());
        }
        if (events.progress && out.status != Status::Cancelled)
            events.progress(int(plan.size()), int(plan.size()), plan.back());
        if (out.gapDraw && out.status != Status::Cancelled) return Stop(out, out.gapDraw, gapReason);
    } catch (const StoreError& e) {
        out.status = Status::Failed;
        out.message = std::string("データベースを更新できません：") + e.what();
        AppendStored(out);
        return out;
    }
    if (out.status == Status::Cancelled) {
        out.message = "取り消しました。";
        AppendStored(out);
        return out;
    }
    if (out.storedDraws.empty()) {
        out.status = Status::NothingNew;
        out.message = NewestText(store);
        AppendNotes(out);
        return out;
    }
    out.status = Status::Stored;
    out.message = UpdateSummaryText(out.storedDraws.front(), out.storedDraws.back(), int(out.storedDraws.size()),
                                    out.results, out.games);
    AppendNotes(out);
    return out;
}

}  // namespace n3
