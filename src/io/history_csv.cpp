#include "io/history_csv.h"

#include <algorithm>
#include <cerrno>
#include <charconv>

#include "io/bank_result_file.h"
#include "io/csv_records.h"
#include "io/echo_text.h"
#include "io/field_text.h"
#include "io/file_io.h"
#include "io/history_csv_columns.h"
#include "io/result_csv_columns.h"
#include "io/text_encoding.h"

namespace n3 {

namespace {

bool AllDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The value of a field: normalised, and ="048" read as 048.
std::string Value(const std::string& field) {
    std::string v = NormaliseField(field);
    if (v.size() >= 3 && v[0] == '=' && v[1] == '"' && v.back() == '"') v = v.substr(2, v.size() - 3);
    return v;
}

// Quotes a field's text for a message, cut short and without control characters.
std::string Q(const std::string& s) { return "「" + EchoText(s) + "」"; }

// Reads one data row into draw; returns the reason when it cannot.
// `padded` is set when a 当せん番号 of one or two digits was read as the
// three-digit number it stands for.
std::optional<std::string> ReadRow(const CsvRecord& record, const HistoryColumns& columns, Draw& draw, bool& padded) {
    const auto& fields = record.fields;
    auto counts = [&] {
        return "（見出し行は" + std::to_string(columns.fieldCount) + "項目、この行は" + std::to_string(fields.size()) +
               "項目）";
    };
    if (fields.size() < columns.fieldCount) return "項目が足りません" + counts();
    // The program's own shape (only the draw number and the digits) has
    // exactly as many fields as its header; a published list with further
    // columns often ends its rows with empty fields.
    const bool ownShape = columns.fieldCount == (columns.oneField ? 2u : 1u + std::size_t(columns.digitCount));
    if (ownShape && fields.size() > columns.fieldCount) return "項目が多すぎます" + counts();
    for (std::size_t i = columns.fieldCount; i < fields.size(); ++i)
        if (!fields[i].empty()) return "項目が多すぎます" + counts();

    const std::string& noName = columns.drawNoName;
    const std::string no = Value(fields[columns.drawNo]);
    if (no.empty()) return noName + "が空です";
    const std::string_view digits = DrawNumberDigits(no);
    if (digits.empty() || !AllDigits(digits)) return noName + Q(no) + "は回数として読めません";
    int value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || value < 1 || value > kMaxDrawNo) return noName + Q(no) + "が1～32767の範囲にありません";
    draw = Draw{};
    draw.drawNo = value;

    const std::size_t count = std::size_t(columns.digitCount);
    if (columns.oneField) {
        const std::string& name = columns.digitNames[0];
        const std::string number = Value(fields[columns.digits[0]]);
        const std::string width = std::to_string(count) + "桁";
        if (number.empty()) return name + "が空です";
        if (!AllDigits(number)) return name + Q(number) + "は" + width + "の数字ではありません";
        if (number.size() > count) return name + Q(number) + "が" + width + "ではありません";
        // A spreadsheet that read the number as a value dropped its leading
        // zeros (52 for 052, 7 for 007); every number has all its digits.
        padded = number.size() < count;
        const std::string full = std::string(count - number.size(), '0') + number;
        for (std::size_t i = 0; i < count; ++i) draw.digits[i] = full[i] - '0';
        return std::nullopt;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::string digit = Value(fields[columns.digits[i]]);
        if (digit.empty()) continue;
        if (digit.size() != 1 || !AllDigits(digit))
            return columns.digitNames[i] + Q(digit) + "が0～9の数字ではありません";
        draw.digits[i] = digit[0] - '0';
    }
    return std::nullopt;
}

}  // namespace

std::string PaddedNumbersNote(int paddedNumbers) {
    if (paddedNumbers <= 0) return {};
    return "当せん番号が1桁か2桁だった " + std::to_string(paddedNumbers) +
           " 行は、先頭の0を補って3桁として読みました（52 → 052、7 → 007）。";
}

CsvParseResult ParseHistoryCsv(std::string_view bytes) {
    CsvParseResult result;
    auto fail = [&](int line, std::string reason) {
        result.draws.clear();
        result.results.clear();
        result.error = CsvError{line, std::move(reason)};
        return result;
    };
    const DecodedText decoded = DecodeTextFile(bytes);
    if (!decoded.ok()) return fail(decoded.badLine, decoded.reason);
    if (LooksLikeBankResultFile(decoded.text)) return ParseBankResultFile(decoded.text);

    CsvReader reader(decoded.text);
    CsvRecord record;
    std::optional<HistoryColumns> columns;
    ResultColumns resultColumns;
    std::vector<int> firstLineOf(std::size_t(kMaxDrawNo) + 1, 0);
    while (reader.Next(record)) {
        if (record.blank()) continue;
        if (!columns) {
            auto recognised = RecogniseHistoryColumns(record.fields);
            if (!recognised.columns) {
                if (decoded.encoding == SourceEncoding::Cp932)
                    recognised.reason += "（UTF-8ではないためShift-JISとして読みました。UTF-8として読めない文字は" +
                                         std::to_string(decoded.nonUtf8Line) + "行目にあります）";
                return fail(record.line, recognised.reason);
            }
            columns = std::move(recognised.columns);
            result.digits = columns->digitCount;
            ResultColumnsResult results = RecogniseResultColumns(record.fields);
            if (!results.ok()) return fail(record.line, results.reason);
            resultColumns = std::move(results.columns);
            result.carriesResults = resultColumns.any();
            continue;
        }
        Draw draw;
        bool padded = false;
        if (auto reason = ReadRow(record, *columns, draw, padded)) return fail(record.line, std::move(*reason));
        if (padded) ++result.paddedNumbers;
        if (result.carriesResults) {
            DrawResult drawResult;
            drawResult.drawNo = draw.drawNo;
            if (auto reason = ReadResultFields(record.fields, resultColumns, drawResult))
                return fail(record.line, std::move(*reason));
            SettleResult(drawResult, draw.digits, *GameOfDigits(result.digits));
            if (!drawResult.empty()) result.results.push_back(std::move(drawResult));
        }
        int& first = firstLineOf[std::size_t(draw.drawNo)];
        if (first != 0)
            return fail(record.line, "回数" + std::to_string(draw.drawNo) + "が2回あります（" + std::to_string(first) +
                                         "行目と同じです）");
        first = record.line;
        result.draws.push_back(draw);
    }
    if (reader.error()) return fail(reader.error()->line, reader.error()->reason);
    if (!columns) return fail(1, "ファイルが空です");
    std::sort(result.results.begin(), result.results.end(),
              [](const DrawResult& a, const DrawResult& b) { return a.drawNo < b.drawNo; });
    return result;
}

CsvParseResult ReadHistoryCsvFile(const std::string& path) {
    const FileReadResult file = ReadWholeFile(path);
    if (file.missing || !file.error.empty()) {
        CsvParseResult result;
        result.error = CsvError{0, "ファイルを開けません（" + (file.missing ? ReasonText(ENOENT) : file.error) + "）"};
        return result;
    }
    return ParseHistoryCsv(file.bytes);
}

const Game* GameOfDigits(int digits) {
    for (const Game* game : kGames)
        if (game->digits == digits) return game;
    return nullptr;
}

std::string WriteHistoryCsv(const DrawHistory& history, const Game& game) {
    std::string out;
    out.reserve(32 + history.size() * 16);
    out += kCsvHeader;
    for (int i = kNumbers3.digits; i < game.digits; ++i) out += ",第" + std::to_string(i + 1) + "数字";
    out += "\r\n";
    for (const Draw& d : history) {
        out += std::to_string(d.drawNo);
        for (int i = 0; i < game.digits; ++i) {
            out += ',';
            if (const auto& digit = d.digits[std::size_t(i)]) out += char('0' + *digit);
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace n3
