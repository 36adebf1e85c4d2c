#include "platform/store/second_game_step.h"

#include "core/calendar.h"
#include "core/draw_result.h"
#include "core/game.h"

namespace n3 {

static_assert(kMaxPrizeYen == 99'999'999 && kMaxWinners == 999'999'999 && kFirstDrawDate == "1994-10-07" &&
                  kLastAcceptedDate == "2099-12-31" && kNumbers3.id == 3 && kNumbers4.id == 4 &&
                  kNumbers4.digits == 4 && kNumbers3.miniDigits == 2,
              "the CHECK constraints below spell these out");

const char* SecondGameSql() {
    return R"sql(
CREATE TABLE ナンバーズ4当選データ (
  回数    INTEGER PRIMARY KEY CHECK (回数 BETWEEN 1 AND 32767),
  第1数字 INTEGER CHECK (第1数字 IS NULL OR (typeof(第1数字) = 'integer' AND 第1数字 BETWEEN 0 AND 9)),
  第2数字 INTEGER CHECK (第2数字 IS NULL OR (typeof(第2数字) = 'integer' AND 第2数字 BETWEEN 0 AND 9)),
  第3数字 INTEGER CHECK (第3数字 IS NULL OR (typeof(第3数字) = 'integer' AND 第3数字 BETWEEN 0 AND 9)),
  第4数字 INTEGER CHECK (第4数字 IS NULL OR (typeof(第4数字) = 'integer' AND 第4数字 BETWEEN 0 AND 9))
);

CREATE TABLE ナンバーズ4当選結果 (
  回数 INTEGER PRIMARY KEY REFERENCES ナンバーズ4当選データ (回数) ON DELETE CASCADE,
  抽せん日 TEXT CHECK (抽せん日 IS NULL OR (typeof(抽せん日) = 'text' AND length(抽せん日) = 10 AND
    抽せん日 GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]' AND 抽せん日 BETWEEN '1994-10-07' AND '2099-12-31'
    AND date(抽せん日, '+0 days') = 抽せん日)),
  ストレート口数 INTEGER CHECK (ストレート口数 IS NULL OR (typeof(ストレート口数) = 'integer' AND ストレート口数 BETWEEN 0 AND 999999999)),
  ストレート当せん金額 INTEGER CHECK (ストレート当せん金額 IS NULL OR (typeof(ストレート当せん金額) = 'integer' AND ストレート当せん金額 BETWEEN 0 AND 99999999)),
  ボックス口数 INTEGER CHECK (ボックス口数 IS NULL OR (typeof(ボックス口数) = 'integer' AND ボックス口数 BETWEEN 0 AND 999999999)),
  ボックス当せん金額 INTEGER CHECK (ボックス当せん金額 IS NULL OR (typeof(ボックス当せん金額) = 'integer' AND ボックス当せん金額 BETWEEN 0 AND 99999999)),
  セットストレート口数 INTEGER CHECK (セットストレート口数 IS NULL OR (typeof(セットストレート口数) = 'integer' AND セットストレート口数 BETWEEN 0 AND 999999999)),
  セットストレート当せん金額 INTEGER CHECK (セットストレート当せん金額 IS NULL OR (typeof(セットストレート当せん金額) = 'integer' AND セットストレート当せん金額 BETWEEN 0 AND 99999999)),
  セットボックス口数 INTEGER CHECK (セットボックス口数 IS NULL OR (typeof(セットボックス口数) = 'integer' AND セットボックス口数 BETWEEN 0 AND 999999999)),
  セットボックス当せん金額 INTEGER CHECK (セットボックス当せん金額 IS NULL OR (typeof(セットボックス当せん金額) = 'integer' AND セットボックス当せん金額 BETWEEN 0 AND 99999999)),
  ミニ口数 INTEGER CHECK (ミニ口数 IS NULL),
  ミニ当せん金額 INTEGER CHECK (ミニ当せん金額 IS NULL),
  抽せん日推定 INTEGER NOT NULL DEFAULT 0 CHECK (抽せん日推定 IN (0, 1)),
  支払期限 TEXT CHECK (支払期限 IS NULL OR (typeof(支払期限) = 'text' AND length(支払期限) = 10 AND
    支払期限 GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]' AND 支払期限 BETWEEN '1994-10-07' AND '2100-12-31'
    AND date(支払期限, '+0 days') = 支払期限))
);

CREATE TABLE 購入記録_新 (
  id         INTEGER PRIMARY KEY,
  購入日     TEXT NOT NULL CHECK (typeof(購入日) = 'text' AND length(購入日) = 10
                AND 購入日 GLOB '[12][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]' AND date(購入日, '+0 days') = 購入日
                AND 購入日 BETWEEN '1994-10-07' AND '2099-12-31'),
  最初の回数 INTEGER NOT NULL CHECK (typeof(最初の回数) = 'integer' AND 最初の回数 BETWEEN 1 AND 32767),
  継続回数   INTEGER NOT NULL CHECK (typeof(継続回数) = 'integer' AND 継続回数 BETWEEN 1 AND 20
                AND 最初の回数 + 継続回数 - 1 <= 32767),
  番号       TEXT NOT NULL CHECK (typeof(番号) = 'text'),
  種類       TEXT NOT NULL CHECK (種類 IN ('ストレート', 'ボックス', 'セット', 'ミニ')),
  口数       INTEGER NOT NULL CHECK (typeof(口数) = 'integer' AND 口数 BETWEEN 1 AND 99),
  メモ       TEXT NOT NULL DEFAULT '' CHECK (typeof(メモ) = 'text'),
  受け取り済み INTEGER NOT NULL DEFAULT 0 CHECK (受け取り済み IN (0, 1)),
  ゲーム     INTEGER NOT NULL DEFAULT 3 CHECK (typeof(ゲーム) = 'integer' AND ゲーム IN (3, 4)),
  CHECK ((種類 = 'ミニ' AND ゲーム = 3 AND length(番号) = 2 AND 番号 GLOB '[0-9][0-9]')
      OR (種類 <> 'ミニ' AND ゲーム = 3 AND length(番号) = 3 AND 番号 GLOB '[0-9][0-9][0-9]')
      OR (種類 <> 'ミニ' AND ゲーム = 4 AND length(番号) = 4 AND 番号 GLOB '[0-9][0-9][0-9][0-9]')),
  CHECK (種類 NOT IN ('ボックス', 'セット')
      OR NOT (substr(番号, 1, 1) = substr(番号, 2, 1) AND substr(番号, 2, 1) = substr(番号, 3, 1)
              AND (ゲーム = 3 OR substr(番号, 3, 1) = substr(番号, 4, 1))))
);
INSERT INTO 購入記録_新 (id, 購入日, 最初の回数, 継続回数, 番号, 種類, 口数, メモ, 受け取り済み, ゲーム)
  SELECT id, 購入日, 最初の回数, 継続回数, 番号, 種類, 口数, メモ, 受け取り済み, 3 FROM 購入記録;
DROP TABLE 購入記録;
ALTER TABLE 購入記録_新 RENAME TO 購入記録;
)sql";
}

}  // namespace n3
