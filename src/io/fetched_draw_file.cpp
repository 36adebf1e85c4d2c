#include "io/fetched_draw_file.h"

#include <array>
#include <cctype>

#include "io/bank_result_file.h"
#include "io/csv_records.h"
#include "io/field_text.h"
#include "io/history_csv.h"
#include "io/text_encoding.h"

namespace n3 {

namespace {

bool StartsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

// A page rather than a file: servers that are busy answer with HTML.
bool LooksLikeHtml(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[i]))) ++i;
    std::string head(bytes.substr(i, 64));
    for (char& c : head) c = char(std::tolower(static_cast<unsigned char>(c)));
    return StartsWith(head, "<!doctype") || StartsWith(head, "<html") || StartsWith(head, "<?xml") ||
           StartsWith(head, "<head") || StartsWith(head, "<body");
}

// The block's lines, as the reader normalises them: each game's prize
// lines (ミニ where the game sells it) stand in its part, the ナンバーズ3
// part first (its lines may come before its label).
constexpr std::array<std::string_view, 5> kPrizeLines = {"ストレート", "ボックス", "セット(ストレート)",
                                                         "セット(ボックス)", "ミニ"};

std::optional<std::string> MissingLine(std::string_view utf8) {
    std::vector<std::array<bool, 5>> seen(kGames.size());
    std::vector<bool> labelled(kGames.size());
    std::size_t part = 0;
    CsvReader reader(utf8);
    CsvRecord record;
    while (reader.Next(record)) {
        if (record.blank()) continue;
        const std::string f = NormaliseField(record.fields[0]);
        for (std::size_t g = 0; g < kGames.size(); ++g)
            if (StartsWith(f, kGames[g]->name)) part = g, labelled[g] = true;
        for (std::size_t i = 0; i < kPrizeLines.size(); ++i)
            if (f == kPrizeLines[i]) seen[part][i] = true;
    }
    for (std::size_t g = 0; g < kGames.size(); ++g) {
        const Game& game = *kGames[g];
        if (g > 0 && !labelled[g]) return std::string(game.name) + "の行がありません";
        for (std::size_t i = 0; i < kPrizeLines.size(); ++i)
            if (!seen[g][i] && (i != std::size_t(PrizeKind::Mini) || game.offers(TicketKind::Mini)))
                return std::string(game.name) + "の「" + std::string(kPrizeLines[i]) + "」の行がありません";
    }
    return std::nullopt;
}

}  // namespace

FetchedDraw CheckFetchedDrawFile(std::string_view bytes, int drawNo) {
    FetchedDraw out;
    const std::string truncated = "ファイルが途中で切れています（";
    if (bytes.empty()) {
        out.reason = "ファイルが空です";
        return out;
    }
    if (LooksLikeHtml(bytes)) {
        out.reason = "当選結果のファイルではなく、Webページが返されました（サーバーが混み合っている可能性があります）";
        return out;
    }
    // The bank's files end with a line end: one cut short does not.
    if (bytes.back() != '\n' && bytes.back() != '\r') {
        out.reason = truncated + "最後の行が改行で終わっていません）";
        return out;
    }
    const DecodedText decoded = DecodeTextFile(bytes);
    if (!decoded.ok()) {
        out.reason =
            "ファイルの文字を読めません（" + std::to_string(decoded.badLine) + "行目：" + decoded.reason + "）";
        return out;
    }
    if (!LooksLikeBankResultFile(decoded.text)) {
        out.reason = "当選結果のファイルの形ではありません";
        return out;
    }
    const CsvParseResult parsed = ParseBankResultFile(decoded.text);
    if (!parsed.ok()) {
        out.reason =
            "ファイルを読めません（" + std::to_string(parsed.error->line) + "行目：" + parsed.error->reason + "）";
        return out;
    }
    if (parsed.draws.size() != 1) {
        out.reason = "1回分のはずのファイルに" + std::to_string(parsed.draws.size()) + "回分があります";
        return out;
    }
    if (parsed.draws[0].drawNo != drawNo) {
        out.reason = "ファイルの中身は第" + std::to_string(parsed.draws[0].drawNo) + "回のものです";
        return out;
    }
    if (auto missing = MissingLine(decoded.text)) {
        out.reason = truncated + *missing + "）";
        return out;
    }
    // Each other game's part, read by the same rules: a file whose part
    // cannot be read stores nothing of either game.
    for (const Game* game : kGames) {
        if (game->id == kGames.front()->id) continue;
        const CsvParseResult part = ParseBankResultFile(decoded.text, *game);
        if (!part.ok()) {
            out.reason = std::string(game->name) + "の部分を読めません（" + std::to_string(part.error->line) +
                         "行目：" + part.error->reason + "）";
            return out;
        }
        if (part.draws.size() != 1 || part.draws[0].drawNo != drawNo) {
            out.reason = std::string(game->name) + "の部分が第" + std::to_string(drawNo) + "回のものではありません";
            return out;
        }
        FetchedGameDraw other{game, part.draws[0], std::nullopt};
        if (!part.results.empty()) other.result = part.results[0];
        out.others.push_back(std::move(other));
    }
    out.draw = parsed.draws[0];
    if (!parsed.results.empty()) out.result = parsed.results[0];
    return out;
}

}  // namespace n3
