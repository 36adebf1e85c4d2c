#include "platform/store/dates_and_claims_step.h"

#include "core/calendar.h"

namespace n3 {

static_assert(kFirstDrawDate == "1994-10-07" && kLastAcceptedDate == "2099-12-31",
              "the CHECK constraint below spells these bounds out");

const char* DatesAndClaimsSql() {
    // A deadline lies a year after a draw at most, so it may pass the last
    // accepted draw date by a year.
    return R"sql(
ALTER TABLE 当選結果 ADD COLUMN 抽せん日推定 INTEGER NOT NULL DEFAULT 0 CHECK (抽せん日推定 IN (0, 1));
ALTER TABLE 当選結果 ADD COLUMN 支払期限 TEXT CHECK (支払期限 IS NULL OR (typeof(支払期限) = 'text' AND length(支払期限) = 10 AND
    支払期限 GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]' AND 支払期限 BETWEEN '1994-10-07' AND '2100-12-31'
    AND date(支払期限, '+0 days') = 支払期限));
ALTER TABLE 購入記録 ADD COLUMN 受け取り済み INTEGER NOT NULL DEFAULT 0 CHECK (受け取り済み IN (0, 1));
)sql";
}

}  // namespace n3
