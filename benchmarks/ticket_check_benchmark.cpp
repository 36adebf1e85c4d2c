// Checking the ticket book: 10,000 purchases of 20 draws each against a
// full history with prizes for every draw (target: under 50 ms).
#include <benchmark/benchmark.h>

#include <random>

#include "core/number_rules.h"
#include "test_history.h"
#include "tickets/ticket_summary.h"

namespace {

std::vector<n3::Purchase> Book(int purchases, int lastDraw) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> digit(0, 9), type(0, n3::kTicketKindCount - 1), units(1, 99),
        first(1, lastDraw - 20 + 1);
    std::vector<n3::Purchase> book;
    for (int i = 0; i < purchases; ++i) {
        n3::Purchase p;
        p.id = i + 1;
        p.購入日 = "2024-" + std::string(i % 12 < 9 ? "0" : "") + std::to_string(i % 12 + 1) + "-15";
        p.最初の回数 = first(rng);
        p.継続回数 = 20;
        p.種類 = n3::TicketKind(type(rng));
        p.口数 = units(rng);
        do {
            p.番号.clear();
            for (int d = 0; d < n3::TicketDigits(p.種類); ++d) p.番号 += char('0' + digit(rng));
        } while (!n3::PurchaseError(p).empty());
        book.push_back(std::move(p));
    }
    return book;
}

void CheckTicketBook(benchmark::State& state) {
    const int drawCount = 7000;
    // Draws past the history stay 未抽せん; the book reaches 40 draws beyond it.
    const n3::DrawHistory history = n3::testing::generatedHistory(drawCount);
    n3::ResultHistory results;
    for (int no = 1; no <= drawCount; ++no) {
        n3::DrawResult r;
        r.drawNo = no;
        for (auto& prize : r.prizes) prize.yen = 1000 + no % 97;
        results.push_back(r);
    }
    const auto book = Book(int(state.range(0)), drawCount + 40);
    std::size_t outcomes = 0;
    for (auto _ : state) {
        const auto checked = n3::CheckBook(book, history, results);
        const auto summary = n3::Summarise(book, checked);
        outcomes = checked.size();
        benchmark::DoNotOptimize(summary);
    }
    state.counters["outcomes"] = double(outcomes);
}

}  // namespace

BENCHMARK(CheckTicketBook)->Arg(10000)->Unit(benchmark::kMillisecond);
