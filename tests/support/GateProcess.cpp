#include "tests/support/GateProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tests/support/TestPki.h"

GateProcess::GateProcess(const std::string& program, const TestPki& pki, const std::filesystem::path& state,
                         const std::vector<std::string>& extra)
    : state_(state) {
    std::vector<std::string> args{program,        "--listen", "127.0.0.1:0", "--tls", pki.ServerCert().string(),
                                  pki.ServerKey().string(), "--trust", pki.CaCert().string(), "--state", state.string()};
    args.insert(args.end(), extra.begin(), extra.end());
    int out[2];
    if (pipe(out) != 0) throw std::runtime_error("pipe");
    pid_ = fork();
    if (pid_ == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        std::vector<char*> argv;
        for (auto& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    FILE* reader = fdopen(out[0], "r");
    char line[512] = {};
    const bool started = std::fgets(line, sizeof line, reader) != nullptr;
    std::fclose(reader);
    if (!started) {
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
        throw std::runtime_error("tlxgate did not start");
    }
    url_ = line;
    while (!url_.empty() && (url_.back() == '\n' || url_.back() == '\r')) url_.pop_back();
    setenv("TLX_GATEWAY_CA", pki.CaCert().c_str(), 1);
}

GateProcess::~GateProcess() {
    unsetenv("TLX_GATEWAY_CA");
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

std::string GateProcess::Received(const std::string& suffix) const {
    for (const auto& entry : std::filesystem::directory_iterator(state_)) {
        const std::string name = entry.path().filename().string();
        if (name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0 &&
            name.rfind("request-", 0) != 0) {
            std::ifstream in(entry.path(), std::ios::binary);
            std::stringstream text;
            text << in.rdbuf();
            return text.str();
        }
    }
    return {};
}
