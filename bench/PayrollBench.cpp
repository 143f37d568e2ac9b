// The payroll model on a company of 10 000 employees, each with two dated records and a March payout of
// two elements: per employee a new session, the employee by id, its record at the month's end and a
// walk of its payouts and elements reading the twenty amounts, against one SQL join reading the same
// rows; TLX.SOD3 for a month; a new session and a repeated statement alone.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "host/Database.h"
#include "host/HostTables.h"
#include "host/session/HostEnvironment.h"
#include "hostapi/Collections.h"
#include "hostapi/Employees.h"
#include "hostapi/Login.h"
#include "hostapi/Session.h"
#include "platform/ado/DateText.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/com/Guid.h"
#include "platform/text/CodePage.h"

namespace {

constexpr int kEmployees = 10000;

constexpr char kCompany[] = R"sql(
INSERT INTO TypWyplata (TWP_TwpId, TWP_Nazwa) VALUES (1, 'Wynagrodzenie zasadnicze');
INSERT INTO ListyPlac (LPL_LplId, LPL_Rok, LPL_Miesiac, LPL_DataOd, LPL_DataDo) VALUES
    (3, 2024, 3, '2024-03-01 00:00:00', '2024-03-31 00:00:00');
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000)
INSERT INTO PracKod (Pra_PraID, Pra_Kod) SELECT i, 'P' || i FROM n;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000)
INSERT INTO PracEtaty (PRE_PraId, PRE_DataOd, PRE_DataDo, PRE_ZatrudnionyOd, PRE_Nazwisko, PRE_ETAEtatL, PRE_ETAEtatM,
                       PRE_StNiepelnosp, PRE_UBZTyuId)
    SELECT i, '2024-01-01 00:00:00', '2024-02-29 00:00:00', '2024-01-01 00:00:00', 'Nowak', 1, 1, i % 4, 110 FROM n
    UNION ALL
    SELECT i, '2024-03-01 00:00:00', NULL, '2024-01-01 00:00:00', 'Nowak', 1, 2, i % 4, 110 FROM n;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000)
INSERT INTO Wyplaty (WPL_WplId, WPL_PraId, WPL_LplId, WPL_Rok, WPL_Miesiac, WPL_Kwota) SELECT i, i, 3, 2024, 3, 4666 FROM n;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000)
INSERT INTO WypElementy (WPE_WpeId, WPE_WplId, WPE_TwpId, WPE_Wartosc, WPE_KodTytulu, WPE_Kwota1, WPE_Kwota8, WPE_Kwota19)
    SELECT i, (i + 1) / 2, 1, 2333, 11000, 2333, 227.70, 76.50 FROM n;
)sql";

class Company {
public:
    Company() {
        path_ = (std::filesystem::temp_directory_path() / ("tlx-payroll-bench-" + std::to_string(::getpid()) + ".db")).string();
        std::vector<std::string> scripts = tlx::host::CompanyDatabaseScripts(std::filesystem::path(TLX_SOURCE_DIR) / "db" / "company");
        scripts.push_back(kCompany);
        tlx::ado::CreateDatabaseFile(path_, scripts);
        tlx::host::LoginSettings settings;
        settings.companyDatabase = path_;
        settings.op.today = 45382;
        if (FAILED(tlx::host::StartHost(settings))) std::abort();
    }
    ~Company() {
        tlx::host::StopHost();
        std::filesystem::remove(path_);
    }

private:
    std::string path_;
};

Company& TheCompany() {
    static Company company;
    return company;
}

tlx::ComPtr<ISession> NewSession() {
    tlx::ComPtr<ISession> session;
    if (FAILED(tlx::host::CurrentLogin()->CreateSession(session.Out()))) std::abort();
    return session;
}

const DATE kMarch31 = *tlx::ado::MakeOleDate(2024, 3, 31);

void BM_EmployeeModel(benchmark::State& state) {
    TheCompany();
    tlx::Bstr employees(tlx::GuidToText(CLSID_Pracownicy));
    int id = 0;
    for (auto _ : state) {
        id = id % kEmployees + 1;
        tlx::ComPtr<ISession> session = NewSession();
        tlx::ComPtr<IDispatch> object;
        if (FAILED(session->CreateObject(employees.Get(), tlx::Variant::FromLong(id), object.Out()))) std::abort();
        tlx::ComPtr<IPracownikDane> employee = object.As<IPracownikDane>();
        tlx::ComPtr<IPracEtat> record;
        employee->GetEtat(kMarch31, tlx::Variant::Missing(), record.Out());
        tlx::ComPtr<ICollection> payouts;
        employee->get_Wyplaty(payouts.Out());
        LONG count = 0;
        payouts->get_Count(&count);
        LONGLONG sum = 0;
        for (LONG p = 0; p < count; ++p) {
            tlx::ComPtr<IDispatch> item;
            payouts->Item(tlx::Variant::FromLong(p), item.Out());
            tlx::ComPtr<ICollection> elements;
            item.As<IWyplata>()->get_Elementy(elements.Out());
            LONG n = 0;
            elements->get_Count(&n);
            for (LONG e = 0; e < n; ++e) {
                tlx::ComPtr<IDispatch> element;
                elements->Item(tlx::Variant::FromLong(e), element.Out());
                tlx::ComPtr<IDaneZUS> zus;
                element.As<IWypElement>()->get_DaneZUS(zus.Out());
                for (auto get : {&IDaneZUS::get_PodstawaEmerytalna, &IDaneZUS::get_PodstawaRentowa, &IDaneZUS::get_PodstawaChorobowa,
                                 &IDaneZUS::get_PodstawaWypadkowa, &IDaneZUS::get_PodstawaFP, &IDaneZUS::get_PodstawaFGSP,
                                 &IDaneZUS::get_PodstawaZdrowotna, &IDaneZUS::get_EmerytalnaPracownik, &IDaneZUS::get_EmerytalnaPlatnik,
                                 &IDaneZUS::get_RentowaPracownik, &IDaneZUS::get_RentowaPlatnik, &IDaneZUS::get_ChorobowaPracownik,
                                 &IDaneZUS::get_ChorobowaPlatnik, &IDaneZUS::get_WypadkowaPracownik, &IDaneZUS::get_WypadkowaPlatnik,
                                 &IDaneZUS::get_ZdrowotnaOdliczana, &IDaneZUS::get_ZdrowotnaFinansowana, &IDaneZUS::get_ZdrowotnaPozostala,
                                 &IDaneZUS::get_ZaliczkaPodatku, &IDaneZUS::get_KwotaFEP}) {
                    CY amount{0};
                    (zus.Get()->*get)(&amount);
                    sum += amount.int64;
                }
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_EmployeeModel)->Unit(benchmark::kMicrosecond);

// The same rows in one statement per employee on one session's connection.
void BM_EmployeeJoin(benchmark::State& state) {
    TheCompany();
    tlx::ComPtr<ISession> session = NewSession();
    tlx::ComPtr<ISession2> second = session.As<ISession2>();
    tlx::ComPtr<Connection> connection;
    second->get_Connection(connection.Out());
    int id = 0;
    for (auto _ : state) {
        id = id % kEmployees + 1;
        std::u16string sql = u"select * from TLX.PracEtaty join TLX.Wyplaty on WPL_PraId = PRE_PraId join TLX.WypElementy on "
                             u"WPE_WplId = WPL_WplId where PRE_PraId = " + tlx::Utf8ToUtf16(std::to_string(id)) +
                             u" and PRE_DataOd <= '2024-03-31' and (PRE_DataDo is null or PRE_DataDo >= '2024-03-31')";
        tlx::ComPtr<Recordset> rows = tlx::host::OpenRecordset(connection.Get(), sql);
        LONGLONG sum = 0;
        for (; !tlx::host::AtEnd(rows.Get()); rows->MoveNext())
            for (int a = 1; a <= 20; ++a) sum += tlx::host::ReadLong(rows.Get(), tlx::Utf8ToUtf16("WPE_Kwota" + std::to_string(a)));
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_EmployeeJoin)->Unit(benchmark::kMicrosecond);

void BM_Sod3Month(benchmark::State& state) {
    TheCompany();
    tlx::ComPtr<ISession> session = NewSession();
    tlx::ComPtr<Connection> connection;
    session.As<ISession2>()->get_Connection(connection.Out());
    for (auto _ : state) {
        tlx::ComPtr<Recordset> rows = tlx::host::OpenRecordset(
            connection.Get(), u"DECLARE @DataOd DATETIME,@DataDo DATETIME; SET @DataOd= CONVERT(datetime, '2024-03-01', 120); "
                              u"SET @DataDo=CONVERT(datetime, '2024-03-31', 120); exec TLX.SOD3 @DataOd, @DataDo, 1;");
        benchmark::DoNotOptimize(rows.Get());
    }
}
BENCHMARK(BM_Sod3Month)->Unit(benchmark::kMillisecond);

void BM_NewSession(benchmark::State& state) {
    TheCompany();
    for (auto _ : state) {
        tlx::ComPtr<ISession> session = NewSession();
        tlx::ComPtr<Connection> connection;
        session.As<ISession2>()->get_Connection(connection.Out());
        benchmark::DoNotOptimize(connection.Get());
    }
}
BENCHMARK(BM_NewSession)->Unit(benchmark::kMicrosecond);

void BM_RepeatedStatement(benchmark::State& state) {
    TheCompany();
    tlx::ComPtr<ISession> session = NewSession();
    tlx::ComPtr<Connection> connection;
    session.As<ISession2>()->get_Connection(connection.Out());
    for (auto _ : state) {
        tlx::ComPtr<Recordset> rows = tlx::host::OpenRecordset(connection.Get(), u"select * from TLX.PracKod where Pra_PraID = 5");
        benchmark::DoNotOptimize(rows.Get());
    }
}
BENCHMARK(BM_RepeatedStatement)->Unit(benchmark::kMicrosecond);

}  // namespace
