// The data service over the host's income data and a partner's monthly amounts: the flat-rate income,
// the CIT figures, and the amounts a partner takes from another company database.
#include <gtest/gtest.h>

#include "ModuleClassFixture.h"
#include "mv_deklaracje_tlb.h"

namespace {

class PartnerAmounts : public ModuleClassTest {
protected:
    bool WithDemoCompany() const override { return true; }
    void SetUp() override {
        ModuleClassTest::SetUp();
        service_ = Create(u"TLX.SerwisDeklaracji");
        ASSERT_TRUE(service_);
        // The operator's databases (the company file is also the configuration): "Najem" is this demo
        // company itself, so the partner's rental income is the demo ledger.
        Execute(u"create table TLX.Bazy (Baz_BazID INTEGER PRIMARY KEY, Baz_Nazwa VARCHAR(50) NOT NULL, "
                u"Baz_Plik VARCHAR(255))");
        std::string missing = (folder_ / "brak.db").string();
        Execute(u"insert into TLX.Bazy (Baz_Nazwa, Baz_Plik) values ('Najem', '" +
                std::u16string(database_.begin(), database_.end()) + u"'), ('Stara', '" +
                std::u16string(missing.begin(), missing.end()) + u"')");
        Execute(u"insert into TLX.PracKod (Pra_PraID, Pra_Kod) values (99, 'WSPOLNIK')");
        Execute(u"insert into TLX.PracPitMies (PPM_PPMId, PPM_PraId, PPM_Rok, PPM_Miesiac) values (30, 99, 2024, 3)");
        // NAJEM1 takes its amounts from "Najem" and holds an old income; DZIAL1 keeps its own amounts.
        Execute(u"insert into TLX.PracPitKwoty (PPK_PPMId, PPK_Numer, PPK_Wartosc) values (30, 44100, 'T'), "
                u"(30, 45100, 'Najem'), (30, 46100, '999'), (30, 44000, 'N'), (30, 46000, '5')");
    }
    HRESULT Fetch(LONG month) {
        return service_.As<ISerwisDeklaracji>()->PobierzKwoty(2024, month, 0, 99);
    }
    // The stored text of an amount of the partner's March.
    std::u16string Stored(int number) {
        return Scalar(u"select PPK_Wartosc from TLX.PracPitKwoty where PPK_PPMId = 30 and PPK_Numer = " +
                      Number(number));
    }
    static std::u16string Number(int value) {
        std::string text = std::to_string(value);
        return std::u16string(text.begin(), text.end());
    }

    tlx::ComPtr<IDispatch> service_;
};

// The demo ledger: January 12000 income, 4000 costs, 50 advertising; February 15000, 5000, 80; March
// 14000, 6000, 20. Deductible advertising by the 0.25 % limit: 30 in January, 37.50 in February, 35 in
// March. A month's costs are its costs plus its deductible advertising.
TEST_F(PartnerAmounts, AQuarterSumsItsThreeMonthsIntoTheRecordOfItsLastMonth) {
    Put(service_.Get(), u"DeklaracjaKwartalna", tlx::Variant::FromLong(1));
    ASSERT_EQ(Fetch(3), S_OK) << std::string(LastError().begin(), LastError().end());
    EXPECT_EQ(Stored(46100), u"41000.00") << "12000 + 15000 + 14000; the old 999 zeroed first";
    EXPECT_EQ(Stored(47100), u"15102.50") << "4030 + 5037.50 + 6035";
    EXPECT_EQ(Stored(46000), u"5") << "a family without the flag keeps its amounts";
    EXPECT_EQ(Scalar(u"select count(*) from TLX.PracPitKwoty where PPK_PPMId = 30 and PPK_Numer > 46000"), u"2");
}

TEST_F(PartnerAmounts, AMonthlyDeclarationTakesItsMonthAlone) {
    ASSERT_EQ(Fetch(3), S_OK);
    EXPECT_EQ(Stored(46100), u"14000.00");
    EXPECT_EQ(Stored(47100), u"6035.00") << "the limit of March is computed on the income since January";
}

TEST_F(PartnerAmounts, ADatabaseThatCannotBeOpenedStopsWithoutSaving) {
    Execute(u"update TLX.PracPitKwoty set PPK_Wartosc = 'Stara' where PPK_Numer = 45100");
    EXPECT_EQ(Fetch(3), static_cast<HRESULT>(0x800565F5));
    EXPECT_EQ(LastError(),
              u"Nie można przeliczyć deklaracji. Na serwerze brak bazy danych wskazanej w kwotach do deklaracji.");
    EXPECT_EQ(Stored(46100), u"999") << "the zeroed amounts are dropped with their session";

    Execute(u"update TLX.PracPitKwoty set PPK_Wartosc = 'Nieznana' where PPK_Numer = 45100");
    EXPECT_EQ(Fetch(3), static_cast<HRESULT>(0x800565F5)) << "a name the operator's list lacks";
}

TEST_F(PartnerAmounts, AForeignDatabaseWithoutARevenueLedgerKeepsItsOwnCode) {
    Execute(u"update TLX.Firma set Fir_Wartosc = '3' where Fir_Numer = 1204");
    EXPECT_EQ(Fetch(3), static_cast<HRESULT>(0x80057603));
    EXPECT_EQ(Stored(46100), u"999");
}

TEST_F(PartnerAmounts, WithoutAFlagNothingIsWritten) {
    Execute(u"update TLX.PracPitKwoty set PPK_Wartosc = 'N' where PPK_Numer = 44100");
    ASSERT_EQ(Fetch(3), S_OK);
    EXPECT_EQ(Stored(46100), u"999");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.PracPitKwoty"), u"5");
    EXPECT_EQ(service_.As<ISerwisDeklaracji>()->PobierzKwoty(2024, 4, 0, 99), static_cast<HRESULT>(0x80050458))
        << "the partner has no amounts for April";
}

using IncomeData = PartnerAmounts;

// A flat-rate taxpayer's income comes from the host's register; the advertising limit finds nothing
// to limit.
TEST_F(IncomeData, AFlatRateCompanysIncomeIsTheHostsRegister) {
    Execute(u"update TLX.Firma set Fir_Wartosc = '3' where Fir_Numer = 1204");
    Execute(u"delete from TLX.EwidRyczalt");  // the demo's register set aside: only these entries
    Execute(u"insert into TLX.EwidRyczalt (ERy_RokMies, ERy_Przychod) values (202401, 800), (202401, 200), "
            u"(202402, 1500.5), (202403, 99)");
    tlx::Variant result;
    ASSERT_EQ(Call(service_.Get(), u"DochodPodatnika",
                   {tlx::Variant::FromLong(2024), tlx::Variant::FromLong(2), tlx::Variant::FromLong(0)}, &result),
              S_OK);
    auto income = tlx::ComPtr<IDispatch>(result.pdispVal).As<Recordset>();
    ASSERT_TRUE(income);
    LONG count = 0;
    income->get_RecordCount(&count);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(AsText(ColumnValue(income.Get(), u"Miesiac")), u"1");
    EXPECT_EQ(AsText(ColumnValue(income.Get(), u"Przychod")), u"1000.0000");
    EXPECT_EQ(AsText(ColumnValue(income.Get(), u"ReklamaKoszt")), u"0.0000");
    income->MoveNext();
    EXPECT_EQ(AsText(ColumnValue(income.Get(), u"Przychod")), u"1500.5000");
}

TEST_F(IncomeData, CitFiguresComeFromTheHostAsTheyAre) {
    Execute(u"insert into TLX.DaneCIT (DCi_RokMies, DCi_Przychod, DCi_PrzUzpTRP, DCi_KosztyReprezentacji, "
            u"DCi_KosztyBezReklamy, DCi_KosztyPozaRP) values (202401, 100, 10, 1, 50, 5), (202402, 50, 0, 0, 25, 0)");
    tlx::Variant result;
    ASSERT_EQ(Call(service_.Get(), u"DaneCIT2",
                   {tlx::Variant::FromLong(2024), tlx::Variant::FromLong(2), tlx::Variant::FromLong(0)}, &result),
              S_OK);
    ASSERT_EQ(result.vt, VT_DISPATCH);
    auto rows = tlx::ComPtr<IDispatch>(result.pdispVal).As<Recordset>();
    ASSERT_TRUE(rows);
    EXPECT_EQ(AsText(ColumnValue(rows.Get(), u"Przychod")), u"150.0000");
    EXPECT_EQ(AsText(ColumnValue(rows.Get(), u"PrzUzpTRP")), u"10.0000");
    EXPECT_EQ(AsText(ColumnValue(rows.Get(), u"KosztyReprezentacji")), u"1.0000");
    EXPECT_EQ(AsText(ColumnValue(rows.Get(), u"KosztyBezReklamy")), u"75.0000");
    EXPECT_EQ(AsText(ColumnValue(rows.Get(), u"KosztyPozaRP")), u"5.0000");
}

}  // namespace
