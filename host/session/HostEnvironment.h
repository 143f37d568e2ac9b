// The process-wide state of the host: the signed-in operator's login and the classes the host offers.
// tlxhost and the tests start the host on a company database and stop it at the end, which closes
// every session still open.
#pragma once

#include <string>
#include <vector>

#include "hostapi/Login.h"
#include "platform/com/ComPtr.h"

namespace tlx::host {

struct OperatorSettings {
    LONG id = 1;
    std::u16string code = u"ADMIN";
    DATE today = 0;        // the working date; 0 takes the system date at sign-in
    LONG remote = 0;       // non-zero: a remote-desktop session
    LONG type = 1;         // see IOperatorObject::OperatorType
};

struct LoginSettings {
    std::string companyDatabase;  // file of the company database (schema TLX)
    std::string configDatabase;   // file of the configuration database; empty: the company file
    std::u16string companyName = u"Firma";
    OperatorSettings op;
    std::vector<LONG> modules{1, 2, 6, 9, 10};  // host modules in use (ILogin::IsModuleAvailable)
};

// Registers the host classes in process (once) and signs the operator in.
HRESULT StartHost(const LoginSettings& settings);
// Closes every open session and signs the operator out; the classes stay registered.
void StopHost();
// The current login, null before StartHost.
ComPtr<ILogin> CurrentLogin();
// Registers the host classes with the process's class registry (StartHost does it; idempotent).
HRESULT RegisterHostClasses();

struct IHostSession;
// Open sessions, weakly, so that StopHost can close them: a session tracks itself when created and
// untracks itself when destroyed.
void TrackSession(IHostSession* session);
void UntrackSession(IHostSession* session);
// How many sessions exist (open or closed, not yet destroyed): what a caller can see of sessions that
// were let go.
std::size_t LiveSessionCount();
// Closes every session that nothing outside it holds any longer (IHostSession::CloseIfUnheld), so that
// it and its objects are freed. A new session of the login asks it first: a process that opens a session
// per employee keeps at most the one it works in.
void CloseUnheldSessions();

}  // namespace tlx::host
