#include <gtest/gtest.h>

#include "ModuleClassFixture.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ConnectionPoint.h"

namespace {

class DataService : public ModuleClassTest {
protected:
    bool WithDemoCompany() const override { return true; }
    void SetUp() override {
        ModuleClassTest::SetUp();
        service_ = Create(u"TLX.SerwisDeklaracji");
        ASSERT_TRUE(service_);
    }
    // The income table for a period, read from the ledger of the company database as a foreign one.
    std::vector<std::u16string> Income(LONG year, LONG month, LONG buffer) {
        Put(service_.Get(), u"PolaczenieObce", tlx::Variant::FromLong(1));
        Put(service_.Get(), u"ConnectionString",
            tlx::Variant::FromString(tlx::Bstr(u"Data Source=").Str() +
                                     std::u16string(database_.begin(), database_.end())));
        tlx::Variant result;
        HRESULT hr = Call(service_.Get(), u"DochodPodatnika",
                          {tlx::Variant::FromLong(year), tlx::Variant::FromLong(month), tlx::Variant::FromLong(buffer)},
                          &result);
        EXPECT_EQ(hr, S_OK) << Narrow(LastError());
        std::vector<std::u16string> rows;
        if (result.vt != VT_DISPATCH || !result.pdispVal) return rows;
        auto income = tlx::ComPtr<IDispatch>(result.pdispVal).As<Recordset>();
        VARIANT_BOOL eof = VARIANT_FALSE;
        for (income->get_EOF(&eof); !eof; income->MoveNext(), income->get_EOF(&eof)) {
            std::u16string row;
            for (const char16_t* name :
                 {u"Rok", u"Miesiac", u"Przychod", u"Koszt", u"Reklama", u"ReklamaKoszt", u"Remanent"})
                row += (row.empty() ? u"" : u" ") + AsText(ColumnValue(income.Get(), name));
            rows.push_back(row);
        }
        return rows;
    }
    static std::string Narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

    tlx::ComPtr<IDispatch> service_;
};

class DataServiceWithHr : public DataService {
protected:
    std::vector<LONG> HostModules() const override { return {1, 9}; }
};
class DataServiceWithoutPayroll : public DataService {
protected:
    std::vector<LONG> HostModules() const override { return {1, 2}; }
};

}  // namespace

TEST_F(DataService, SettingsStartEmptyAndKeepWhatIsSet) {
    EXPECT_EQ(AsText(Get(service_.Get(), u"TypDeklaracji")), u"0");
    EXPECT_EQ(AsText(Get(service_.Get(), u"PolaczenieObce")), u"0");
    EXPECT_EQ(AsText(Get(service_.Get(), u"ConnectionString")), u"");
    Put(service_.Get(), u"TypDeklaracji", tlx::Variant::FromLong(12));
    Put(service_.Get(), u"WersjaDeklaracji", tlx::Variant::FromLong(4));
    Put(service_.Get(), u"DeklaracjaKwartalna", tlx::Variant::FromLong(1));
    Put(service_.Get(), u"ConnectionString", tlx::Variant::FromString(u"Data Source=inna.db"));
    EXPECT_EQ(AsText(Get(service_.Get(), u"TypDeklaracji")), u"12");
    EXPECT_EQ(AsText(Get(service_.Get(), u"WersjaDeklaracji")), u"4");
    EXPECT_EQ(AsText(Get(service_.Get(), u"DeklaracjaKwartalna")), u"1");
    EXPECT_EQ(AsText(Get(service_.Get(), u"ConnectionString")), u"Data Source=inna.db");
}

TEST_F(DataService, TodayIsTheOperatorsWholeDay) {
    tlx::Variant today;
    ASSERT_EQ(Call(service_.Get(), u"Dzis", {}, &today), S_OK);
    EXPECT_EQ(AsText(today), u"45000") << "45000.75 gives 45000";
}

TEST_F(DataService, PayrollModulesAreSix) { EXPECT_EQ(AsText(Get(service_.Get(), u"ModulPlace")), u"1"); }
TEST_F(DataServiceWithHr, OrNine) { EXPECT_EQ(AsText(Get(service_.Get(), u"ModulPlace")), u"1"); }
TEST_F(DataServiceWithoutPayroll, NeitherGivesZero) { EXPECT_EQ(AsText(Get(service_.Get(), u"ModulPlace")), u"0"); }

TEST_F(DataService, OffersNoConnectionPoint) {
    auto container = service_.As<IConnectionPointContainer>();
    ASSERT_TRUE(container);
    IConnectionPoint* point = reinterpret_cast<IConnectionPoint*>(1);
    EXPECT_EQ(container->FindConnectionPoint(DIID__IProgressEvents, &point), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(point, nullptr);
    tlx::ComPtr<IEnumConnectionPoints> points;
    ASSERT_EQ(container->EnumConnectionPoints(points.Out()), S_OK);
    IConnectionPoint* first = nullptr;
    EXPECT_EQ(points->Next(1, &first, nullptr), S_FALSE);
}

// The demo ledger: January 12000 income, 4000 costs, 50 advertising; February 15000, 5000, 80; March
// 14000, 6000, 20. The advertising limit is 0.25 % of the income so far: 30 by January, 67.50 by
// February, 102.50 by March.
TEST_F(DataService, IncomeOfTheLedgerWithTheAdvertisingLimit) {
    EXPECT_EQ(Income(2024, 3, 0), (std::vector<std::u16string>{
                                      u"2024 1 12000.0000 4000.0000 50.0000 30.0000 0.0000",
                                      u"2024 2 15000.0000 5000.0000 80.0000 37.5000 0.0000",
                                      u"2024 3 14000.0000 6000.0000 20.0000 35.0000 0.0000",
                                  }));
    EXPECT_EQ(Income(2024, 2, 0).size(), 2u) << "January to the month asked";
    EXPECT_TRUE(Income(2023, 12, 0).empty()) << "no entries: no rows";
}

TEST_F(DataService, NewerPitFormsDeductAllAdvertising) {
    Put(service_.Get(), u"TypDeklaracji", tlx::Variant::FromLong(2));
    Put(service_.Get(), u"WersjaDeklaracji", tlx::Variant::FromLong(16));
    std::vector<std::u16string> rows = Income(2024, 3, 0);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], u"2024 1 12000.0000 4000.0000 50.0000 50.0000 0.0000");
    EXPECT_EQ(rows[2], u"2024 3 14000.0000 6000.0000 20.0000 20.0000 0.0000");
}

TEST_F(DataService, BufferedAndCrossedOutEntriesAndInventoryChanges) {
    Execute(
        u"INSERT INTO TLX.ZapisyKPR (KPR_RokMies, KPR_DataOpe, KPR_Sprzedaz, KPR_Bufor) VALUES "
        u"(202402, '2024-02-10 00:00:00', 1000, 1)");
    Execute(
        u"INSERT INTO TLX.ZapisyKPR (KPR_RokMies, KPR_DataOpe, KPR_Sprzedaz, KPR_Skreslony) VALUES "
        u"(202402, '2024-02-11 00:00:00', 5000, 1)");
    Execute(
        u"INSERT INTO TLX.ZapisyKPR (KPR_RokMies, KPR_DataOpe, KPR_Zaszlosci, KPR_ZakID, KPR_Zrodlo) VALUES "
        u"(202400, '2024-01-01 00:00:00', 500, 1, 4), (202403, '2024-03-31 00:00:00', 800, 1, 4), "
        u"(202402, '2024-02-28 00:00:00', 700, 2, 4)");
    std::vector<std::u16string> rows = Income(2024, 3, 1);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1], u"2024 2 16000.0000 5000.0000 80.0000 40.0000 0.0000") << "the buffered entry counts";
    EXPECT_EQ(rows[3], u"2024 3 0.0000 0.0000 0.0000 0.0000 300.0000")
        << "the second inventory of establishment 1; establishment 2 has one only";
    EXPECT_EQ(Income(2024, 3, 0)[1], u"2024 2 15000.0000 5000.0000 80.0000 37.5000 0.0000") << "buffer left out";
}

TEST_F(DataService, AForeignDatabaseMustKeepARevenueLedger) {
    Execute(u"UPDATE TLX.Firma SET Fir_Wartosc = '1' WHERE Fir_Numer = 1204");
    Put(service_.Get(), u"PolaczenieObce", tlx::Variant::FromLong(1));
    Put(service_.Get(), u"ConnectionString",
        tlx::Variant::FromString(u"Data Source=" + std::u16string(database_.begin(), database_.end())));
    tlx::Variant result;
    auto service = service_.As<ISerwisDeklaracji>();
    IDispatch* rows = nullptr;
    EXPECT_EQ(service->DochodPodatnika(2024, 3, 0, &rows), static_cast<HRESULT>(0x80057603));
    EXPECT_EQ(rows, nullptr);
}

TEST_F(DataService, PartnersAmountsNameTheirDatabases) {
    Execute(u"INSERT INTO TLX.PracPitMies (PPM_PPMId, PPM_PraId, PPM_Rok, PPM_Miesiac) VALUES (1, 4, 2024, 3)");
    auto service = service_.As<ISerwisDeklaracji>();
    IDispatch* rows = reinterpret_cast<IDispatch*>(1);
    ASSERT_EQ(service->PobierzKwotyEx(2024, 3, 0, 4, &rows), S_OK);
    EXPECT_EQ(rows, nullptr) << "no pair names a database";

    Execute(
        u"INSERT INTO TLX.PracPitKwoty (PPK_PPMId, PPK_Numer, PPK_Wartosc) VALUES (1, 44100, 'T'), (1, 45100, '0'), "
        u"(1, 44201, 'T'), (1, 45201, 'Firma2')");
    Put(service_.Get(), u"PolaczenieObce", tlx::Variant::FromLong(1));
    Put(service_.Get(), u"ConnectionString",
        tlx::Variant::FromString(u"Data Source=" + std::u16string(database_.begin(), database_.end())));
    ASSERT_EQ(service->PobierzKwotyEx(2024, 3, 0, 4, &rows), S_OK) << Narrow(LastError());
    ASSERT_NE(rows, nullptr) << "the special zone's second pair names one";
    tlx::ComPtr<IDispatch> income = tlx::ComPtr<IDispatch>::Attach(rows);
    LONG count = 0;
    income.As<Recordset>()->get_RecordCount(&count);
    EXPECT_EQ(count, 3) << "the income of the service's own connection";
}

TEST_F(DataService, CompanyAndProgramViewsAreKeptDefinitionsAreNot) {
    tlx::Variant first = Get(service_.Get(), u"Firma"), second = Get(service_.Get(), u"Firma");
    ASSERT_EQ(first.vt, VT_DISPATCH);
    EXPECT_EQ(first.pdispVal, second.pdispVal);
    EXPECT_EQ(AsText(Get(first.pdispVal, u"RodzajKsiegowosci")), u"2");
    tlx::Variant program = Get(service_.Get(), u"Program");
    EXPECT_EQ(program.pdispVal, Get(service_.Get(), u"Program").pdispVal);

    Execute(
        u"INSERT INTO TLX.Firma (Fir_Numer, Fir_Symbol, Fir_Wartosc) VALUES (2001, 'TypDokumentuDlaDeklaracji', '1')");
    tlx::Variant definition = Get(service_.Get(), u"DefinicjaDokumentu");
    ASSERT_EQ(definition.vt, VT_DISPATCH);
    EXPECT_EQ(AsText(Get(definition.pdispVal, u"Symbol")), u"DEK");
    EXPECT_NE(definition.pdispVal, Get(service_.Get(), u"DefinicjaDokumentu").pdispVal) << "a new object each time";
}

TEST_F(DataService, NoConfiguredDefinitionOrPaymentFormIsAMissingRecord) {
    auto service = service_.As<ISerwisDeklaracji>();
    IDispatch* none = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(service->get_DefinicjaDokumentu(&none), static_cast<HRESULT>(0x80050467));
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(service->get_FormaPlatnosci(&none), static_cast<HRESULT>(0x80050467));
    BSTR number = nullptr;
    EXPECT_EQ(service->NumerString(tlx::Bstr(u"REJ").Get(), 3, 2024, &number), static_cast<HRESULT>(0x80050467));
    EXPECT_EQ(number, nullptr);
}

TEST_F(DataService, NumbersFollowTheConfiguredDefinition) {
    Execute(
        u"INSERT INTO TLX.DokDefinicje (DDf_DDfID, DDf_Klasa, DDf_Symbol, DDf_Numeracja) VALUES "
        u"(7, 600, 'PIT', 'Dek/@NUMER/@miesiac/@rok_kal/@rejestr')");
    Execute(
        u"INSERT INTO TLX.Firma (Fir_Numer, Fir_Symbol, Fir_Wartosc) VALUES (2001, 'TypDokumentuDlaDeklaracji', '7')");
    tlx::Variant text;
    ASSERT_EQ(
        Call(service_.Get(), u"NumerString",
             {tlx::Variant::FromString(u"ABCDEFG"), tlx::Variant::FromLong(3), tlx::Variant::FromLong(2016)}, &text),
        S_OK);
    EXPECT_EQ(AsText(text), u"dek/@numer/03/2016/ABCDE");
    ASSERT_EQ(Call(service_.Get(), u"NumerPelny",
                   {tlx::Variant::FromString(u"R"), tlx::Variant::FromLong(7), tlx::Variant::FromLong(3),
                    tlx::Variant::FromLong(2016)},
                   &text),
              S_OK);
    EXPECT_EQ(AsText(text), u"dek/000007/03/2016/R");
}

TEST_F(DataService, TheCompanysOwnLedgerByDefault) {
    tlx::Variant result;
    ASSERT_EQ(Call(service_.Get(), u"DochodPodatnika",
                   {tlx::Variant::FromLong(2024), tlx::Variant::FromLong(1), tlx::Variant::FromLong(0)}, &result),
              S_OK);
    auto income = tlx::ComPtr<IDispatch>(result.pdispVal).As<Recordset>();
    ASSERT_TRUE(income);
    EXPECT_EQ(AsText(ColumnValue(income.Get(), u"Przychod")), u"12000.0000");
    EXPECT_EQ(AsText(ColumnValue(income.Get(), u"ReklamaKoszt")), u"30.0000");
}
