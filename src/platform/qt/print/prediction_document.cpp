#include "platform/qt/print/prediction_document.h"

#include "platform/qt/print/print_document_builders.h"
#include "prediction/option_pairs.h"

namespace n3 {

PrintDocument MakePredictionDocument(const 一発ズバリン& prediction, const DrawHistory& history) {
    PrintDocument doc;
    doc.caption = "一発ズバリン予想";
    doc.description =
        "各データ分析の結果を元に周期法、消去法、連発ズバリン、一発ズバリンの各手法を用いて当選数字を予想します。";
    doc.dateText = TodayText();
    doc.rangeText = HistoryRangeText(history);
    doc.addText("データ分析オプション");
    // Two flags a line; the two last-digit pairs have no flag and always
    // stand at 反映しない.
    for (int i = 0; i < kOptionPairCount; i += 2) {
        std::string line;
        for (int k = i; k < i + 2 && k < kOptionPairCount; ++k) {
            const bool on = k < kOptionFlagCount && prediction.optionFlag(k);
            if (!line.empty()) line += "　　";
            line += std::string(kOptionCaptions[std::size_t(k)]) + "：" + (on ? "反映する" : "反映しない");
        }
        doc.addText(std::move(line));
    }
    doc.addText("");
    doc.addText("当選予想");
    for (int i = 0; i < kPredictionGridCount; ++i) {
        doc.addText(std::string(kPredictionGridLabels[std::size_t(i)]));
        doc.addGrid(prediction.grids()[std::size_t(i)]);
    }
    return doc;
}

}  // namespace n3
