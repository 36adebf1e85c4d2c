#pragma once
// The real history and results that ship with the program: the folder
// "data" beside the executable (a build tree), or share/numbers3zubarin/data
// beside its bin folder (an installed copy).
#include <optional>
#include <string>

#include "core/game.h"
#include "io/history_csv.h"
#include "platform/store/result_store.h"

namespace n3 {

inline constexpr const char* kBundledHistoryFile = "numbers3-history.csv";
inline constexpr const char* kBundledResultsFile = "numbers3-results.csv";

// The files shipped for a game: a history (digits only; none when the
// results file holds every draw) and its results with dates and prizes.
struct BundledFiles {
    const Game* game;
    const char* history;  // nullptr: none
    const char* results;
};
const BundledFiles& BundledFilesOf(const Game& game);

// The folder holding the shipped files, or an empty text when neither
// place holds them.
std::string BundledDataFolder();

// The game's shipped files read and merged: every draw of the history, and
// the results file's dates and prizes. `error` names the file and the line
// (also when the file's draws have other digits than the game's).
struct BundledData {
    std::vector<Draw> draws;
    ResultHistory results;
    int firstDrawNo = 0;
    int lastDrawNo = 0;
    std::optional<std::string> error;
};
BundledData ReadBundledData(const std::string& folder, const Game& game = kNumbers3);

// The game's shipped draws and results stored into its tables when they
// hold no draw yet (the first start, or a file made before the game was
// added); a game that has draws is left as it is (nullopt). One
// transaction; throws StoreError, and a file that cannot be read is named
// in `error`.
struct BundledGameImport {
    std::optional<ResultImport> outcome;
    std::optional<std::string> error;
};
BundledGameImport ImportBundledGameIfEmpty(DrawStore& store, const std::string& folder);

// The same for every game beside the one `first` holds (the first start
// asks about that one): one line a game that went in ("追加 7053 件、…
// （ナンバーズ4）") or could not, empty when none did anything.
std::string ImportOtherGamesIfEmpty(DrawStore& first, const std::string& folder);

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
