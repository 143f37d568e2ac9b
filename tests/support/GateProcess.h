// A running tlxgate, the local stand-in for the tax office's gateway, on a free port of 127.0.0.1 with
// the TLS certificate of a TestPki; stopped by its process id when the object goes. While it lives,
// TLX_GATEWAY_CA names the PKI's CA, so the host's gateway trusts it.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

class TestPki;

class GateProcess {
public:
    // `program`: the built tlxgate; `state`: its folder of what it received; `extra`: further options.
    GateProcess(const std::string& program, const TestPki& pki, const std::filesystem::path& state,
                const std::vector<std::string>& extra = {});
    ~GateProcess();
    GateProcess(const GateProcess&) = delete;
    GateProcess& operator=(const GateProcess&) = delete;

    const std::string& Url() const { return url_; }
    const std::filesystem::path& State() const { return state_; }
    // The bytes of the one file in the state folder whose name ends with `suffix` ("" when none).
    std::string Received(const std::string& suffix) const;

private:
    pid_t pid_ = -1;
    std::string url_;
    std::filesystem::path state_;
};
