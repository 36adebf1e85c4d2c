#include "io/draw_update_texts.h"

#include <algorithm>

#include "core/number_rules.h"

namespace n3 {

std::string NothingNewText(int newestDrawNo, const std::string& newestDate) {
    std::string text = "新しい当選データはありません";
    if (newestDrawNo <= 0) return text;
    text += "（最新は第" + std::to_string(newestDrawNo) + "回";
    if (!newestDate.empty()) text += "・" + newestDate;
    return text + "）";
}

std::string UpdateSummaryText(int firstDrawNo, int lastDrawNo, int draws, int results,
                              const std::vector<const Game*>& games) {
    std::string range = "第" + std::to_string(firstDrawNo) + "回";
    if (lastDrawNo != firstDrawNo) range += "〜第" + std::to_string(lastDrawNo) + "回";
    if (games.size() > 1) {
        std::string names;
        for (const Game* game : kGames)
            if (std::find(games.begin(), games.end(), game) != games.end())
                names += (names.empty() ? "" : "・") + std::string(game->name);
        return range + "の" + std::to_string(draws) + "回分を取り込みました（" + names + "）";
    }
    return range + "の" + std::to_string(draws) + "回分を取り込みました（当選結果 " + std::to_string(results) + " 件）";
}

std::string DigitsText(const Draw& draw) { return DigitsText(draw.digits); }

std::string StoredDrawLine(const Draw& draw, const std::string& date) {
    std::string line = "第" + std::to_string(draw.drawNo) + "回";
    if (!date.empty()) line += " " + date;
    return line + " " + DigitsText(draw);
}

std::string UpdateStoppedText(int drawNo, const std::string& reason) {
    return "第" + std::to_string(drawNo) + "回で止まりました：" + reason;
}

namespace {

std::string Figure(const std::optional<std::int64_t>& value, const char* unit) {
    return value ? std::to_string(*value) + unit : std::string("該当なし");
}

}  // namespace

std::vector<std::string> RecheckDifferences(const Draw& stored, const DrawResult* storedResult, const Draw& fetched,
                                            const DrawResult* fetchedResult, const Game& game) {
    std::vector<std::string> out;
    const std::string head = "第" + std::to_string(fetched.drawNo) + "回" + std::string(game.captionSuffix) + "の";
    const auto digits = [&game](const Draw& d) { return DigitsText(d.digits, game); };
    const auto differ = [&](const std::string& what, const std::string& was, const std::string& is) {
        out.push_back(head + what + "：データベースでは「" + was + "」、ファイルでは「" + is + "」");
    };
    if (digits(stored) != digits(fetched)) differ("当選番号", digits(stored), digits(fetched));
    if (!fetchedResult) return out;
    const DrawResult none;
    const DrawResult& was = storedResult ? *storedResult : none;
    if (!fetchedResult->date.empty() && fetchedResult->date != was.date)
        differ("抽せん日", was.date.empty() ? "なし" : was.date, fetchedResult->date);
    for (std::size_t k = 0; k < kPrizeKindCount; ++k) {
        const Prize& a = was.prizes[k];
        const Prize& b = fetchedResult->prizes[k];
        if (a.winners != b.winners)
            differ(std::string(kPrizeKindNames[k]) + "の口数", Figure(a.winners, "口"), Figure(b.winners, "口"));
        if (a.yen != b.yen)
            differ(std::string(kPrizeKindNames[k]) + "の当せん金額", Figure(a.yen, "円"), Figure(b.yen, "円"));
    }
    return out;
}

std::string RecheckSummaryText(int firstDrawNo, int lastDrawNo, int draws, int differing) {
    std::string range = "第" + std::to_string(firstDrawNo) + "回";
    if (lastDrawNo != firstDrawNo) range += "〜第" + std::to_string(lastDrawNo) + "回";
    return range + "の" + std::to_string(draws) + "回分を確かめました（違いのある回 " + std::to_string(differing) +
           " 回）";
}

}  // namespace n3
