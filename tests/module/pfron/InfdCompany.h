// A company for the INF-D tests: its configuration, an INF-D declaration and employees with their
// records, payouts and dated entries, written as rows of the company database.
#pragma once

#include <string>

#include "ModuleClassFixture.h"
#include "hostapi/Login.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/pfron/PfronDeclaration.h"
#include "platform/com/ComObject.h"
#include "platform/text/CodePage.h"

namespace pfron_test {

// A progress sink that keeps each event as "<kind>: text" (Will, Completed, Failed).
class CProgressLog final : public tlx::ComObject<CProgressLog, _IProgressEvents> {
public:
    std::vector<std::u16string> events;

    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
        const char16_t* kind = id == 0xB0 ? u"Will" : id == 0xB1 ? u"Completed" : id == 0xB2 ? u"Failed" : u"?";
        const VARIANT& text = params->rgvarg[params->cArgs - 1];
        events.push_back(std::u16string(kind) + u": " + std::u16string(text.bstrVal ? text.bstrVal : u""));
        return S_OK;
    }
};

inline std::u16string N(long value) { return tlx::Utf8ToUtf16(std::to_string(value)); }

// One employee with one record valid from 2020 on; fields a test may change before Add.
struct EmployeeRow {
    long id = 1;
    std::u16string code = u"P001";
    std::u16string surname = u"Kowalski";
    std::u16string firstName = u"Jan";
    std::u16string gender = u"M";
    std::u16string pesel = u"80010112345";
    std::u16string nip = u"111-222-33-44";
    std::u16string voivodeship = u"mazowieckie";
    std::u16string contract = u"na czas nieokreślony";
    std::u16string employedFrom = u"2020-01-01";
    std::u16string employedTo = u"NULL";  // SQL text
    long degree = 2;
    long title = 110;
    long numerator = 1;
    long denominator = 1;
};

class InfdCompany : public ModuleClassTest {
protected:
    void SetUp() override {
        ModuleClassTest::SetUp();
        Execute(u"INSERT INTO TLX.TypWyplata (TWP_TwpId, TWP_Nazwa, TWP_Kod) VALUES (1, 'Wynagrodzenie', 100), "
                u"(2, 'Dodatek', 200)");
        Execute(u"INSERT INTO TLX.KodySwiadczen (Pdz_PdzId, Pdz_Kod, Pdz_Nazwa) VALUES "
                u"(331, 331, 'Wynagrodzenie za czas niezdolności do pracy')");
        Execute(u"INSERT INTO TLX.TypyOkresow (TOK_TokId, TOK_Nazwa, TOK_Rodzaj) VALUES (1, 'Stanowisko chronione', 1), "
                u"(2, 'Inny', 0)");
        SetParameter(u"/Program/Płace/Wskaźniki/Najniższe wynagrodzenie", u"2023-07-01", u"3600.00");
        SetParameter(u"/Program/Płace/Wskaźniki/Najniższe wynagrodzenie", u"2024-01-01", u"4242.00");
        SetRefundStatus(3);
    }

    void SetParameter(std::u16string_view key, std::u16string_view from, std::u16string_view value) {
        Execute(u"INSERT INTO TLX.KonfiguracjaParametry (Kfp_Klucz, Kfp_DataOd, Kfp_Wartosc) VALUES ('" +
                std::u16string(key) + u"', '" + std::u16string(from) + u" 00:00:00', '" + std::u16string(value) + u"')");
    }
    void SetRefundStatus(long status) {
        Execute(u"DELETE FROM TLX.KonfiguracjaParametry WHERE Kfp_Klucz = '/Firma/Płace/ZUS/Status Refundacji'");
        SetParameter(u"/Firma/Płace/ZUS/Status Refundacji", u"2000-01-01", N(status));
    }

    // An INF-D of March 2024 in `version`; its identifier.
    long AddInfd(long version = 3, long yearMonth = 202403) {
        Execute(u"INSERT INTO TLX.DeklNag (DkN_TypDeklar, DkN_Wersja, DkN_RokMiesiac) VALUES (300, " + N(version) +
                u", " + N(yearMonth) + u")");
        const long id = std::stol(tlx::Utf16ToUtf8(Scalar(u"SELECT MAX(DkN_DkNID) FROM TLX.DeklNag")));
        // What the user fills in before calculating.
        tlx::ComPtr<ISession> session = FreshSession();
        tlx::ComPtr<IDeklaracja2> d = OpenDeclaration(session.Get(), id);
        EXPECT_EQ(Put(d.Get(), u"DATAWYPELNIENIA", tlx::Variant::FromDate(45382)), S_OK);  // 2024-03-31
        EXPECT_EQ(Put(d.Get(), u"RODZAJINFORMACJI", tlx::Variant::FromString(u"Z")), S_OK);
        EXPECT_EQ(Put(d.Get(), u"NRPFRON", tlx::Variant::FromString(u"12345")), S_OK);
        EXPECT_EQ(Put(d.Get(), u"NIP", tlx::Variant::FromString(u"5250001009")), S_OK);
        // The first two versions require the period, which the form's calculation fills before it saves.
        EXPECT_EQ(Put(d.Get(), u"OKRESSPRAWOZDAWCZY", tlx::Variant::FromString(u"03-2024")), S_OK);
        EXPECT_EQ(session->SaveChanges(), S_OK) << tlx::Utf16ToUtf8(LastError());
        return id;
    }

    void AddEmployee(const EmployeeRow& e) {
        Execute(u"INSERT INTO TLX.PracKod (Pra_PraID, Pra_Kod) VALUES (" + N(e.id) + u", '" + e.code + u"')");
        Execute(u"INSERT INTO TLX.PracEtaty (PRE_PreId, PRE_PraId, PRE_DataOd, PRE_DataDo, PRE_Nazwisko, PRE_Imie1, "
                u"PRE_Imie2, PRE_Plec, PRE_Pesel, PRE_NIP, PRE_DowodNr, PRE_Zawod, PRE_KodWyksztal, PRE_Ulica, "
                u"PRE_NrDomu, PRE_NrLokalu, PRE_Miasto, PRE_KodPocztowy, PRE_Poczta, PRE_Gmina, PRE_Powiat, "
                u"PRE_Wojewodztwo, PRE_StNiepelnosp, PRE_UBZTyuId, PRE_ETAEtatL, PRE_ETAEtatM, PRE_ETARodzajUmowy, "
                u"PRE_ZatrudnionyOd, PRE_ZatrudnionyDo) VALUES (" +
                N(e.id * 10) + u", " + N(e.id) + u", '2020-01-01 00:00:00', NULL, '" + e.surname + u"', '" +
                e.firstName + u"', '', '" + e.gender + u"', '" + e.pesel + u"', '" + e.nip +
                u"', 'ABC123', 'ślusarz', '5', 'Długa', '7', '2', 'Łódź', '90-001', 'Łódź', 'Łódź', 'łódzki', '" +
                e.voivodeship + u"', " + N(e.degree) + u", " + N(e.title) + u", " + N(e.numerator) + u", " +
                N(e.denominator) + u", '" + e.contract + u"', '" + e.employedFrom + u" 00:00:00', " +
                (e.employedTo == u"NULL" ? u"NULL" : u"'" + e.employedTo + u" 00:00:00'") + u")");
    }

    // A payroll list of the month (its period its days) with one payout of the employee; the payout's id.
    long AddPayout(long employee, int year, int month, long kind = 0) {
        const long list = ++lists_;
        const std::u16string from = N(year) + u"-" + (month < 10 ? u"0" : u"") + N(month) + u"-01 00:00:00";
        const std::u16string to = N(year) + u"-" + (month < 10 ? u"0" : u"") + N(month) + u"-28 00:00:00";
        Execute(u"INSERT INTO TLX.ListyPlac (LPL_LplId, LPL_Rok, LPL_Miesiac, LPL_DataOd, LPL_DataDo, LPL_Nazwa) "
                u"VALUES (" + N(list) + u", " + N(year) + u", " + N(month) + u", '" + from + u"', '" + to + u"', 'L')");
        Execute(u"INSERT INTO TLX.Wyplaty (WPL_WplId, WPL_PraId, WPL_LplId, WPL_Rok, WPL_Miesiac, WPL_Tryb) VALUES (" +
                N(list) + u", " + N(employee) + u", " + N(list) + u", " + N(year) + u", " + N(month) + u", " +
                N(kind) + u")");
        return list;
    }
    // A counting element: its type (1: code 100, 2: code 200), amount, category, the six deductions (the
    // element's amounts 16, 8, 10, 12, 18 and 19) and the benefit code it is paid under (0: none).
    void AddElement(long payout, long type, const char16_t* amount, long category,
                    std::array<const char16_t*, 6> deductions = {u"0", u"0", u"0", u"0", u"0", u"0"},
                    long benefitCode = 0) {
        Execute(u"INSERT INTO TLX.WypElementy (WPE_WplId, WPE_TwpId, WPE_Wartosc, WPE_Rodzaj, WPE_RodzajSkladnika, "
                u"WPE_PdzId, WPE_Kwota16, WPE_Kwota8, WPE_Kwota10, WPE_Kwota12, WPE_Kwota18, WPE_Kwota19) VALUES (" +
                N(payout) + u", " + N(type) + u", " + amount + u", 1, " + N(category) + u", " +
                (benefitCode ? N(benefitCode) : u"NULL") + u", " + deductions[0] + u", " +
                deductions[1] + u", " + deductions[2] + u", " + deductions[3] + u", " + deductions[4] + u", " +
                deductions[5] + u")");
    }
    void AddMarkedEntry(long employee, std::u16string_view from, std::u16string_view to) {
        Execute(u"INSERT INTO TLX.OkresyPracownika (OKP_PraId, OKP_TokId, OKP_DataOd, OKP_DataDo) VALUES (" +
                N(employee) + u", 1, '" + std::u16string(from) + u" 00:00:00', '" + std::u16string(to) +
                u" 00:00:00')");
    }

    // A qualifying employee with a March 2024 wage of `amount` (type 100, category 2).
    void AddPaidEmployee(EmployeeRow e, const char16_t* amount = u"3000") {
        AddEmployee(e);
        AddElement(AddPayout(e.id, 2024, 3), 1, amount, 2);
    }

    // A new session of the operator's login, which reads what is stored.
    tlx::ComPtr<ISession> FreshSession() {
        tlx::ComPtr<ILogin> login;
        EXPECT_EQ(CreateHostApplication()->GetLogin(login.Out()), S_OK);
        tlx::ComPtr<ISession> session;
        EXPECT_EQ(login->CreateSession(session.Out()), S_OK);
        return session;
    }
    // The stored value of a field as text.
    std::u16string Field(long declaration, const char16_t* field) {
        tlx::ComPtr<IDeklaracja2> d = OpenDeclaration(FreshSession().Get(), declaration);
        if (!d) return u"(brak deklaracji)";
        return AsText(Get(d.Get(), field));
    }
    std::vector<long> Attachments(long infd) {
        tlx::ComPtr<Recordset> rows = Rows(u"SELECT DkN_DkNID FROM TLX.DeklNag WHERE DkN_ParentID = " + N(infd) +
                                           u" ORDER BY DkN_DkNID");
        std::vector<long> ids;
        VARIANT_BOOL eof = VARIANT_FALSE;
        while (rows->get_EOF(&eof) == S_OK && !eof) {
            ids.push_back(std::stol(tlx::Utf16ToUtf8(AsText(ColumnValue(rows.Get(), u"DkN_DkNID")))));
            rows->MoveNext();
        }
        return ids;
    }
    // Creates the INF-D object bound to `infd` and calculates it.
    HRESULT Calculate(long infd) {
        tlx::ComPtr<IDispatch> object = Create(u"TLXDeklaracje.INFD");
        if (HRESULT hr = Put(object.Get(), u"DeklId", tlx::Variant::FromLong(infd)); FAILED(hr)) return hr;
        return Call(object.Get(), u"Przelicz", {});
    }

    long lists_ = 0;
};

}  // namespace pfron_test
