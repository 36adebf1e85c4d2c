#pragma once
// バージョン情報: the product name, the version and a slogan.
#include "core/window_names.h"
#include "platform/qt/common/child_window.h"

namespace n3 {

class AboutWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit AboutWindow(ChildHost& host, QWidget* parent = nullptr);
    QString windowClass() const override {
        return QString::fromUtf8(windows::kAbout.data(), qsizetype(windows::kAbout.size()));
    }
    QSize designSize() const override { return {360, 192}; }
    void load() override {}
    bool fixedSize() const override { return true; }

protected:
    void keyPressEvent(QKeyEvent* event) override;  // Escape closes

    void unload() override {}  // the about window leaves the entry-free flag alone
};

}  // namespace n3
