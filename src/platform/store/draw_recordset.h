#pragma once
// A static, client-side recordset: opened on a query text and a connection
// text, it reads every row once and is walked with MoveFirst / MoveNext.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace n3 {

class DrawRecordset {
public:
    // Throws StoreError when the query cannot run.
    void Open(const std::string& queryText, const std::string& connectString);
    bool IsOpen() const { return open_; }
    int RecordCount() const { return int(rows_.size()); }
    void MoveFirst() { position_ = 0; }
    void MoveNext() { if (position_ < rows_.size()) ++position_; }
    bool EndOfRows() const { return position_ >= rows_.size(); }
    // The current row's value of a column; nullopt for NULL, for text that is
    // not a number, or for an unknown column.
    std::optional<int> Field(std::string_view column) const;
    void Release();

private:
    bool open_ = false;
    std::vector<std::string> columns_;
    std::vector<std::vector<std::optional<int>>> rows_;
    std::size_t position_ = 0;
};

}  // namespace n3
