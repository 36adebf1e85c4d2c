#pragma once
// The one QApplication of the benchmark run, offscreen, made on first use.
#include <QApplication>

namespace n3::bench {

inline QApplication& App() {
    static int argc = 1;
    static char name[] = "n3_benchmarks";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

}  // namespace n3::bench
