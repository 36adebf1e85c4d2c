#pragma once
// Runs draw_server.py (an HTTP server on 127.0.0.1 over a folder) for the
// draw update tests, and stops it at the end.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace n3::testing {

class DrawServer {
public:
    // `script` is draw_server.py, `folder` the folder it serves.
    DrawServer(const std::string& script, std::string folder) : folder_(std::move(folder)) {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(fds[1], 1);
            close(fds[0]);
            close(fds[1]);
            execlp("python3", "python3", script.c_str(), folder_.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string line;
        char c;
        while (read(fds[0], &c, 1) == 1 && c != '\n') line += c;
        close(fds[0]);
        port_ = line.empty() ? 0 : std::stoi(line);
    }
    ~DrawServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    DrawServer(const DrawServer&) = delete;
    DrawServer& operator=(const DrawServer&) = delete;

    int port() const { return port_; }
    std::string base(const std::string& host = "127.0.0.1") const {
        return "http://" + host + ":" + std::to_string(port_) + "/";
    }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(folder_ + "/" + name, std::ios::binary | std::ios::trunc) << bytes;
    }
    void remove(const std::string& name) const { std::remove((folder_ + "/" + name).c_str()); }
    // rules.json as draw_server.py reads it.
    void rules(const std::string& json) const { write("rules.json", json); }
    // The lines of requests.log: "time path user-agent".
    std::vector<std::string> requests() const {
        std::ifstream in(folder_ + "/requests.log");
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

private:
    std::string folder_;
    pid_t pid_ = -1;
    int port_ = 0;
};

}  // namespace n3::testing
