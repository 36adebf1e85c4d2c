#pragma once
// The 推定倍率 (配当分析) of every number for each kind of ticket, as a
// plain table the book's grids read: straight and box by the three digits,
// ミニ by the last two. A set buys half straight, half box: it shows the
// straight factor, where a number's popularity weighs the most.
#include <array>
#include <optional>

#include "core/number_rules.h"
#include "tickets/ticket.h"

namespace n3 {

struct TicketFactors {
    std::array<std::optional<double>, kAllNumberCount> straight;
    std::array<std::optional<double>, kAllNumberCount> box;  // none for triples
    std::array<std::optional<double>, 100> mini;

    // The factor of the purchase's number for its kind; none for a number
    // the table does not know.
    std::optional<double> of(const Purchase& purchase) const {
        const std::optional<int> number = ParseTicketNumber(purchase.種類, purchase.番号);
        if (!number) return std::nullopt;
        if (purchase.種類 == TicketKind::Mini) return mini[std::size_t(*number)];
        return purchase.種類 == TicketKind::Box ? box[std::size_t(*number)] : straight[std::size_t(*number)];
    }
};

}  // namespace n3
