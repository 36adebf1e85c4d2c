#include "app/cli/digit_views_json.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "app/cli/json_numbers.h"
#include "io/text_escape.h"

namespace n3 {

namespace {

std::string TwoDigits(int n) { return std::string{char('0' + n / 10), char('0' + n % 10)}; }

void WriteDigits(std::ostream& out, const CalendarRow& row) {
    out << "\"draws\": " << row.draws << ", \"digits\": [";
    for (std::size_t i = 0; i < row.digits.size(); ++i) {
        out << (i ? ", [" : "[");
        for (std::size_t d = 0; d < 10; ++d) out << (d ? ", " : "") << row.digits[i][d];
        out << "]";
    }
    out << "]";
}

}  // namespace

std::string CalendarJsonMember(const CalendarFigures& f) {
    std::ostringstream out;
    out << "\"calendar\": {\"draws\": " << f.draws << ", \"weekdays\": [";
    for (std::size_t i = 0; i < f.weekdays.size(); ++i) {
        out << (i ? ", " : "") << "{\"weekday\": " << JsonString(kWeekdayNames[std::size_t(f.weekdays[i].key)]) << ", ";
        WriteDigits(out, f.weekdays[i]);
        out << "}";
    }
    out << "], \"months\": [";
    for (std::size_t i = 0; i < f.months.size(); ++i) {
        out << (i ? ", " : "") << "{\"month\": " << f.months[i].key << ", ";
        WriteDigits(out, f.months[i]);
        out << "}";
    }
    out << "], \"tests\": [";
    for (std::size_t i = 0; i < f.tests.size(); ++i) {
        const CalendarTest& t = f.tests[i];
        out << (i ? ", " : "") << "{\"name\": " << JsonString(t.name) << ", \"chi2\": " << JsonOptional(t.chi2)
            << ", \"df\": " << JsonOptional(t.df) << ", \"p\": " << JsonOptional(t.p)
            << ", \"adjustedP\": " << JsonOptional(t.adjustedP) << "}";
    }
    out << "]}";
    return out.str();
}

std::string MiniJsonMember(const MiniFigures& f) {
    std::ostringstream out;
    out << "\"mini\": {\"draws\": " << f.draws << ", \"items\": [";
    for (int n = 0; n < kMiniValues; ++n) {
        const MiniValue& v = f.values[std::size_t(n)];
        out << (n ? ", " : "") << "{\"number\": \"" << TwoDigits(n) << "\", \"count\": " << v.count
            << ", \"expected\": " << JsonNumber(f.expected) << ", \"last\": " << JsonOptional(v.last)
            << ", \"since\": " << v.since << ", \"longestGap\": " << v.longestGap << "}";
    }
    out << "], \"chi2\": " << JsonOptional(f.chi2) << ", \"df\": " << kMiniDf << ", \"p\": " << JsonOptional(f.p)
        << "}";
    return out.str();
}

std::string PairsJsonMember(const PairFigures& f) {
    std::ostringstream out;
    out << "\"pairs\": {\"draws\": " << f.draws << ", \"positions\": [";
    for (std::size_t k = 0; k < kPositionPairs.size(); ++k) {
        const PairCounts& pair = f.pairs[k];
        out << (k ? ", " : "") << "{\"positions\": \"" << kPositionPairs[k].key << "\", \"items\": [";
        for (int n = 0; n < kPairValues; ++n)
            out << (n ? ", " : "") << "{\"pair\": \"" << TwoDigits(n)
                << "\", \"count\": " << pair.counts[std::size_t(n)] << "}";
        out << "], \"chi2\": " << JsonOptional(pair.chi2) << ", \"df\": " << kPairDf
            << ", \"p\": " << JsonOptional(pair.p) << ", \"adjustedP\": " << JsonOptional(pair.adjustedP) << "}";
    }
    out << "]}";
    return out.str();
}

std::string TypesJsonMember(const NumberTypeFigures& f) {
    std::ostringstream out;
    out << "\"types\": {\"game\": " << JsonString(f.game->name) << ", \"draws\": " << f.draws << ", \"rows\": [";
    for (std::size_t i = 0; i < f.rows.size(); ++i) {
        const NumberTypeRow& r = f.rows[i];
        out << (i ? ", " : "") << "{\"type\": " << JsonString(TypeName(r.type)) << ", \"orders\": " << r.orders
            << ", \"count\": " << r.count << ", \"expected\": " << JsonNumber(r.expected)
            << ", \"share\": " << JsonNumber(r.share) << ", \"expectedShare\": " << JsonNumber(r.expectedShare)
            << ", \"meanStraightYen\": " << JsonOptional(r.meanStraightYen) << "}";
    }
    out << "], \"chi2\": " << JsonOptional(f.chi2) << ", \"df\": " << f.df << ", \"p\": " << JsonOptional(f.p)
        << ", \"verdict\": " << JsonString(f.verdict) << "}";
    return out.str();
}

}  // namespace n3
