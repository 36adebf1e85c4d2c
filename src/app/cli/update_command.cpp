// update: fetches the draws the database lacks from the bank's result files
// (platform/net/draw_updater.h) and prints one line per stored draw and the
// summary.
#include <iostream>

#include "app/cli/commands.h"
#include "io/draw_update_index.h"
#include "io/draw_update_texts.h"
#include "platform/net/draw_updater.h"
#include "settings/settings.h"
#include "settings/update_settings.h"

namespace n3::cli {

int RunUpdate(const Arguments& args) {
    std::string source;
    if (const auto given = args.option("source")) {
        source = CompleteUpdateSource(*given);  // "https://…/csv" is the folder "https://…/csv/"
    } else {
        Settings settings(args.settings.empty() ? std::string(kSettingsFileName) : args.settings);
        settings.Read();  // a missing or unreadable file leaves the default source
        source = UpdateSettingsOf(settings).source;
    }
    if (const auto bad = CheckUpdateSource(source)) {
        std::cerr << *bad << '\n';
        return kUsageError;
    }
    UpdateRequest request;
    if (const auto range = args.option("recheck")) {
        request.recheck = ParseDrawRange(*range);
        if (!request.recheck) {
            std::cerr << "--recheck には 回数、または 最初の回数..最後の回数（例 7050..7060）を指定してください\n";
            return kUsageError;
        }
    }
    const std::unique_ptr<Database> database = Database::Open(args.db, true);
    HttpClient http;
    UpdateEvents events;
    const bool replace = args.has("replace");
    request.replaceRechecked = replace;
    events.replaceDiffering = [replace](const DigitConflict&) { return replace; };
    const bool allowGap = args.has("allow-gap");
    events.allowGap = [allowGap](int, int) { return allowGap; };
    const bool allowOffSchedule = args.has("allow-off-schedule");
    events.allowOffSchedule = [allowOffSchedule](const std::string&) { return allowOffSchedule; };
    events.stored = [](const Draw& draw, const std::string& date) {
        std::cout << StoredDrawLine(draw, date) << '\n' << std::flush;
    };
    const UpdateOutcome outcome = UpdateDraws(*database, source, http, events, request);
    if (outcome.failed()) {
        std::cerr << outcome.message << '\n';
        if (outcome.conflict || outcome.differing > 0) std::cerr << "置き換えるには --replace を付けてください。\n";
        if (outcome.gapDraw) std::cerr << "この回から取り込むには --allow-gap を付けてください。\n";
        if (outcome.message.find("予定の抽せん日") != std::string::npos)
            std::cerr << "予定と違う日付のまま取り込むには --allow-off-schedule を付けてください。\n";
        return 1;
    }
    return WriteOut(outcome.message + "\n") ? 0 : 1;
}

}  // namespace n3::cli
