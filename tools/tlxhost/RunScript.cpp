#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "Commands.h"
#include "Console.h"
#include "Progress.h"
#include "host/Database.h"
#include "host/HostError.h"
#include "host/session/HostEnvironment.h"
#include "hostapi/LoginDispatch.h"
#include "hostapi/SessionDispatch.h"
#include "hostapi/ScriptEngine.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace tlxhost {
namespace {

using tlx::Bstr;
using tlx::ComPtr;

// print(a, b, ...) joins its arguments with blanks, as the host's console shows them.
constexpr char16_t kPrelude[] =
    u"function print() { var s = ''; for (var i = 0; i < arguments.length; i++) s += (i ? ' ' : '') + "
    u"arguments[i]; TlxConsole.WriteLine(s); }";

// A company database has the declarations' header table.
// Nothing when the session's database is a company database; otherwise what it is: a database without the
// declarations' tables, or a file that cannot be read as a database (damaged), with the database's words.
std::optional<std::string> CompanyDatabaseProblem(ISession* session, const std::string& database) {
    try {
        ComPtr<Connection> connection;
        ComPtr<ISession2> second;
        tlx::host::Check(session->QueryInterface(IidOf<ISession2>(), second.OutVoid()));
        tlx::host::Check(second->get_Connection(connection.Out()));
        tlx::host::OpenRecordset(connection.Get(), u"select count(*) from TLX.DeklNag");
        return std::nullopt;
    } catch (const tlx::host::HostError&) {
        std::string why = tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
        if (why.find("no such table") != std::string::npos)
            return database + " nie jest bazą firmy (brak tabeli TLX.DeklNag)";
        if (why.find("file is not a database") != std::string::npos)
            return database + " nie jest bazą firmy (plik nie jest bazą danych)";
        return "baza firmy " + database + " jest uszkodzona albo nieczytelna: " + why;
    }
}

int RunInSession(ISession* session, const std::u16string& code, const std::string& script) {
    ComPtr<IDispatch> created;
    if (HRESULT hr = session->CreateObject(Bstr(u"TLX.ScriptEngine").Get(), tlx::Variant::Missing(), created.Out());
        FAILED(hr))
        return ReportFailure("tworzenie silnika skryptów", hr);
    ComPtr<IScriptEngine> engine = created.As<IScriptEngine>();
    ComPtr<IApplication> application;
    if (HRESULT hr = CoCreateInstance(CLSID_CApplication, nullptr, CLSCTX_ALL, IID_IApplication, application.OutVoid());
        FAILED(hr))
        return ReportFailure("tworzenie obiektu aplikacji", hr);
    ComPtr<IDispatch> sessionObject;
    session->QueryInterface(IID_IDispatch, sessionObject.OutVoid());
    ComPtr<CTlxConsole> console = CTlxConsole::Make();
    HRESULT hr = engine->AddNamedItem(Bstr(u"Session").Get(), sessionObject.Get());
    if (SUCCEEDED(hr)) hr = engine->AddNamedItem(Bstr(u"Application").Get(), application.Get());
    if (SUCCEEDED(hr)) hr = engine->AddNamedItem(Bstr(u"TlxConsole").Get(), static_cast<ITlxConsole*>(console.Get()));
    ComPtr<CTlxProgress> progress = CTlxProgress::Make();
    if (SUCCEEDED(hr)) hr = engine->AddNamedItem(Bstr(u"Postep").Get(), static_cast<IProgressEventsSink*>(progress.Get()));
    if (SUCCEEDED(hr)) hr = engine->AddScriptText(Bstr(kPrelude).Get());
    if (FAILED(hr)) return ReportFailure("przygotowanie silnika skryptów", hr);
    if (HRESULT run = engine->AddScriptText(Bstr(code).Get()); FAILED(run))
        return ReportFailure("skrypt " + script, run);
    return 0;
}

}  // namespace

int ReportFailure(const std::string& what, long hr) {
    std::string why = tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    char code[16];
    std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(hr));
    if (why.find(code) == std::string::npos) why += std::string(why.empty() ? "" : " ") + "(" + code + ")";
    std::fprintf(stderr, "tlxhost: %s: %s\n", what.c_str(), why.c_str());
    return 1;
}

int RunScript(const std::string& script, const std::string& database, bool remote) {
    std::ifstream in(script, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "tlxhost: nie można odczytać skryptu %s\n", script.c_str());
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    if (database.empty()) {
        std::fprintf(stderr, "tlxhost: podaj bazę firmy: run PLIK.js --db BAZA (albo $TLX_DATABASE)\n");
        return 2;
    }
    if (!std::filesystem::is_regular_file(database)) {
        std::fprintf(stderr, "tlxhost: brak bazy firmy %s\n", database.c_str());
        return 1;
    }
    tlx::host::LoginSettings settings;
    settings.companyDatabase = database;
    settings.op.remote = remote ? 1 : 0;
    if (std::string config = ConfigDatabasePath(database); std::filesystem::is_regular_file(config))
        settings.configDatabase = config;
    if (HRESULT hr = tlx::host::StartHost(settings); FAILED(hr)) return ReportFailure("uruchamianie hosta", hr);
    int status = 0;
    {
        ComPtr<ISession> session;
        if (HRESULT hr = tlx::host::CurrentLogin()->CreateSession(session.Out()); FAILED(hr)) {
            status = ReportFailure("otwieranie sesji", hr);
        } else if (auto problem = CompanyDatabaseProblem(session.Get(), database)) {
            std::fprintf(stderr, "tlxhost: %s\n", problem->c_str());
            status = 1;
        } else {
            status = RunInSession(session.Get(), tlx::Utf8ToUtf16(text.str()), script);
        }
    }
    tlx::host::StopHost();
    return status;
}

}  // namespace tlxhost
