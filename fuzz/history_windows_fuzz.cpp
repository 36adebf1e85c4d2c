// Every window on a generated history of bounded size: draw numbers 1 to
// 32767 with gaps, unknown digits, any option flags and range. No window
// may crash, hang or overflow, and every grid is a real table.
#include <cstdint>
#include <string>

#include "core/startup_statistics.h"
#include "fuzz_check.h"
#include "prediction/prediction_window_logic.h"
#include "settings/settings.h"
#include "windows/window_table.h"

using namespace n3;
using n3::fuzz::Check;

namespace {

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    unsigned next() { return pos_ < size_ ? data_[pos_++] : 0u; }
    bool more() const { return pos_ < size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

constexpr std::size_t kMaxDraws = 250;

// Histories reach draw 1023 at most, or 32767 when `fullRange` is set (the
// first byte 0xFF): the windows walk every number up to the latest draw,
// so those runs are slow and kept to the inputs that ask for them.
DrawHistory Generate(Bytes& in, bool fullRange) {
    const int top = fullRange ? kMaxDrawNo : 1023;
    DrawHistory history;
    int number = 0;
    while (in.more() && history.size() < kMaxDraws) {
        const unsigned step = in.next();
        // Mostly the next draw; sometimes a gap, now and then a jump up.
        int next = number + 1 + int(step & 3u);
        if ((step & 0xF0u) == 0xF0u) next = number + 1 + int(fullRange ? in.next() << 3 : in.next());
        if (next > top) break;
        number = next;
        Draw d;
        d.drawNo = number;
        for (int place = 0; place < kNumbers3.digits; ++place) {
            const unsigned v = in.next();
            if (v % 16 < 10) d.digits[std::size_t(place)] = int(v % 16);  // else unknown
        }
        history.push_back(d);
    }
    return history;
}

void CheckGrid(const GridModel& grid, std::string_view window) {
    Check(grid.columns() >= 0 && grid.rows() >= 0, "grid size", window);
    Check(std::size_t(grid.columns()) * std::size_t(grid.rows()) <= 2'000'000, "grid of bounded size", window);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    const bool fullRange = in.next() == 0xFFu;
    const unsigned flagBits = in.next() | in.next() << 8;
    const unsigned rangeByte = in.next();
    const DrawHistory history = Generate(in, fullRange);
    const StartupStatistics stats = LoadStartupStatistics(history);
    const ResultHistory results;

    OptionFlags flags{};
    for (std::size_t i = 0; i < flags.size(); ++i) flags[i] = (flagBits >> i) & 1u;
    DrawRange range;
    if (!history.empty() && (rangeByte & 1u)) {
        range.from = history[(rangeByte >> 1) % history.size()].drawNo;
        range.to = rangeByte & 2u ? 0 : history.back().drawNo;
    }

    for (const AnalysisWindowInfo& info : AnalysisWindowTable()) {
        if (!info.build && !info.content) continue;
        const WindowContent content =
            BuildWindowContent(info, WindowInput{history, stats, results, flags, range, std::nullopt, nullptr, false});
        for (const ContentView& view : content.views)
            if (view.grid) CheckGrid(*view.grid, info.className);
    }
    Settings settings;
    一発ズバリン prediction(settings);
    prediction.BuildPrediction(history, stats.LatestDrawNo);
    for (const GridModel& grid : prediction.grids()) CheckGrid(grid, "一発ズバリン");
    return 0;
}
