#include "mv_deklaracje/zus/PayrollReads.h"

#include "mv_deklaracje/core/VariantHelpers.h"
#include "platform/com/ClassRegistry.h"

std::u16string DecimalText(long value) {
    const std::string text = std::to_string(value);
    return std::u16string(text.begin(), text.end());
}

LONG KodTytuluElementu(IWypElement* element) {
    auto zus = ReadObject(element, &IWypElement::get_DaneZUS, u"dane ZUS elementu wypłaty");
    return ReadValue(zus.Get(), &IDaneZUS::get_KodTytulu);
}

LONG TytulZapisu(IPracEtat* zapis) {
    auto ubezpieczenie = ReadObject(zapis, &IPracEtat::get_Ubezpieczenie, u"ubezpieczenie zapisu pracownika");
    auto tytul = ReadObject(ubezpieczenie.Get(), &IUbezpieczenie::get_KodTytulu, u"kod tytułu ubezpieczenia");
    return ReadValue(tytul.Get(), &IKodTytulu::get_Kod);
}

LONG KodSwiadczeniaTypu(ITypWyplaty* typ) {
    if (!typ) RaiseComError(E_POINTER, u"Brak obiektu: typ wypłaty");
    tlx::ComPtr<IKodSwiadczenia> kod;
    CheckHost(typ->get_KodSwiadczenia(kod.Out()));
    return kod ? ReadValue(kod.Get(), &IKodSwiadczenia::get_Kod) : 0;
}

tlx::ComPtr<IPracEtat> ZapisPracownika(IPracownikDane* osoba, CDate dzien) {
    auto historia = ReadObject(osoba, &IPracownikDane::get_historia, u"historia pracownika");
    tlx::ComPtr<IDispatch> item;
    CheckHost(historia->Item(tlx::Variant::FromString(dzien.FormatSql().View()), item.Out()));
    return RequireInterface<IPracEtat>(item.Get(), u"zapis pracownika ważny w dniu " + dzien.FormatSql().Str());
}

LONG FirstFieldAsLong(Recordset* rows) { return FieldAsLong(rows, 0); }

LONG FieldAsLong(Recordset* rows, LONG index) {
    VARIANT_BOOL eof = VARIANT_FALSE;
    CheckHost(rows->get_EOF(&eof));
    if (eof) return 0;
    tlx::ComPtr<Fields> fields;
    CheckHost(rows->get_Fields(fields.Out()));
    if (!fields) RaiseHResult(E_POINTER);
    tlx::ComPtr<Field> field;
    CheckHost(fields->get_Item(tlx::Variant::FromLong(index), field.Out()));
    if (!field) RaiseHResult(E_POINTER);
    tlx::Variant value;
    CheckHost(field->get_Value(value.Out()));
    return VariantToLongOr(value.Detach(), 0);
}
