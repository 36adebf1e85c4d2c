#include "io/draw_update_texts.h"

namespace n3 {

std::string NothingNewText(int newestDrawNo, const std::string& newestDate) {
    std::string text = "新しい当選データはありません";
    if (newestDrawNo <= 0) return text;
    text += "（最新は第" + std::to_string(newestDrawNo) + "回";
    if (!newestDate.empty()) text += "・" + newestDate;
    return text + "）";
}

std::string UpdateSummaryText(int firstDrawNo, int lastDrawNo, int draws, int results) {
    std::string range = "第" + std::to_string(firstDrawNo) + "回";
    if (lastDrawNo != firstDrawNo) range += "〜第" + std::to_string(lastDrawNo) + "回";
    return range + "の" + std::to_string(draws) + "回分を取り込みました（当選結果 " + std::to_string(results) + " 件）";
}

std::string DigitsText(const Draw& draw) {
    std::string s;
    for (const auto& d : draw.digits) s += d && *d >= 0 && *d <= 9 ? char('0' + *d) : '?';
    return s;
}

std::string StoredDrawLine(const Draw& draw, const std::string& date) {
    std::string line = "第" + std::to_string(draw.回数) + "回";
    if (!date.empty()) line += " " + date;
    return line + " " + DigitsText(draw);
}

std::string UpdateStoppedText(int drawNo, const std::string& reason) {
    return "第" + std::to_string(drawNo) + "回で止まりました：" + reason;
}

}  // namespace n3
