// The stored value of one field of a declaration (row of TLX.DeklElem). The value kind of the field's
// definition decides the columns: money, dates and integers in WartoscL, fractions over WartoscL and
// WartoscM, texts in WartoscTekst. Every write runs the field's "onupdate" code through the declaration.
#pragma once

#include "mv_deklaracje/deklaracje/DekChildRecord.h"
#include "mv_deklaracje/forms/DekElementInfo.h"

class CDekElement final : public CDekChildRecord<CDekElement, IDekElement> {
public:
    static constexpr const OLECHAR* kColumnPrefix = u"Dke_";
    static constexpr const OLECHAR* kIdColumn = u"DkeId";
    // A date is stored as its day number counted from 1800-12-28: the OLE date plus this offset.
    static constexpr double kDateOffset = 36161.0;

    HRESULT get_Nazwa(BSTR* name) override;
    HRESULT get_Wartosc(VARIANT* value) override;
    HRESULT put_Wartosc(VARIANT value) override;
    HRESULT get_Numer(LONG* value) override;
    HRESULT put_Numer(LONG value) override;
    HRESULT get_WartoscL(CY* value) override;
    HRESULT get_WartoscM(CY* value) override;
    HRESULT get_WartoscTekst(BSTR* value) override;
    HRESULT get_Typ(LONG* value) override;
    HRESULT get_Opis(BSTR* value) override;
    HRESULT get_Pusty(LONG* empty) override;
    HRESULT get_Info(IUnknown** info) override;

    // What put_Numer does for the field of that number, for a caller that holds the field already (its
    // declaration pairing a new row with it): the number and the field's description are written and
    // the field kept as the element's definition, without asking the declaration for it.
    void NumberAs(CDekElementInfo& field);

protected:
    void OnVerify() override;
    void OnSave(LONG mode) override;
    void OnParentInitialized() override { info_.Reset(); }

private:
    // The field definition of the element's number in its declaration's form, kept for that number
    // (each write and check of the element asks for it) until the number or the parent changes.
    tlx::ComPtr<IDekElementInfo> GetInfo();
    // The definition's value kind, read once and kept.
    LONG GetTyp();
    enum class NumberColumn { WartoscL, WartoscM, Count };
    // A value column as stored, NULL as 0, converted to `type`.
    tlx::Variant ReadNumber(NumberColumn column, VARTYPE type);
    // The number column's full name as the key of the recordset's fields. Under the default column
    // prefix (what every element is bound with) the keys are made once for all elements, rather than at
    // every read or kept by each of a declaration's many elements; under another prefix the key is made
    // in `scratch`.
    const VARIANT& NumberColumnKey(NumberColumn column, tlx::Variant& scratch);
    tlx::Variant ReadValue();
    void WriteValue(const VARIANT& value);
    // The value converted to `type`; a number the kind cannot hold fails with DISP_E_OVERFLOW naming
    // the field.
    tlx::Variant ConvertForField(const VARIANT& value, VARTYPE type);
    [[noreturn]] void RaiseOutOfRange();
    // 1 when the value is empty, 0 when not, -1 for a kind that has no emptiness.
    LONG IsEmpty();

    // The two numbers side by side, so that a declaration's many elements carry no padding.
    LONG typ_ = 0;
    LONG infoNumber_ = 0;  // the number info_ was found for
    tlx::ComPtr<IDekElementInfo> info_;
};
