#pragma once
// The messages of "最新の当選データを取得", shared by the command line and
// the desktop program.
#include <string>
#include <vector>

#include "core/draw.h"
#include "core/draw_result.h"
#include "core/game.h"

namespace n3 {

// "新しい当選データはありません（最新は第7060回・2026-09-01）"; the date is
// left out when it is unknown.
std::string NothingNewText(int newestDrawNo, const std::string& newestDate);

// "第7054回〜第7060回の7回分を取り込みました（当選結果 7 件）", or, when
// draws of more than one game were stored, the games by name:
// "第7054回〜第7060回の7回分を取り込みました（ナンバーズ3・ナンバーズ4）".
std::string UpdateSummaryText(int firstDrawNo, int lastDrawNo, int draws, int results,
                              const std::vector<const Game*>& games = {});

// "第7054回 2026-08-21 048" (the line the command line prints per draw)
std::string StoredDrawLine(const Draw& draw, const std::string& date);

// "第7057回で止まりました：<reason>"
std::string UpdateStoppedText(int drawNo, const std::string& reason);

// Where a draw fetched again differs from the stored one, one text each:
// "第7055回の抽せん日：データベースでは「2026-08-24」、ファイルでは「2026-08-25」".
// A file without a date says nothing about the date. Another game's draw
// is named with its caption suffix: "第7055回（ナンバーズ4）の当選番号：…".
std::vector<std::string> RecheckDifferences(const Draw& stored, const DrawResult* storedResult, const Draw& fetched,
                                            const DrawResult* fetchedResult, const Game& game = kNumbers3);

// "第7054回〜第7060回の7回分を確かめました（違いのある回 1 回）"
std::string RecheckSummaryText(int firstDrawNo, int lastDrawNo, int draws, int differing);

// The three digits as text, "?" for an unknown one.
std::string DigitsText(const Draw& draw);

}  // namespace n3
