#pragma once
// The one QApplication of the benchmark run, offscreen, made on first use.
// It is never destroyed: at the end of the run the process exits with it,
// as Qt's own statics (the input devices among them) are already gone when
// a static application's destructor would run.
#include <QApplication>

namespace n3::bench {

inline QApplication& App() {
    static int argc = 1;
    static char name[] = "n3_benchmarks";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace n3::bench
