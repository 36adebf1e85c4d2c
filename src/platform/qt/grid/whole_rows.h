#pragma once
// The height that shows whole rows only: a scrolled-to-the-end grid then
// has no half row at its top, under the frozen header rows, and every
// other position none at its bottom.
class QTableView;

namespace n3 {

// The largest height up to `available` pixels that the view's last rows
// (hidden ones skipped) fill exactly; `available` itself when every row
// fits, or when not even the last row does.
int WholeRowsHeight(const QTableView* view, int available);

}  // namespace n3
