#include <gtest/gtest.h>

#include "RecordColumnCases.h"
#include "mv_deklaracje_tlb.h"

namespace {

constexpr ColumnCase kVat27Columns[] = {
    {u"DkNId", u"V27_DkNID", ColumnKind::Long}, {u"kwota", u"V27_Kwota", ColumnKind::Money},
    {u"Lp", u"V27_LP", ColumnKind::Long},       {u"NIP", u"V27_NIP", ColumnKind::Text},
    {u"Nazwa", u"V27_Nazwa", ColumnKind::Text}, {u"Numer", u"V27_Numer", ColumnKind::Long},
    {u"Typ", u"V27_Typ", ColumnKind::Long},     {u"Zmiana", u"V27_Zmiana", ColumnKind::Long},
};

class Vat27Record : public ModuleClassTest {
protected:
    void SetUp() override {
        ModuleClassTest::SetUp();
        Execute(u"INSERT INTO TLX.DeklV27 (V27_V27ID, V27_DkNID, V27_Typ) VALUES (8, 12, 1)");
        rows_ = Rows(u"select * from TLX.DeklV27");
    }
    tlx::ComPtr<IDispatch> Bound(LONG mode) {
        tlx::ComPtr<IDispatch> record = Create(u"TLXDeklaracje.Vat27");
        EXPECT_EQ(record.As<IInitializeRS>()->BindRecordset(rows_.Get(), mode, tlx::Bstr(u"").Get()), S_OK);
        return record;
    }
    tlx::ComPtr<Recordset> rows_;
};

}  // namespace

TEST_F(Vat27Record, EveryPropertyIsItsOwnColumnWithDefaultsForNull) {
    tlx::ComPtr<IDispatch> record = Bound(1);
    EXPECT_EQ(AsText(Get(record.Get(), u"ID")), u"8");
    CheckColumnCases(record.Get(), rows_.Get(), kVat27Columns);
    ASSERT_EQ(Put(record.Get(), u"NIP", tlx::Variant::FromString(u"1234567890123456789012345")), S_OK);
    EXPECT_EQ(AsText(ColumnValue(rows_.Get(), u"V27_NIP")), u"12345678901234567890") << "cut to VARCHAR(20)";
}

TEST_F(Vat27Record, BindingAndParentLeaveTheRowAsItWas) {
    tlx::ComPtr<IDispatch> record = Bound(hostBindClone);
    EXPECT_EQ(AsText(ColumnValue(rows_.Get(), u"V27_DkNID")), u"12") << "a new VAT-27 item gets no defaults";
    tlx::ComPtr<IDispatch> parent = Create(u"TLXDeklaracje.Vat27");
    EXPECT_EQ(record.As<IVat27>()->InitializeParent(parent.Get()), S_OK);
    EXPECT_EQ(AsText(ColumnValue(rows_.Get(), u"V27_DkNID")), u"12");

    tlx::ComPtr<IDispatch> bare;
    ASSERT_EQ(CoCreateInstance(CLSID_Vat27, nullptr, CLSCTX_ALL, IID_IDispatch, bare.OutVoid()), S_OK);
    EXPECT_EQ(bare.As<IVat27>()->InitializeParent(parent.Get()), E_POINTER);
    EXPECT_EQ(bare.As<IVat27>()->Verify(), E_POINTER);
}

TEST_F(Vat27Record, SavedThroughItsCollectionWithTheRow) {
    tlx::ComPtr<IDispatch> list =
        ChildCollection(CLSID_Vat27, u"V27_V27ID", u"select * from TLX.DeklV27 where V27_Typ = 1");
    tlx::ComPtr<IDispatch> item;
    ASSERT_EQ(list.As<ICollection>()->AddNew(tlx::Variant::Missing(), item.Out()), S_OK);
    Put(item.Get(), u"DkNId", tlx::Variant::FromLong(12));
    Put(item.Get(), u"Typ", tlx::Variant::FromLong(1));
    Put(item.Get(), u"Nazwa", tlx::Variant::FromString(u"Kontrahent"));
    Put(item.Get(), u"kwota", tlx::Variant::FromCurrency(CY{1000050}));
    ASSERT_EQ(list.As<ISaveable>()->Save(7), S_OK);
    EXPECT_EQ(Scalar(u"select V27_Nazwa || ' ' || V27_Kwota from TLX.DeklV27 where V27_V27ID <> 8"),
              u"Kontrahent 100.005");
}
