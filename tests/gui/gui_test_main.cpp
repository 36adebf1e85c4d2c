// GUI tests run offscreen under one QApplication. The updates they run
// fetch from the local test server without the pause between requests
// (the store tests keep one run at the real pace).
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    if (qgetenv("N3_REQUEST_INTERVAL_MS").isEmpty()) qputenv("N3_REQUEST_INTERVAL_MS", "0");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
