// A generated company for the ZUS benchmarks: the demo company's cards copied to the number asked, each
// with its year of payroll, the module registered and the host started on it; a declaration of a form
// made in a session of its own and calculated.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "BenchScale.h"
#include "host/GeneratedCompany.h"
#include "host/HostTables.h"
#include "host/ServerRegistration.h"
#include "host/session/HostEnvironment.h"
#include "hostapi/Collections.h"
#include "hostapi/Session.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/com/ComPtr.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace zusbench {

using tlx::Bstr;
using tlx::ComPtr;
using tlx::Variant;

inline void Check(HRESULT hr, const char* what) {
    if (FAILED(hr)) {
        std::fprintf(stderr, "%s failed: %08X %s\n", what, static_cast<unsigned>(hr),
                     tlx::Utf16ToUtf8(tlx::TakeErrorDescription()).c_str());
        std::abort();
    }
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline DISPID IdOf(IDispatch* object, std::u16string name) {
    LPOLESTR names[] = {name.data()};
    DISPID id = DISPID_UNKNOWN;
    Check(object->GetIDsOfNames(IID_NULL, names, 1, 0, &id), "GetIDsOfNames");
    return id;
}

inline void Put(IDispatch* object, std::u16string name, const VARIANT& value) {
    Variant argument(value);
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{&argument, &putId, 1, 1};
    Check(object->Invoke(IdOf(object, name), IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr),
          "put");
}

// A generated company with the module registered and the host started, for one benchmark; of fewer
// employees than asked in a brief run (BenchScale.h).
class GeneratedCompany {
public:
    explicit GeneratedCompany(int employees) {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() / ("tlx-zus-bench-" + std::to_string(random()));
        std::filesystem::create_directories(folder_);
        ::setenv("TLX_REGISTRY", (folder_ / "hkcr.reg").c_str(), 1);
        const std::string database = (folder_ / "firma.db").string();
        std::filesystem::path db = std::filesystem::path(TLX_SOURCE_DIR) / "db";
        std::vector<std::string> scripts = tlx::host::CompanyDatabaseScripts(db / "company");
        scripts.push_back(ReadFile(db / "demo.sql"));
        scripts.push_back(tlx::host::HostDemoSql());
        const int cards = benchscale::Employees(employees);
        scripts.push_back(tlx::host::GeneratedCompanySql(cards, tlx::host::kDemoPayrollYear));
        tlx::ado::CreateDatabaseFile(database, scripts);
        Check(tlx::host::RegisterServer(TLX_MODULE_PATH), "RegisterServer");
        tlx::host::LoginSettings settings;
        settings.companyDatabase = database;
        settings.op.today = 45383;  // 2024-04-01
        Check(tlx::host::StartHost(settings), "StartHost");
    }
    ~GeneratedCompany() {
        tlx::host::StopHost();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // The company database file.
    std::string Database() const { return (folder_ / "firma.db").string(); }

    // A new declaration of the form for 2024 (of `month` when not 0) in a new session, calculated.
    static void Calculate(LONG type, LONG version = 1, LONG month = 0) {
        ComPtr<ISession> session;
        Check(tlx::host::CurrentLogin()->CreateSession(session.Out()), "CreateSession");
        ComPtr<IDispatch> object;
        Check(session->CreateObject(Bstr(u"TLXDeklaracje.Deklaracje").Get(), Variant::Missing(), object.Out()),
              "Deklaracje");
        ComPtr<IDispatch> item;
        Check(object.As<ICollection>()->AddNew(Variant::Missing(), item.Out()), "AddNew");
        Put(item.Get(), u"TypDeklar", Variant::FromLong(type));
        Put(item.Get(), u"Wersja", Variant::FromLong(version));
        Put(item.Get(), u"Rok", Variant::FromLong(2024));
        if (month) Put(item.Get(), u"Miesiac", Variant::FromLong(month));
        Put(item.Get(), u"Numer", Variant::FromLong(1));
        Put(item.Get(), u"OSWIADCZENIE", Variant::FromDate(45677));
        DISPPARAMS none{nullptr, nullptr, 0, 0};
        Check(item->Invoke(IdOf(item.Get(), u"Policz"), IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
              "Policz");
    }

private:
    std::filesystem::path folder_;
};

}  // namespace zusbench
