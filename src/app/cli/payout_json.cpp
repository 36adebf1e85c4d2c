#include "app/cli/payout_json.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "app/cli/json_numbers.h"
#include "io/text_escape.h"

namespace n3 {

namespace {

void WriteKind(std::ostream& out, const PayoutKindFigures& k) {
    out << "{\"kind\": " << JsonString(PayoutKindKey(k.kind)) << ", \"draws\": " << k.draws
        << ", \"sd\": " << JsonOptional(k.sd) << ", \"tau\": " << JsonOptional(k.tau)
        << ", \"grandFactor\": " << JsonOptional(k.grandFactor) << ", \"items\": [";
    for (std::size_t i = 0; i < k.items.size(); ++i) {
        const PayoutItem& item = k.items[i];
        if (i) out << ", ";
        out << "{\"number\": " << JsonString(item.number) << ", \"wins\": " << item.wins
            << ", \"factor\": " << JsonOptional(item.factor) << ", \"low\": " << JsonOptional(item.low)
            << ", \"high\": " << JsonOptional(item.high) << ", \"shrunk\": " << JsonOptional(item.shrunk) << "}";
    }
    out << "]}";
}

}  // namespace

std::string PayoutJsonMember(const PayoutFigures& f) {
    std::ostringstream out;
    out << "\"payout\": {\"years\": [";
    for (std::size_t i = 0; i < f.years.size(); ++i) {
        const PayoutYear& y = f.years[i];
        if (i) out << ", ";
        out << "{\"year\": " << y.year << ", \"draws\": " << y.draws
            << ", \"straightMean\": " << JsonNumber(y.straightMean)
            << ", \"straightMedian\": " << JsonNumber(y.straightMedian)
            << ", \"straightRatio\": " << JsonNumber(y.straightRatio) << "}";
    }
    out << "], \"kinds\": [";
    for (std::size_t k = 0; k < f.kinds.size(); ++k) {
        if (k) out << ", ";
        WriteKind(out, f.kinds[k]);
    }
    out << "], \"groups\": [";
    for (std::size_t i = 0; i < f.groups.size(); ++i) {
        const PayoutGroup& g = f.groups[i];
        if (i) out << ", ";
        out << "{\"group\": " << JsonString(g.name) << ", \"wins\": " << g.wins
            << ", \"factor\": " << JsonOptional(g.factor) << ", \"low\": " << JsonOptional(g.low)
            << ", \"high\": " << JsonOptional(g.high) << ", \"p\": " << JsonOptional(g.p)
            << ", \"adjustedP\": " << JsonOptional(g.adjustedP) << ", \"verdict\": " << JsonString(g.verdict) << "}";
    }
    const PayoutStability& s = f.stability;
    out << "], \"stability\": {\"split\": " << (s.split ? std::to_string(*s.split) : std::string("null"))
        << ", \"numbers\": " << s.numbers << ", \"correlation\": " << JsonOptional(s.correlation) << "}}";
    return out.str();
}

}  // namespace n3
