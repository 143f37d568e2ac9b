#include <gtest/gtest.h>

#include "RecordColumnCases.h"
#include "host/Database.h"
#include "hostapi/Collections.h"
#include "hostapi/Accounting.h"
#include "mv_deklaracje_tlb.h"

namespace {

constexpr ColumnCase kDeklZakladColumns[] = {
    {u"NazwaPelna", u"DkZ_NazwaPelna", ColumnKind::Text},
    {u"NazwaSkrocona", u"DkZ_NazwaSkrocona", ColumnKind::Text},
    {u"NIP", u"DkZ_NIP", ColumnKind::Text},
    {u"REGON", u"DkZ_REGON", ColumnKind::Text},
    {u"LiczbaZatrudnionych", u"DkZ_LiczbaZatrudnionych", ColumnKind::Long},
    {u"DataRozpDzial", u"DkZ_DataRozpDzial", ColumnKind::Date},
    {u"Kraj", u"DkZ_Kraj", ColumnKind::Text},
    {u"Wojewodztwo", u"DkZ_Wojewodztwo", ColumnKind::Text},
    {u"Powiat", u"DkZ_Powiat", ColumnKind::Text},
    {u"Gmina", u"DkZ_Gmina", ColumnKind::Text},
    {u"KodGminy", u"DkZ_KodGminy", ColumnKind::Text},
    {u"Ulica", u"DkZ_Ulica", ColumnKind::Text},
    {u"NrDomu", u"DkZ_NrDomu", ColumnKind::Text},
    {u"NrLokalu", u"DkZ_NrLokalu", ColumnKind::Text},
    {u"Miasto", u"DkZ_Miasto", ColumnKind::Text},
    {u"KodP", u"DkZ_KodP", ColumnKind::Text},
    {u"Poczta", u"DkZ_Poczta", ColumnKind::Text},
    {u"Nieaktywny", u"DkZ_Nieaktywny", ColumnKind::Long},
    {u"UwzgledniajNaCITST", u"DkZ_UwzgledniajNaCITST", ColumnKind::Long},
    {u"UwzgledniajNaCITSTA", u"DkZ_UwzgledniajNaCITSTA", ColumnKind::Long},
};

class DeklZakladRecord : public ModuleClassTest {
protected:
    void SetUp() override {
        ModuleClassTest::SetUp();
        Execute(u"INSERT INTO TLX.DeklZaklady (DkZ_DkZID) VALUES (3)");
        rows_ = Rows(u"select * from TLX.DeklZaklady");
    }
    tlx::ComPtr<IDispatch> Bound(LONG mode) {
        tlx::ComPtr<IDispatch> record = Create(u"TLXDeklaracje.DeklZaklad");
        EXPECT_EQ(record.As<IInitializeRS>()->BindRecordset(rows_.Get(), mode, tlx::Bstr(u"").Get()), S_OK);
        return record;
    }
    // The defaults a binding left in the current row: Nieaktywny, the two CIT-ST flags and Kraj.
    std::u16string Defaults() {
        return AsText(ColumnValue(rows_.Get(), u"DkZ_Nieaktywny")) + u"/" +
               AsText(ColumnValue(rows_.Get(), u"DkZ_UwzgledniajNaCITST")) + u"/" +
               AsText(ColumnValue(rows_.Get(), u"DkZ_UwzgledniajNaCITSTA")) + u"/" +
               AsText(ColumnValue(rows_.Get(), u"DkZ_Kraj"));
    }
    tlx::ComPtr<Recordset> rows_;
};

}  // namespace

TEST_F(DeklZakladRecord, EveryPropertyIsItsOwnColumnWithDefaultsForNull) {
    tlx::ComPtr<IDispatch> record = Bound(1);
    EXPECT_EQ(AsText(Get(record.Get(), u"ID")), u"3");
    CheckColumnCases(record.Get(), rows_.Get(), kDeklZakladColumns);
    ASSERT_EQ(Put(record.Get(), u"KodP", tlx::Variant::FromString(u"00-001 Warszawa")), S_OK);
    EXPECT_EQ(AsText(ColumnValue(rows_.Get(), u"DkZ_KodP")), u"00-001 War") << "cut to VARCHAR(10)";
    ASSERT_EQ(Put(record.Get(), u"DataRozpDzial", tlx::Variant::FromDate(-18000)), S_OK);
    EXPECT_EQ(AsText(Get(record.Get(), u"DataRozpDzial")), u"2.0000") << "1850 is kept as 1900-01-01";
}

TEST_F(DeklZakladRecord, OnlyANewRowWithAnEmptyNameGetsTheDefaults) {
    const tlx::Variant missing = tlx::Variant::Missing();
    struct Case {
        const char* what;
        bool added;
        const char16_t* name;  // null: not assigned
        LONG mode;
        const char16_t* defaults;
    } cases[] = {
        {"new row, no name", true, nullptr, hostBindNew, u"0/1/1/Polska"},
        {"new row, empty name", true, u"", hostBindNew, u"0/1/1/Polska"},
        {"new row, name filled", true, u"Zakład", hostBindNew, u"NULL/NULL/NULL/NULL"},
        {"new row, refreshed", true, nullptr, hostBindRefresh, u"NULL/NULL/NULL/NULL"},
        {"existing row", false, nullptr, hostBindRead, u"0/0/0/NULL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        rows_ = Rows(u"select * from TLX.DeklZaklady");
        if (c.added) {
            ASSERT_EQ(rows_->AddNew(missing, missing), S_OK);
            for (const char16_t* column : {u"DkZ_Nieaktywny", u"DkZ_UwzgledniajNaCITST", u"DkZ_UwzgledniajNaCITSTA"})
                tlx::host::WriteField(rows_.Get(), column, tlx::Variant::Null());
            if (c.name) tlx::host::WriteField(rows_.Get(), u"DkZ_NazwaPelna", tlx::Variant::FromString(c.name));
        }
        tlx::ComPtr<IDispatch> record = Bound(c.mode);
        EXPECT_EQ(Defaults(), c.defaults);
    }
}

TEST_F(DeklZakladRecord, TheAuditStampIsSavedWithTheRow) {
    tlx::ComPtr<IDispatch> list = Create(tlx::GuidToText(CLSID_CAdoCollectionBase));
    auto setup = list.As<IAdoCollectionSetup>();
    setup->put_ItemClass(tlx::Bstr(u"TLXDeklaracje.DeklZaklad").Get());
    setup->put_IdColumn(tlx::Bstr(u"DkZ_DkZID").Get());
    setup->put_Table(tlx::Bstr(u"DeklZaklady").Get());
    tlx::ComPtr<IDispatch> item;
    ASSERT_EQ(list.As<ICollection>()->AddNew(tlx::Variant::Missing(), item.Out()), S_OK);
    EXPECT_EQ(AsText(Get(item.Get(), u"Kraj")), u"Polska");
    Put(item.Get(), u"NazwaPelna", tlx::Variant::FromString(u"Oddział w Łodzi"));

    tlx::Variant stamp = Get(item.Get(), u"Stempel");
    ASSERT_EQ(stamp.vt, VT_DISPATCH);
    EXPECT_TRUE(tlx::ComPtr<IDispatch>(stamp.pdispVal).As<IStempel>()) << "the host's audit stamp";

    ASSERT_EQ(list.As<ISaveable>()->Save(7), S_OK);
    EXPECT_EQ(Scalar(u"select DkZ_OpeZalId from TLX.DeklZaklady where DkZ_NazwaPelna = 'Oddział w Łodzi'"), u"1");
    EXPECT_EQ(Scalar(u"select DkZ_TS_Zal is not null from TLX.DeklZaklady where DkZ_NazwaPelna = 'Oddział w Łodzi'"),
              u"1");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklZaklady where DkZ_OpeModId is null"), u"1")
        << "only the saved row is stamped";
}

TEST_F(DeklZakladRecord, ReportsErrorInformationForItsOwnInterfaceOnly) {
    tlx::ComPtr<IDispatch> record = Bound(1);
    auto support = record.As<ISupportErrorInfo>();
    ASSERT_TRUE(support);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IDeklZaklad::kIid), S_OK);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IIdentity::kIid), S_FALSE);
}
