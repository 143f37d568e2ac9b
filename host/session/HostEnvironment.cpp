#include "host/session/HostEnvironment.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <vector>

#include "host/DatabaseRoutines.h"
#include "host/HostClasses.h"
#include "host/session/HostSession.h"
#include "host/session/Login.h"
#include "platform/ado/DatabasePool.h"

namespace tlx::host {
namespace {

ComPtr<ILogin>& LoginSlot() {
    static ComPtr<ILogin> login;
    return login;
}

std::vector<IHostSession*>& Sessions() {
    static std::vector<IHostSession*> sessions;
    return sessions;
}

// Today as an OLE date (local calendar day, no time).
DATE SystemToday() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::tm midnight = local;
    midnight.tm_hour = 12;  // away from daylight-saving edges
    midnight.tm_min = midnight.tm_sec = 0;
    std::time_t noon = timegm(&midnight);
    return std::floor(static_cast<double>(noon) / 86400.0) + 25569.0;
}

}  // namespace

HRESULT StartHost(const LoginSettings& settings) {
    if (HRESULT hr = RegisterHostClasses(); FAILED(hr)) return hr;
    RegisterDatabaseRoutines();
    StopHost();
    LoginSettings signedIn = settings;
    if (signedIn.op.today == 0) signedIn.op.today = SystemToday();
    LoginSlot() = ComPtr<ILogin>(CLogin::Make(std::move(signedIn)).Get());
    return S_OK;
}

void StopHost() {
    // Closing a session may release objects that end other sessions: work on a copy.
    std::vector<IHostSession*> open = Sessions();
    for (IHostSession* session : open) {
        if (std::find(Sessions().begin(), Sessions().end(), session) == Sessions().end()) continue;
        ComPtr<IHostSession> keep(session);
        keep->Close();
    }
    LoginSlot().Reset();
    // The connections kept for reuse end with the host, so their files may be removed.
    ado::DatabasePool::Instance().Clear();
}

ComPtr<ILogin> CurrentLogin() { return LoginSlot(); }

void TrackSession(IHostSession* session) { Sessions().push_back(session); }

std::size_t LiveSessionCount() { return Sessions().size(); }

void CloseUnheldSessions() {
    static bool running = false;  // never sweep inside a sweep
    if (running) return;
    struct Running {
        Running() { running = true; }
        ~Running() { running = false; }
    } guard;
    // A session found held is asked again only after twice as many sweeps as the last time, so that a
    // large session a caller works in costs its walk a few times, not at every new session.
    static unsigned long sweep = 0;
    ++sweep;
    // Each session is kept for the round, so that closing one never destroys another under the walk.
    std::vector<ComPtr<IHostSession>> sessions(Sessions().begin(), Sessions().end());
    for (const ComPtr<IHostSession>& session : sessions) {
        try {
            session->CloseIfUnheld(sweep);
        } catch (...) {
            // A session that cannot tell stays as it is.
        }
    }
}

void UntrackSession(IHostSession* session) {
    auto& sessions = Sessions();
    sessions.erase(std::remove(sessions.begin(), sessions.end(), session), sessions.end());
}

}  // namespace tlx::host
