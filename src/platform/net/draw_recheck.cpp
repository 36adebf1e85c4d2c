#include "platform/net/draw_recheck.h"

#include "io/draw_update_texts.h"
#include "platform/net/draw_fetch.h"

namespace n3 {

namespace {

using Status = UpdateOutcome::Status;

std::string Range(int first, int last) {
    return "第" + std::to_string(first) + "回" + (last != first ? "〜第" + std::to_string(last) + "回" : "");
}

}  // namespace

UpdateOutcome RecheckDraws(Database& database, const std::string& folder, HttpClient& http, const UpdateEvents& events,
                           const UpdateRequest& request, const std::string& today) {
    UpdateOutcome out;
    const auto [first, last] = *request.recheck;
    int checked = 0, firstChecked = 0, lastChecked = 0;
    try {
        std::vector<Draw> plan;
        for (const Draw& d : database.draws().ReadHistory())
            if (d.complete() && d.drawNo >= first && d.drawNo <= last) plan.push_back(d);
        if (plan.empty()) {
            out.message = Range(first, last) + "はデータベースにありません";
            return out;
        }
        if (plan.size() > std::size_t(request.maxFiles)) {
            out.remaining = int(plan.size()) - request.maxFiles;
            plan.resize(std::size_t(request.maxFiles));
        }
        out.status = Status::NothingNew;  // until a draw stops the run
        for (std::size_t i = 0; i < plan.size(); ++i) {
            const Draw& stored = plan[i];
            if (events.progress) events.progress(int(i), int(plan.size()), stored.drawNo);
            if (events.cancelled && events.cancelled()) {
                out.status = Status::Cancelled;
                break;
            }
            const ResultHistory results = ReadResults(database.draws());
            const DrawFetch step = FetchDraw(http, folder, stored.drawNo, results, today, events.cancelled);
            if (step.cancelled) {
                out.status = Status::Cancelled;
                break;
            }
            if (!step.ok()) {
                out.status = Status::Failed;
                out.message = UpdateStoppedText(stored.drawNo, step.fetched.reason);
                break;
            }
            if (++checked == 1) firstChecked = stored.drawNo;
            lastChecked = stored.drawNo;
            const DrawResult* fetchedResult = step.fetched.result ? &*step.fetched.result : nullptr;
            // Every game's part of the file against what its tables hold.
            std::vector<FetchedGameDraw> parts{{kGames.front(), step.fetched.draw, step.fetched.result}};
            parts.insert(parts.end(), step.fetched.others.begin(), step.fetched.others.end());
            std::vector<const FetchedGameDraw*> differingParts;
            for (const FetchedGameDraw& part : parts) {
                const DrawStore& store = database.draws(*part.game);
                const ResultHistory storedResults = ReadResults(store);
                Draw storedDraw{stored.drawNo, {}};
                for (const Draw& d : store.ReadHistory())
                    if (d.drawNo == stored.drawNo) storedDraw = d;
                const std::vector<std::string> differences =
                    RecheckDifferences(storedDraw, FindResult(storedResults, stored.drawNo), part.draw,
                                       part.result ? &*part.result : nullptr, *part.game);
                if (differences.empty()) continue;
                differingParts.push_back(&part);
                out.notes.insert(out.notes.end(), differences.begin(), differences.end());
            }
            if (differingParts.empty()) continue;
            ++out.differing;
            if (!request.replaceRechecked) continue;
            if (!step.note.empty() && (!events.allowOffSchedule || !events.allowOffSchedule(step.note))) {
                out.notes.push_back(step.note + "（予定の日程と違うため置き換えていません）");
                continue;
            }
            for (const FetchedGameDraw* part : differingParts) {
                ResultHistory incoming;
                if (part->result) incoming.push_back(*part->result);
                database.Import({part->draw}, incoming, true, true, *part->game);
            }
            out.storedDraws.push_back(stored.drawNo);
            if (fetchedResult) ++out.results;
            if (events.stored) events.stored(step.fetched.draw, fetchedResult ? fetchedResult->date : std::string());
        }
    } catch (const StoreError& e) {
        out.status = Status::Failed;
        out.message = std::string("データベースを更新できません：") + e.what();
    }
    std::string text = out.message;
    if (out.status == Status::Cancelled) text = "取り消しました。";
    if (checked > 0)
        text += (text.empty() ? "" : "\n") + RecheckSummaryText(firstChecked, lastChecked, checked, out.differing);
    for (const std::string& note : out.notes) text += "\n" + note;
    if (out.differing > 0)
        text += out.storedDraws.size() == std::size_t(out.differing)
                    ? "\n違いのある回をファイルの内容で置き換えました。"
                    : "\n置き換えていません。";
    if (out.remaining > 0)
        text += "\nあと " + std::to_string(out.remaining) +
                " 回分が残っています。続きの回を指定してもう一度確かめてください。";
    out.message = text;
    if (out.status == Status::Failed || out.status == Status::Cancelled) return out;
    if (!out.storedDraws.empty())
        out.status = Status::Stored;
    else
        out.status = out.differing > 0 ? Status::Failed : Status::NothingNew;
    return out;
}

}  // namespace n3
