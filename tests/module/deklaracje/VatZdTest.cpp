#include <gtest/gtest.h>

#include "RecordColumnCases.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ConnectionPoint.h"

namespace {

constexpr ColumnCase kVatZdColumns[] = {
    {u"VaNId", u"VaZ_VaNId", ColumnKind::Long},
    {u"TrNId", u"VaZ_TrNId", ColumnKind::Long},
    {u"Typ", u"VaZ_Typ", ColumnKind::Long},
    {u"DkNId", u"VaZ_DkNId", ColumnKind::Long},
    {u"NazwaKontrahenta1", u"VaZ_KntNazwa1", ColumnKind::Text},
    {u"NazwaKontrahenta2", u"VaZ_KntNazwa2", ColumnKind::Text},
    {u"NazwaKontrahenta3", u"VaZ_KntNazwa3", ColumnKind::Text},
    {u"NIP", u"VaZ_KntNipE", ColumnKind::Text},
    {u"Dokument", u"VaZ_Dokument", ColumnKind::Text},
    {u"DataWystawienia", u"VaZ_DataWys", ColumnKind::Date},
    {u"TerminRealizacji", u"VaZ_Termin", ColumnKind::Date},
    {u"RazemNetto", u"VaZ_RazemNetto", ColumnKind::Money},
    {u"RazemVAT", u"VaZ_RazemVAT", ColumnKind::Money},
    {u"RazemBrutto", u"VaZ_RazemBrutto", ColumnKind::Money},
    {u"RodzajZakupu", u"VaZ_RodzajZakupu", ColumnKind::Long},
    {u"Odliczenia", u"VaZ_Odliczenia", ColumnKind::Long},
    {u"Flaga", u"VaZ_Flaga", ColumnKind::Long},
    {u"Stawka", u"VaZ_Stawka", ColumnKind::Money},
    {u"Netto", u"VaZ_Netto", ColumnKind::Money},
    {u"VAT", u"VaZ_VAT", ColumnKind::Money},
    {u"Brutto", u"VaZ_Brutto", ColumnKind::Money},
    {u"SumaKwotZdarzen", u"VaZ_SumaKwotZdarzen", ColumnKind::Money},
    {u"SumaKwotRozliczen", u"VaZ_SumaKwotRozliczen", ColumnKind::Money},
    {u"KorektaNetto", u"VaZ_KorektaNetto", ColumnKind::Money},
    {u"KorektaVAT", u"VaZ_KorektaVAT", ColumnKind::Money},
    {u"DoRoliczeniaNaDzienObliczenia", u"VaZ_DoRoliczeniaNaDzienObliczenia", ColumnKind::Money},
    {u"RoliczonoNaDzienObliczenia", u"VaZ_RoliczonoNaDzienObliczenia", ColumnKind::Money},
};

class VatZdRecord : public ModuleClassTest {
protected:
    void SetUp() override {
        ModuleClassTest::SetUp();
        Execute(u"INSERT INTO TLX.VATZD (VaZ_VaZId, VaZ_DkNId) VALUES (41, 12)");
        rows_ = Rows(u"select * from TLX.VATZD");
        record_ = Bound(rows_, 1);
    }
    tlx::ComPtr<IDispatch> Bound(const tlx::ComPtr<Recordset>& rows, LONG mode, const char16_t* prefix = u"") {
        tlx::ComPtr<IDispatch> record = Create(u"TLXDeklaracje.VatZd");
        EXPECT_EQ(record.As<IInitializeRS>()->BindRecordset(rows.Get(), mode, tlx::Bstr(prefix).Get()), S_OK);
        return record;
    }
    void SetColumn(const char16_t* column, const VARIANT& value) {
        tlx::ComPtr<Fields> fields;
        rows_->get_Fields(fields.Out());
        tlx::ComPtr<::Field> field;
        ASSERT_EQ(fields->get_Item(tlx::Variant::FromString(column), field.Out()), S_OK);
        ASSERT_EQ(field->put_Value(value), S_OK);
    }
    std::u16string Text(const char16_t* property) { return AsText(Get(record_.Get(), property)); }

    tlx::ComPtr<Recordset> rows_;
    tlx::ComPtr<IDispatch> record_;
};

}  // namespace

TEST_F(VatZdRecord, EveryPropertyIsItsOwnColumnWithDefaultsForNull) {
    CheckColumnCases(record_.Get(), rows_.Get(), kVatZdColumns);
    EXPECT_EQ(AsText(Get(record_.Get(), u"ID")), u"41");
}

TEST_F(VatZdRecord, TextIsCutToTheColumnAndDatesAreClamped) {
    ASSERT_EQ(Put(record_.Get(), u"NIP", tlx::Variant::FromString(u"PL1234567890123456789012")), S_OK);
    EXPECT_EQ(AsText(ColumnValue(rows_.Get(), u"VaZ_KntNipE")), u"PL123456789012345678") << "VARCHAR(20)";
    struct DateCase {
        DATE written;
        const char16_t* stored;
    } cases[] = {{0, u"0.0000"}, {-18000.0, u"2.0000"}, {500000.5, u"401769.0000"}, {0.4, u"0.0000"}};
    for (const DateCase& c : cases) {
        SCOPED_TRACE(c.written);
        ASSERT_EQ(Put(record_.Get(), u"TerminRealizacji", tlx::Variant::FromDate(c.written)), S_OK);
        EXPECT_EQ(AsText(ColumnValue(rows_.Get(), u"VaZ_Termin")), c.stored) << "the empty date is 0, never NULL";
    }
    SetColumn(u"VaZ_Netto", tlx::Variant::FromCurrency(CY{-123450}));
    EXPECT_EQ(Text(u"Netto"), u"-12.3500") << "halves round away from zero";
}

TEST_F(VatZdRecord, CodesReadAsTexts) {
    struct Case {
        tlx::Variant code;
        const char16_t* text;
    } kinds[] = {{tlx::Variant::Null(), u"Nie dotyczy"},        {tlx::Variant::FromLong(0), u"Nie dotyczy"},
                 {tlx::Variant::FromLong(1), u"Towary"},        {tlx::Variant::FromLong(3), u"Środki trwałe"},
                 {tlx::Variant::FromLong(6), u"Nieruchomości"}, {tlx::Variant::FromLong(7), u"Paliwo"},
                 {tlx::Variant::FromLong(8), u"Nie dotyczy"},   {tlx::Variant::FromLong(-2), u"Nie dotyczy"}};
    for (const Case& c : kinds) {
        SetColumn(u"VaZ_RodzajZakupu", c.code);
        EXPECT_EQ(Text(u"RodzajZakupuAsText"), c.text) << Narrow(c.text);
    }

    struct Deduction {
        LONG typ;
        tlx::Variant code;
        const char16_t* text;
    } deductions[] = {{1, tlx::Variant::FromLong(0), u"Nie"},         {1, tlx::Variant::FromLong(1), u"Tak"},
                      {1, tlx::Variant::FromLong(2), u"Warunkowo"},   {1, tlx::Variant::Null(), u"Nie dotyczy"},
                      {1, tlx::Variant::FromLong(3), u"Nie dotyczy"}, {2, tlx::Variant::FromLong(1), u"Nie dotyczy"}};
    for (const Deduction& d : deductions) {
        SetColumn(u"VaZ_Typ", tlx::Variant::FromLong(d.typ));
        SetColumn(u"VaZ_Odliczenia", d.code);
        EXPECT_EQ(Text(u"OdliczeniaAsText"), d.text) << "Typ " << d.typ << " " << Narrow(d.text);
    }

    struct Rate {
        LONGLONG rate;  // ten-thousandths
        tlx::Variant flag;
        const char16_t* text;
    } rates[] = {{0, tlx::Variant::FromLong(1), u"ZW"},
                 {0, tlx::Variant::FromLong(4), u"NP"},
                 {0, tlx::Variant::FromLong(2), u"0.00 %"},
                 {0, tlx::Variant::FromLong(0), u""},
                 {0, tlx::Variant::Null(), u""},
                 {230000, tlx::Variant::FromLong(1), u""},
                 {230000, tlx::Variant::FromLong(2), u"23.00 %"},
                 {80000, tlx::Variant::FromLong(3), u"8.00 %"},
                 {229950, tlx::Variant::FromLong(2), u"23.00 %"}};
    for (const Rate& r : rates) {
        SetColumn(u"VaZ_Stawka", tlx::Variant::FromCurrency(CY{r.rate}));
        SetColumn(u"VaZ_Flaga", r.flag);
        EXPECT_EQ(Text(u"StawkaAsText"), r.text) << r.rate << " " << Narrow(r.text);
    }
}

TEST_F(VatZdRecord, NetCorrectionOfADeletedRowReadsZeroAndIgnoresWrites) {
    ASSERT_EQ(Put(record_.Get(), u"KorektaNetto", tlx::Variant::FromCurrency(CY{50000})), S_OK);
    ASSERT_EQ(rows_->Delete(adAffectCurrent), S_OK);
    EXPECT_EQ(Text(u"KorektaNetto"), u"0.0000");
    EXPECT_EQ(Put(record_.Get(), u"KorektaNetto", tlx::Variant::FromCurrency(CY{70000})), S_OK);
    EXPECT_EQ(AsText(ColumnValue(rows_.Get(), u"VaZ_KorektaNetto")), u"5.0000") << "the write was ignored";
    EXPECT_TRUE(FAILED(Put(record_.Get(), u"KorektaVAT", tlx::Variant::FromCurrency(CY{70000}))))
        << "a plain column of a deleted row answers the recordset's refusal";
}

TEST_F(VatZdRecord, BindingAsACloneDetachesTheItemFromItsDeclaration) {
    EXPECT_EQ(AsText(Get(record_.Get(), u"DkNId")), u"12") << "an ordinary binding keeps it";
    tlx::ComPtr<IDispatch> clone = Bound(rows_, hostBindClone);
    EXPECT_EQ(AsText(ColumnValue(rows_.Get(), u"VaZ_DkNId")), u"0");
}

TEST_F(VatZdRecord, APrefixOfTheBindingReplacesTheClassPrefix) {
    tlx::ComPtr<Recordset> aliased = Rows(u"select VaZ_VaZId as Xz_VaZId, VaZ_DkNId as Xz_DkNId from TLX.VATZD");
    tlx::ComPtr<IDispatch> record = Bound(aliased, 1, u"Xz_");
    EXPECT_EQ(AsText(Get(record.Get(), u"ID")), u"41");
    EXPECT_EQ(AsText(Get(record.Get(), u"DkNId")), u"12");
    tlx::Variant none;
    EXPECT_TRUE(FAILED(TryGet(record.Get(), u"NIP", &none))) << "a column the recordset lacks fails";
}

TEST_F(VatZdRecord, ParentSessionAndBindingAreRequired) {
    tlx::ComPtr<IDispatch> declaration = Create(u"TLXDeklaracje.VatZd");
    tlx::ComPtr<IVatZd> item = record_.As<IVatZd>();
    EXPECT_EQ(item->InitializeParent(declaration.Get()), S_OK);
    EXPECT_EQ(item->InitializeParent(nullptr), S_OK) << "a second parent replaces the first";
    EXPECT_EQ(AsText(ColumnValue(rows_.Get(), u"VaZ_DkNId")), u"12") << "the parent is not read";

    tlx::ComPtr<IDispatch> created;
    ASSERT_EQ(CoCreateInstance(CLSID_VatZd, nullptr, CLSCTX_ALL, IID_IDispatch, created.OutVoid()), S_OK);
    tlx::ComPtr<IVatZd> bare = created.As<IVatZd>();
    EXPECT_EQ(bare->InitializeParent(declaration.Get()), E_POINTER) << "no session";
    LONG id = 0;
    EXPECT_EQ(bare->get_ID(&id), E_POINTER);
    BSTR nip = nullptr;
    EXPECT_EQ(bare->get_NIP(&nip), E_POINTER);
    EXPECT_EQ(bare->Verify(), E_POINTER);
    EXPECT_EQ(item->Verify(), S_OK);
}

TEST_F(VatZdRecord, OffersDisplayAndProgressPointsThatStayIdle) {
    auto container = record_.As<IConnectionPointContainer>();
    ASSERT_TRUE(container);
    tlx::ComPtr<IEnumConnectionPoints> points;
    ASSERT_EQ(container->EnumConnectionPoints(points.Out()), S_OK);
    std::vector<IID> order;
    IConnectionPoint* point = nullptr;
    while (points->Next(1, &point, nullptr) == S_OK) {
        IID iid{};
        point->GetConnectionInterface(&iid);
        order.push_back(iid);
        point->Release();
    }
    EXPECT_EQ(order, (std::vector<IID>{DIID__IDisplayEvents, DIID__IProgressEvents}));
}
