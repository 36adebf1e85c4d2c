#include "tickets/ticket_csv.h"
#include "io/text_escape.h"

#include <charconv>
#include <cstdint>
#include <set>

#include "io/csv_records.h"
#include "io/echo_text.h"
#include "io/field_text.h"
#include "io/text_encoding.h"

namespace n3 {

namespace {

std::string Quoted(const std::string& field) {
    // A memo with blanks at its ends keeps them only inside quotes.
    return CsvField(field, field != NormaliseField(field));
}

bool ReadInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
}

TicketCsvResult Failure(int line, std::string reason) {
    TicketCsvResult r;
    r.errorLine = line;
    r.error = std::to_string(line) + " 行目: " + std::move(reason);
    return r;
}

}  // namespace

std::string WriteTicketCsv(const std::vector<Purchase>& book) {
    std::string out = std::string(kTicketCsvHeading) + "\r\n";
    for (const Purchase& p : book) {
        out += (p.id > 0 ? std::to_string(p.id) : std::string()) + ',' + p.購入日 + ',' + std::to_string(p.最初の回数) +
               ',' + std::to_string(p.継続回数) + ',' + p.番号 + ',' + std::string(TicketKindCaption(p.種類)) + ',' +
               std::to_string(p.口数) + ',' + Quoted(p.メモ) + ',' + (p.受け取り済み ? kReceivedMark : "") + "\r\n";
    }
    return out;
}

TicketCsvResult ReadTicketCsv(const std::string& bytes) {
    const DecodedText decoded = DecodeTextFile(bytes);
    if (!decoded.ok()) return Failure(decoded.badLine, decoded.reason);
    CsvReader reader(decoded.text);
    CsvRecord record;
    TicketCsvResult result;
    bool heading = true;
    bool carriesReceipt = true;  // the heading of this program's books
    std::set<std::int64_t> ids;
    while (reader.Next(record)) {
        if (record.blank()) continue;
        if (heading) {
            heading = false;
            std::string joined;
            for (std::size_t i = 0; i < record.fields.size(); ++i)
                joined += (i ? "," : "") + NormaliseField(record.fields[i]);
            carriesReceipt = joined == kTicketCsvHeading;
            if (!carriesReceipt && joined != kTicketCsvHeadingWithoutReceipt)
                return Failure(record.line, std::string("見出しの行が「") + kTicketCsvHeading + "」ではありません。");
            continue;
        }
        if (carriesReceipt ? record.fields.size() != 9 : record.fields.size() < 6 || record.fields.size() > 7)
            return Failure(record.line,
                           carriesReceipt ? "項目の数が 9 ではありません。" : "項目の数が 7 ではありません。");
        Purchase p;
        if (carriesReceipt) {
            const std::string id = NormaliseField(record.fields.front());
            std::int64_t value = 0;
            const auto [end, ec] = std::from_chars(id.data(), id.data() + id.size(), value);
            if (!id.empty() && (ec != std::errc() || end != id.data() + id.size() || value < 1))
                return Failure(record.line, "id「" + EchoText(id) + "」が正の整数ではありません。");
            if (value > 0 && !ids.insert(value).second)
                return Failure(record.line, "id " + id + " がほかの行と重なっています。");
            p.id = value;
            const std::string received = NormaliseField(record.fields.back());
            if (!received.empty() && received != kReceivedMark && received != "未")
                return Failure(record.line, "受け取り済み「" + EchoText(received) + "」は「" + kReceivedMark +
                                                "」か空欄で書いてください。");
            p.受け取り済み = received == kReceivedMark;
            record.fields.erase(record.fields.begin());
            record.fields.pop_back();
        }
        p.購入日 = NormaliseField(record.fields[0]);
        const std::string first = NormaliseField(record.fields[1]), count = NormaliseField(record.fields[2]),
                          units = NormaliseField(record.fields[5]);
        if (!ReadInt(first, p.最初の回数))
            return Failure(record.line, "最初の回数「" + EchoText(first) + "」が数ではありません。");
        if (!ReadInt(count, p.継続回数))
            return Failure(record.line, "継続回数「" + EchoText(count) + "」が数ではありません。");
        if (!ReadInt(units, p.口数)) return Failure(record.line, "口数「" + EchoText(units) + "」が数ではありません。");
        p.番号 = NormaliseField(record.fields[3]);
        const std::string type = NormaliseField(record.fields[4]);
        const auto bet = ParseTicketKind(type);
        if (!bet)
            return Failure(record.line,
                           "種類「" + EchoText(type) + "」はストレート、ボックス、セット、ミニのどれでもありません。");
        p.種類 = *bet;
        if (record.fields.size() == 7) p.メモ = record.fields[6];
        if (std::string why = PurchaseError(p); !why.empty()) return Failure(record.line, why);
        if (std::string why = NewMemoError(p.メモ); !why.empty()) return Failure(record.line, why);
        if (result.purchases.size() >= std::size_t(kMaxPurchases))
            return Failure(record.line, "購入記録が多すぎます（一冊に " + std::to_string(kMaxPurchases) +
                                            " 件まで）。ファイルを分けて、古い記録を書き出してから消してください。");
        result.purchases.push_back(std::move(p));
    }
    if (reader.error()) return Failure(reader.error()->line, reader.error()->reason);
    if (heading) return Failure(1, "見出しの行がありません。");
    return result;
}

}  // namespace n3
