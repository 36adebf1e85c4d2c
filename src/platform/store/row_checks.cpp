#include "platform/store/row_checks.h"

#include <sqlite3.h>

#include <climits>

#include "io/echo_text.h"

namespace n3 {

namespace {

constexpr const char* kDigitNames[kMaxGameDigits] = {"第1数字", "第2数字", "第3数字", "第4数字"};

// A value that is not an integer, as the user may see it in another tool.
std::string Shown(sqlite3_stmt* row, int column) {
    switch (sqlite3_column_type(row, column)) {
    case SQLITE_NULL: return "（空）";
    case SQLITE_BLOB: return "（バイナリ " + std::to_string(sqlite3_column_bytes(row, column)) + " バイト）";
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(row, column));
        return "「" + EchoText(text ? text : "") + "」";
    }
    }
}

}  // namespace

std::optional<std::string> ReadCheckedRow(sqlite3_stmt* row, std::vector<bool>& seen, Draw& draw, RowCheck check,
                                          int digits) {
    draw = Draw{};
    if (sqlite3_column_type(row, 0) != SQLITE_INTEGER) return "回数" + Shown(row, 0) + "の行：回数が整数ではありません";
    const sqlite3_int64 number = sqlite3_column_int64(row, 0);
    // Built only for a refusal: the read of every good row makes no string.
    const auto label = [number] { return "回数 " + std::to_string(number) + " の行："; };
    if (number < 1 || number > kMaxDrawNo) return label() + "回数が1～32767の範囲にありません";
    draw.drawNo = int(number);
    for (int i = 0; i < digits && i < kMaxGameDigits; ++i) {
        const int column = i + 1;
        const int type = sqlite3_column_type(row, column);
        if (type == SQLITE_NULL) continue;
        if (type != SQLITE_INTEGER) return label() + kDigitNames[i] + Shown(row, column) + "が0～9の整数ではありません";
        const sqlite3_int64 digit = sqlite3_column_int64(row, column);
        const bool inRange =
            check == RowCheck::Strict ? digit >= 0 && digit <= 9 : digit >= INT_MIN && digit <= INT_MAX;
        if (!inRange) return label() + kDigitNames[i] + "「" + std::to_string(digit) + "」が0～9の範囲にありません";
        draw.digits[std::size_t(i)] = int(digit);
    }
    if (seen.size() <= std::size_t(draw.drawNo)) seen.resize(std::size_t(kMaxDrawNo) + 1);
    if (seen[std::size_t(draw.drawNo)]) return label() + "同じ回数の行が2つ以上あります";
    seen[std::size_t(draw.drawNo)] = true;
    return std::nullopt;
}

}  // namespace n3
