#pragma once
// Schema version 4: 当選結果 and 購入記録 rebuilt with upper bounds in their
// CHECK constraints (a prize per unit, winners, dates within the draws'
// years), so that no writer can store a figure whose
// sums would overflow or a date no draw can have. Rows already stored are
// copied; one outside the bounds stops the upgrade and the file stays as
// it was.
namespace n3 {

inline constexpr int kBoundedTablesVersion = 4;

// The step's SQL, run inside the upgrade's transaction.
const char* BoundedTablesSql();

}  // namespace n3
