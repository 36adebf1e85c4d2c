#pragma once
// The bank's per-draw result files, written from their shape for the draw
// update tests: one A50 block holding both games, 令和 dates, CP932 bytes
// with CR LF, the index numbers.csv listing draws newest first.
#include <iconv.h>

#include <string>
#include <vector>

#include "core/game.h"
#include "core/number_rules.h"

namespace n3::testing {

struct BankDraw {
    int drawNo = 0;
    std::string digits;  // "048"; a triple ("777") has no box or set prizes
    int year = 2026, month = 8, day = 21;
    bool noStraightWinner = false;  // "ストレート,048,該当なし"
    int boxYen = 29000;             // the others follow it by the prize rule
    // The ナンバーズ4 part: its digits ("1111" has no box or set prizes)
    // and straight prize; the others follow it by the prize rule.
    std::string digits4 = "6916";
    int straight4Yen = 905400;
};

// The ナンバーズ4 part of the block, its prizes keeping the prize rule.
inline std::string Numbers4Part(const BankDraw& d) {
    const int orders = NumberOrders(std::stoi(d.digits4), kNumbers4);
    const auto yen = [](int v) { return std::to_string(v / 100 * 100) + "円"; };
    std::string t = "ナンバーズ４抽せん数字," + d.digits4 + "\r\n";
    t += "ストレート," + d.digits4 + ",10口," + yen(d.straight4Yen) + "\r\n";
    if (orders == 1) return t + "ボックス,該当なし\r\nセット（ストレート）,該当なし\r\nセット（ボックス）,該当なし\r\n";
    const int box = d.straight4Yen / orders / 100 * 100;
    return t + "ボックス,40口," + yen(box) + "\r\nセット（ストレート）,35口," + yen((d.straight4Yen + box) / 2) +
           "\r\nセット（ボックス）,21口," + yen(box / 2) + "\r\n";
}

// UTF-8 to CP932 (the bytes the bank serves).
inline std::string ToCp932(const std::string& utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    std::string out(utf8.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* o = out.data();
    std::size_t outLeft = out.size();
    iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

// The date as the bank writes it: 令和 from May 2019, 平成 before.
inline std::string Reiwa(int year, int month, int day) {
    const bool reiwa = year > 2019 || (year == 2019 && month >= 5);
    return (reiwa ? "令和" + std::to_string(year - 2018) : "平成" + std::to_string(year - 1988)) + "年" +
           std::to_string(month) + "月" + std::to_string(day) + "日";
}

// The file's text in UTF-8 (the shape the bank serves, before encoding).
inline std::string BankFileText(const BankDraw& d) {
    const bool triple = d.digits[0] == d.digits[1] && d.digits[1] == d.digits[2];
    const bool single = d.digits[0] != d.digits[1] && d.digits[1] != d.digits[2] && d.digits[0] != d.digits[2];
    // Prizes as published draws keep them: the straight is the box times the
    // orders, the set prizes half of straight plus box and half the box.
    const int straight = triple ? 87100 : 29000 * (single ? 6 : 3);
    const auto yen = [](int v) { return std::to_string(v / 100 * 100) + "円"; };
    const std::string n = std::to_string(d.drawNo);
    std::string t = "A50\r\n";
    t += "第" + n + "回ナンバーズ,数字選択式全国自治宝くじ," + Reiwa(d.year, d.month, d.day) +
         ",東京 宝くじドリーム館\r\n";
    t += "支払期間," + Reiwa(d.year, d.month, d.day + 1) + "から" + Reiwa(d.year + 1, d.month, d.day) + "まで\r\n";
    t += "ナンバーズ３抽せん数字," + d.digits + "\r\n";
    t += d.noStraightWinner ? "ストレート," + d.digits + ",該当なし\r\n"
                            : "ストレート," + d.digits + ",62口," + yen(straight) + "\r\n";
    if (triple) {
        t += "ボックス,該当なし\r\nセット（ストレート）,該当なし\r\nセット（ボックス）,該当なし\r\n";
    } else {
        t += "ボックス,253口," + yen(d.boxYen) + "\r\nセット（ストレート）,162口," + yen((straight + 29000) / 2) +
             "\r\nセット（ボックス）,419口," + yen(29000 / 2) + "\r\n";
    }
    t += "ミニ,下２ケタ,468口,8700円\r\n";
    return t + Numbers4Part(d);
}

inline std::string BankFile(const BankDraw& d) { return ToCp932(BankFileText(d)); }

// numbers.csv: a heading line, then one line a draw, newest first.
inline std::string IndexFile(const std::vector<int>& newestFirst) {
    std::string t = "回別,抽せん日\r\n";
    for (int no : newestFirst) t += "第" + std::to_string(no) + "回,ナンバーズ\r\n";
    return ToCp932(t);
}

}  // namespace n3::testing
