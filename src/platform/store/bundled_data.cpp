#include "platform/store/bundled_data.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>

#include "platform/store/startup_load.h"

namespace n3 {

namespace {

bool HasFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string Located(const std::string& file, const CsvError& e) {
    std::string text = "ファイル「" + file + "」";
    if (e.line > 0) text += "の " + std::to_string(e.line) + " 行目";
    return text + "を読み込めません。\n理由：" + e.reason;
}

constexpr std::array<BundledFiles, 2> kBundledFiles = {{
    {&kNumbers3, kBundledHistoryFile, kBundledResultsFile},
    {&kNumbers4, nullptr, "numbers4-results.csv"},
}};
static_assert(kBundledFiles.size() == kGames.size(), "every game ships its files");

}  // namespace

const BundledFiles& BundledFilesOf(const Game& game) {
    for (const BundledFiles& files : kBundledFiles)
        if (files.game->id == game.id) return files;
    return kBundledFiles.front();
}

std::string BundledDataFolder() {
    const std::string exe = ProgramFolder();
    for (const std::string& folder : {exe + "/data", exe + "/../share/numbers3zubarin/data"})
        if (HasFile(folder + "/" + kBundledHistoryFile)) return folder;
    return {};
}

BundledData ReadBundledData(const std::string& folder, const Game& game) {
    BundledData data;
    const BundledFiles& files = BundledFilesOf(game);
    const std::string resultsPath = folder + "/" + files.results;
    // A file of another game's draws is no file of this game's.
    const auto digitsDiffer = [&](const std::string& path, const CsvParseResult& parsed) {
        if (parsed.digits == game.digits) return false;
        data.draws.clear();
        data.error =
            Located(path, CsvError{0, "当選番号が" + std::to_string(parsed.digits) + "桁です（" +
                                          std::string(game.name) + "は" + std::to_string(game.digits) + "桁）"});
        return true;
    };
    if (files.history) {
        const std::string historyPath = folder + "/" + files.history;
        CsvParseResult history = ReadHistoryCsvFile(historyPath);
        if (!history.ok()) {
            data.error = Located(historyPath, *history.error);
            return data;
        }
        if (digitsDiffer(historyPath, history)) return data;
        data.draws = std::move(history.draws);
    } else if (!HasFile(resultsPath)) {
        data.error = Located(resultsPath, CsvError{0, "ファイルがありません"});
        return data;
    }
    if (HasFile(resultsPath)) {
        CsvParseResult results = ReadHistoryCsvFile(resultsPath);
        if (!results.ok()) {
            data.draws.clear();
            data.error = Located(resultsPath, *results.error);
            return data;
        }
        if (digitsDiffer(resultsPath, results)) return data;
        // Draws of the results file that the history lacks come in too.
        std::vector<bool> known(std::size_t(kMaxDrawNo) + 1, false);
        for (const Draw& d : data.draws) known[std::size_t(d.drawNo)] = true;
        for (const Draw& d : results.draws)
            if (!known[std::size_t(d.drawNo)]) data.draws.push_back(d);
        data.results = std::move(results.results);
    }
    if (!data.draws.empty()) {
        const auto [lo, hi] = std::minmax_element(data.draws.begin(), data.draws.end(),
                                                  [](const Draw& a, const Draw& b) { return a.drawNo < b.drawNo; });
        data.firstDrawNo = lo->drawNo;
        data.lastDrawNo = hi->drawNo;
    }
    return data;
}

BundledGameImport ImportBundledGameIfEmpty(DrawStore& store, const std::string& folder) {
    BundledGameImport done;
    if (folder.empty() || store.DrawCount() != 0) return done;
    const BundledData data = ReadBundledData(folder, store.game());
    if (data.error) {
        done.error = data.error;
        return done;
    }
    if (data.draws.empty()) return done;
    done.outcome = ImportDrawsAndResults(store, data.draws, data.results, false, ResultMerge::FillIn);
    return done;
}

std::string ImportOtherGamesIfEmpty(DrawStore& first, const std::string& folder) {
    std::string text;
    for (const Game* game : kGames) {
        if (game->id == first.game().id) continue;
        DrawStore store = DrawStore::Beside(first, *game);
        try {
            const BundledGameImport done = ImportBundledGameIfEmpty(store, folder);
            if (done.error) text += *done.error + "\n";
            if (done.outcome) text += ImportSummaryText(*done.outcome) + std::string(game->captionSuffix) + "\n";
        } catch (const StoreError& e) {
            text += std::string(game->name) + "の同梱の当選データを取り込めません。\n理由：" + e.what() + "\n";
        }
    }
    return text;
}

std::string BundledImportQuestion(const BundledData& data) {
    return "過去の当選データ（第" + std::to_string(data.firstDrawNo) + "回〜第" + std::to_string(data.lastDrawNo) +
           "回）を取り込みますか？";
}

std::string ImportSummaryText(const ResultImport& outcome) {
    return ImportSummary(outcome.counts) + "、当選結果 " + std::to_string(outcome.results) + " 件";
}

std::string FillInReportText(const ResultImport& outcome) {
    std::string text = "同梱の当選結果で " + std::to_string(outcome.results) +
                       " 回分を補いました（抽せん日・口数・当せん金額 " + std::to_string(outcome.filled) + " 件";
    if (outcome.replacedFigures > 0) text += "、置き換え " + std::to_string(outcome.replacedFigures) + " 件";
    text += "）。";
    if (!outcome.differences.empty())
        text += "\nデータベースの値が同梱のデータと違う " + std::to_string(outcome.differences.size()) +
                " 件は、データベースの値のままにしました（同梱の値にするには numbers3zubarin-cli import-bundled "
                "--replace）。\n" +
                DescribeDifferences(outcome.differences);
    if (!outcome.replacedDifferences.empty())
        text += "\n同梱の値で置き換えた " + std::to_string(outcome.replacedDifferences.size()) + " 件：\n" +
                DescribeDifferences(outcome.replacedDifferences, outcome.replacedDifferences.size());
    return text;
}

}  // namespace n3
