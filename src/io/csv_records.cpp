#include "io/csv_records.h"

namespace n3 {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool CsvRecord::blank() const {
    for (const auto& f : fields)
        if (!f.empty()) return false;
    return true;
}

bool CsvReader::AtLineEnd() const { return pos_ < text_.size() && (text_[pos_] == '\n' || text_[pos_] == '\r'); }

void CsvReader::SkipLineEnd() {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
}

void CsvReader::SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
}

void CsvReader::ReadPlain(std::string& field) {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) ++pos_;
    std::size_t end = pos_;
    while (end > start && IsBlank(text_[end - 1])) --end;
    field.assign(text_.substr(start, end - start));
}

bool CsvReader::ReadQuoted(std::string& field, int recordLine) {
    ++pos_;  // the opening quote
    field.clear();
    for (;;) {
        const std::size_t quote = text_.find('"', pos_);
        if (quote == std::string_view::npos) {
            error_ = CsvError{recordLine, "「\"」で始まる項目が「\"」で閉じられていません"};
            return false;
        }
        for (std::size_t i = pos_; i < quote; ++i) {
            const char c = text_[i];
            if (c == '\n' || (c == '\r' && text_[i + 1] != '\n')) ++line_;
        }
        field.append(text_.substr(pos_, quote - pos_));
        pos_ = quote + 1;
        if (pos_ < text_.size() && text_[pos_] == '"') {
            field += '"';
            ++pos_;
            continue;
        }
        break;
    }
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) {
        error_ = CsvError{line_, "「\"」で囲んだ項目の後に余分な文字があります"};
        return false;
    }
    return true;
}

bool CsvReader::Next(CsvRecord& record) {
    if (error_ || pos_ >= text_.size()) return false;
    record.line = line_;
    record.fields.clear();
    for (;;) {
        std::string field;
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == '"') {
            if (!ReadQuoted(field, record.line)) return false;
        } else {
            ReadPlain(field);
        }
        record.fields.push_back(std::move(field));
        if (pos_ >= text_.size()) return true;
        if (AtLineEnd()) {
            SkipLineEnd();
            return true;
        }
        ++pos_;  // the comma
    }
}

}  // namespace n3
