#include "platform/store/bounded_tables.h"

// The bounds are those of core/draw_result.h (kMaxPrizeYen, kMaxWinners),
// and core/calendar.h (the draws' years).
#include "core/calendar.h"
#include "core/draw_result.h"

namespace n3 {

static_assert(kMaxPrizeYen == 99'999'999 && kMaxWinners == 999'999'999 && kFirstDrawDate == "1994-10-07" &&
                  kLastAcceptedDate == "2099-12-31",
              "the CHECK constraints below spell these bounds out");

const char* BoundedTablesSql() {
    return R"sql(
CREATE TABLE 当選結果_新 (
  回数 INTEGER PRIMARY KEY REFERENCES 当選データ (回数) ON DELETE CASCADE,
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
  ミニ口数 INTEGER CHECK (ミニ口数 IS NULL OR (typeof(ミニ口数) = 'integer' AND ミニ口数 BETWEEN 0 AND 999999999)),
  ミニ当せん金額 INTEGER CHECK (ミニ当せん金額 IS NULL OR (typeof(ミニ当せん金額) = 'integer' AND ミニ当せん金額 BETWEEN 0 AND 99999999))
);
INSERT INTO 当選結果_新 (回数, 抽せん日, ストレート口数, ストレート当せん金額, ボックス口数, ボックス当せん金額, セットストレート口数, セットストレート当せん金額, セットボックス口数, セットボックス当せん金額, ミニ口数, ミニ当せん金額)
  SELECT 回数, 抽せん日, ストレート口数, ストレート当せん金額, ボックス口数, ボックス当せん金額, セットストレート口数, セットストレート当せん金額, セットボックス口数, セットボックス当せん金額, ミニ口数, ミニ当せん金額 FROM 当選結果;
DROP TABLE 当選結果;
ALTER TABLE 当選結果_新 RENAME TO 当選結果;

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
  CHECK ((種類 = 'ミニ' AND length(番号) = 2 AND 番号 GLOB '[0-9][0-9]')
      OR (種類 <> 'ミニ' AND length(番号) = 3 AND 番号 GLOB '[0-9][0-9][0-9]')),
  CHECK (種類 NOT IN ('ボックス', 'セット')
      OR NOT (substr(番号, 1, 1) = substr(番号, 2, 1) AND substr(番号, 2, 1) = substr(番号, 3, 1)))
);
INSERT INTO 購入記録_新 (id, 購入日, 最初の回数, 継続回数, 番号, 種類, 口数, メモ)
  SELECT id, 購入日, 最初の回数, 継続回数, 番号, 種類, 口数, メモ FROM 購入記録;
DROP TABLE 購入記録;
ALTER TABLE 購入記録_新 RENAME TO 購入記録;
)sql";
}

}  // namespace n3
