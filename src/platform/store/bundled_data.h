#pragma once
// The real history and results that ship with the program: the folder
// "data" beside the executable (a build tree), or share/numbers3zubarin/data
// beside its bin folder (an installed copy).
#include <optional>
#include <string>

#include "io/history_csv.h"
#include "platform/store/result_store.h"

namespace n3 {

inline constexpr const char* kBundledHistoryFile = "numbers3-history.csv";
inline constexpr const char* kBundledResultsFile = "numbers3-results.csv";

// The folder holding the shipped files, or an empty text when neither
// place holds them.
std::string BundledDataFolder();

// Both shipped files read and merged: every draw of the history, and the
// results file's dates and prizes. `error` names the file and the line.
struct BundledData {
    std::vector<Draw> draws;
    ResultHistory results;
    int firstDrawNo = 0;
    int lastDrawNo = 0;
    std::optional<std::string> error;
};
BundledData ReadBundledData(const std::string& folder);

// "過去の当選データ（第1回〜第7053回）を取り込みますか？"
std::string BundledImportQuestion(const BundledData& data);

// "追加 N 件、置き換え N 件、当選結果 N 件"
std::string ImportSummaryText(const ResultImport& outcome);

// What filling in the shipped results did: "同梱の当選結果で N 回分を補いました
// （抽せん日・口数・当せん金額 N 件）。" and, when stored figures differ from
// the shipped ones, which (by draw and kind) and that they were kept, or
// replaced with --replace.
std::string FillInReportText(const ResultImport& outcome);

}  // namespace n3
