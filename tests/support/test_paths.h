#pragma once
// Where the tests find the checkout's files and the programs just built.
// The build writes them into a source file of its own (tests/CMakeLists.txt),
// so that no other test object holds a path of this checkout and a second
// checkout in another folder compiles the tests from the compiler cache.
namespace n3::testing {

extern const char* const kCliPath;     // numbers3zubarin-cli
extern const char* const kDataDir;     // data/: the shipped history and results
extern const char* const kHelpFile;    // help/ナンバーズ3ズバリンL.html
extern const char* const kTestServer;  // support/draw_server.py

}  // namespace n3::testing
