#pragma once
// The 推定倍率 (配当分析) of every number for each kind of ticket, as a
// plain table the book's grids read: straight and box by the three digits,
// ミニ by the last two. A set buys half straight, half box: it shows the
// straight factor, where a number's popularity weighs the most.
#include <array>
#include <optional>

#include "tickets/ticket.h"

namespace n3 {

struct TicketFactors {
    std::array<std::optional<double>, 1000> straight;
    std::array<std::optional<double>, 1000> box;  // none for triples
    std::array<std::optional<double>, 100> mini;

    // The factor of the purchase's number for its kind; none for a number
    // the table does not know.
    std::optional<double> of(const Purchase& purchase) const {
        int number = 0;
        for (char c : purchase.番号) {
            if (c < '0' || c > '9') return std::nullopt;
            number = number * 10 + (c - '0');
        }
        const std::size_t digits = purchase.番号.size();
        if (purchase.種類 == BetType::Mini) return digits == 2 ? mini[std::size_t(number)] : std::nullopt;
        if (digits != 3) return std::nullopt;
        return purchase.種類 == BetType::Box ? box[std::size_t(number)] : straight[std::size_t(number)];
    }
};

}  // namespace n3
