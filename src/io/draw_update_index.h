#pragma once
// What "最新の当選データを取得" reads before it fetches anything: the bank's
// index of draws, the name of each draw's result file, the source folder
// they live in, and which draws to fetch.
//
// The index is CSV text whose draw lines begin "第NNNN回" (other text may
// follow), newest first. Each draw has a file A100NNNN.CSV in the same
// folder (NNNN zero-padded to at least four digits).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/draw.h"
#include "core/draw_result.h"

namespace n3 {

// The folder the program fetches from unless the settings name another.
inline constexpr std::string_view kDefaultUpdateSource = "https://www.mizuhobank.co.jp/retail/takarakuji/numbers/csv/";
inline constexpr std::string_view kUpdateIndexFile = "numbers.csv";

// The draw numbers the index lists, in the order it lists them (each once).
// The bytes may be UTF-8 or Shift_JIS (CP932); an empty list when none can
// be read.
std::vector<int> ParseDrawIndex(std::string_view bytes);

// "A1007054.CSV"
std::string DrawFileName(int drawNo);

// The reason (Japanese) a source folder cannot be used, or nullopt when it
// can: an https address ending in "/", or http on 127.0.0.1 or localhost.
inline constexpr std::size_t kMaxUpdateSourceLength = 2048;
std::optional<std::string> CheckUpdateSource(std::string_view source);

// The host of an http(s) address ("127.0.0.1:8080" keeps its port), empty
// when the address is not http(s).
std::string AddressHost(std::string_view url);

// The listed draws to fetch, ascending: each one the history lacks (absent,
// or a digit unknown), and each one above the newest draw stored with its
// date that is stored without a date (typed by hand), so that it gets its
// date and prizes.
std::vector<int> PlanDrawsToFetch(const std::vector<int>& listed, const DrawHistory& history,
                                  const ResultHistory& results);

// A new draw follows the newest one stored by at most this many numbers;
// a wider gap is asked about (or allowed with --allow-gap).
inline constexpr int kMaxDrawGap = 10;
// An update fetches at most this many files; the next run goes on.
inline constexpr int kMaxFilesPerUpdate = 60;

// The position in `plan` (ascending) of the first draw that jumps more than
// kMaxDrawGap past the newest draw stored before it (`newestStored`, or the
// planned draw before it); plan.size() when none does.
std::size_t FirstGapInPlan(const std::vector<int>& plan, int newestStored);

// "第7053回の次が第30000回です（10回より先の回です）"
std::string DrawGapText(int newestStored, int drawNo);

// "N..M" or "N" (1 ≤ N ≤ M ≤ 32767), for update --recheck.
std::optional<std::pair<int, int>> ParseDrawRange(std::string_view text);

}  // namespace n3
