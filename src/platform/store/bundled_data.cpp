#include "platform/store/bundled_data.h"

#include <sys/stat.h>

#include <algorithm>

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

}  // namespace

std::string BundledDataFolder() {
    const std::string exe = ProgramFolder();
    for (const std::string& folder : {exe + "/data", exe + "/../share/numbers3zubarin/data"})
        if (HasFile(folder + "/" + kBundledHistoryFile)) return folder;
    return {};
}

BundledData ReadBundledData(const std::string& folder) {
    BundledData data;
    const std::string historyPath = folder + "/" + kBundledHistoryFile;
    const std::string resultsPath = folder + "/" + kBundledResultsFile;
    CsvParseResult history = ReadHistoryCsvFile(historyPath);
    if (!history.ok()) {
        data.error = Located(historyPath, *history.error);
        return data;
    }
    data.draws = std::move(history.draws);
    if (HasFile(resultsPath)) {
        CsvParseResult results = ReadHistoryCsvFile(resultsPath);
        if (!results.ok()) {
            data.draws.clear();
            data.error = Located(resultsPath, *results.error);
            return data;
        }
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
