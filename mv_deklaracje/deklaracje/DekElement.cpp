#include "mv_deklaracje/deklaracje/DekElement.h"

#include <array>
#include <cmath>
#include <iterator>

namespace {
constexpr OLECHAR kRequiredMessage[] = u"Pole \"%s\" musi być wypełnione.";
constexpr OLECHAR kOutOfRangeMessage[] = u"Wartość pola \"%s\" jest poza zakresem.";
}  // namespace

void CDekElement::RaiseOutOfRange() {
    tlx::Bstr name;
    CheckHost(GetInfo()->get_Nazwa(name.Out()));
    RaiseComErrorFormat(DISP_E_OVERFLOW, kOutOfRangeMessage, std::u16string(name.View()).c_str());
}

tlx::Variant CDekElement::ConvertForField(const VARIANT& value, VARTYPE type) {
    try {
        tlx::Variant converted = ConvertVariant(value, type);
        if (type == VT_R8 && !std::isfinite(converted.dblVal)) RaiseOutOfRange();
        return converted;
    } catch (const ComError& e) {
        if (e.Code() == DISP_E_OVERFLOW) RaiseOutOfRange();
        throw;
    }
}

tlx::ComPtr<IDekElementInfo> CDekElement::GetInfo() {
    const LONG number = ReadLong(u"Numer");
    if (info_ && infoNumber_ == number) return info_;
    tlx::ComPtr<IGetDekElementInfo> declaration;
    CheckHost(GetParent()->QueryInterface(IidOf<IGetDekElementInfo>(), declaration.OutVoid()));
    tlx::ComPtr<IDekElementInfo> info;
    CheckHost(declaration->get_Info(number, info.Out()));
    if (!info) RaiseHResult(E_POINTER);
    info_ = info;
    infoNumber_ = number;
    return info;
}

// The kind of the field of the element's number, kept until the element is numbered again.
LONG CDekElement::GetTyp() {
    if (typ_ == 0) {
        DekElementTypEnum kind{};
        CheckHost(GetInfo()->get_Typ(&kind));
        typ_ = static_cast<LONG>(kind);
    }
    return typ_;
}

const VARIANT& CDekElement::NumberColumnKey(NumberColumn column, tlx::Variant& scratch) {
    static constexpr const OLECHAR* kNames[] = {u"WartoscL", u"WartoscM"};
    static_assert(std::size(kNames) == static_cast<std::size_t>(NumberColumn::Count));
    const OLECHAR* name = kNames[static_cast<std::size_t>(column)];
    if (ColumnPrefix().View() != std::u16string_view(kColumnPrefix)) {
        scratch = tlx::Variant::FromString(BuildFieldName(ColumnPrefix(), name).View());
        return scratch;
    }
    static const std::array<tlx::Variant, std::size(kNames)> kDefaultKeys = [] {
        std::array<tlx::Variant, std::size(kNames)> keys;
        for (std::size_t i = 0; i < std::size(kNames); ++i)
            keys[i] = tlx::Variant::FromString(BuildFieldName(CBstr(kColumnPrefix), kNames[i]).View());
        return keys;
    }();
    return kDefaultKeys[static_cast<std::size_t>(column)];
}

tlx::Variant CDekElement::ReadNumber(NumberColumn column, VARTYPE type) {
    if (!BoundRecordset()) RaiseHResult(E_POINTER);
    tlx::Variant stored, key;
    CheckHost(RecordsetField(BoundRecordset().Get(), NumberColumnKey(column, key))->get_Value(stored.Out()));
    if (stored.vt <= VT_NULL) stored = tlx::Variant::FromLong(0);
    if (stored.vt == type) return stored;  // amounts are stored as the amounts they are read as
    return ConvertVariant(stored, type);
}

tlx::Variant CDekElement::ReadValue() {
    switch (GetTyp()) {
        case detCurrency:
            return ReadNumber(NumberColumn::WartoscL, VT_CY);
        case detFraction: {
            CBstr numerator = VariantToBstr(ReadNumber(NumberColumn::WartoscL, VT_CY));
            CBstr denominator = VariantToBstr(ReadNumber(NumberColumn::WartoscM, VT_CY));
            return tlx::Variant::FromString((numerator + std::u16string_view(u"/") + denominator).View());
        }
        case detText:
            return tlx::Variant::FromString(ReadText(u"WartoscTekst").View());
        case detDate: {
            double days = std::trunc(ReadNumber(NumberColumn::WartoscL, VT_R8).dblVal);
            return tlx::Variant::FromDate(days == 0.0 ? 0.0 : CDate(days - kDateOffset).Value());
        }
        case detInteger:
            return tlx::Variant::FromLong(
                static_cast<LONG>(std::trunc(ReadNumber(NumberColumn::WartoscL, VT_R8).dblVal)));
        default:
            return tlx::Variant();
    }
}

// Every conversion runs before the first column is written, so a value that does not convert changes
// nothing.
void CDekElement::WriteValue(const VARIANT& value) {
    const tlx::Variant one = tlx::Variant::FromLong(1);
    switch (GetTyp()) {
        case detCurrency: {
            tlx::Variant amount = ConvertForField(value, VT_CY);
            SetFieldValue(u"WartoscL", amount);
            SetFieldValue(u"WartoscM", one);
            break;
        }
        case detFraction: {
            CBstr text = VariantToBstr(value);
            int slash = text.Find(u'/');
            if (slash < 0) {
                SetFieldValue(u"WartoscL", ConvertForField(value, VT_CY));
                SetFieldValue(u"WartoscM", one);
            } else {
                tlx::Variant numerator = ConvertForField(tlx::Variant::FromString(text.Left(slash).View()), VT_CY);
                tlx::Variant denominator = ConvertForField(tlx::Variant::FromString(text.Mid(slash + 1).View()), VT_CY);
                SetFieldValue(u"WartoscL", numerator);
                SetFieldValue(u"WartoscM", denominator);
            }
            break;
        }
        case detText:
            SetFieldValue(u"WartoscTekst", value);
            break;
        case detDate: {
            tlx::Variant given = value.vt <= VT_NULL ? tlx::Variant() : ConvertForField(value, VT_DATE);
            if (given.vt == VT_DATE && !std::isfinite(given.date)) RaiseOutOfRange();
            CDate date(given);
            SetFieldValue(u"WartoscL", tlx::Variant::FromDouble(date.IsEmpty() ? 0.0 : date.Value() + kDateOffset));
            SetFieldValue(u"WartoscM", one);
            break;
        }
        case detInteger: {
            // Read back cut toward zero into 32 bits: a number whose whole part does not fit is refused.
            tlx::Variant number = ConvertForField(value, VT_R8);
            double whole = std::trunc(number.dblVal);
            if (whole < -2147483648.0 || whole > 2147483647.0) RaiseOutOfRange();
            SetFieldValue(u"WartoscL", number);
            SetFieldValue(u"WartoscM", one);
            break;
        }
        default:
            break;
    }
}

LONG CDekElement::IsEmpty() {
    switch (GetTyp()) {
        case detCurrency:
        case detFraction:
        case detDate:
        case detInteger:
            return ReadNumber(NumberColumn::WartoscL, VT_R8).dblVal == 0.0 ? 1 : 0;
        case detText:
            return ReadText(u"WartoscTekst").IsEmpty() ? 1 : 0;
        default:
            return -1;
    }
}

HRESULT CDekElement::get_Nazwa(BSTR* name) {
    return ComBoundary([&] {
        RequireOut(name);
        CheckHost(GetInfo()->get_Nazwa(name));
    });
}

HRESULT CDekElement::get_Wartosc(VARIANT* value) {
    return ComBoundary([&] {
        RequireOut(value);
        tlx::Variant read = ReadValue();
        if (read.vt == VT_EMPTY) return;  // a kind without a value leaves the caller's VARIANT alone
        VariantClear(value);
        *value = read.Detach();
    });
}

HRESULT CDekElement::put_Wartosc(VARIANT value) {
    return ComBoundary([&] {
        tlx::Variant given;
        CheckHost(VariantCopyInd(&given, &value));
        WriteValue(given);
        tlx::ComPtr<IGetDekElementInfo> declaration;
        CheckHost(GetParent()->QueryInterface(IidOf<IGetDekElementInfo>(), declaration.OutVoid()));
        tlx::ComPtr<IDekElement> self;
        QueryInterface(IidOf<IDekElement>(), self.OutVoid());
        CheckHost(declaration->CallUpdate(self.Get()));
    });
}

HRESULT CDekElement::get_Numer(LONG* value) { return GetLongColumn(u"Numer", value); }

HRESULT CDekElement::put_Numer(LONG value) {
    return ComBoundary([&] {
        WriteLong(u"Numer", value);
        typ_ = 0;
        tlx::Bstr description;
        CheckHost(GetInfo()->get_Opis(description.Out()));
        SetFieldValue(u"Opis", tlx::Variant::FromString(description.View()));
    });
}

void CDekElement::NumberAs(CDekElementInfo& field) {
    WriteLong(u"Numer", field.Lp());
    typ_ = 0;
    info_ = tlx::ComPtr<IDekElementInfo>(&field);
    infoNumber_ = field.Lp();
    SetFieldValue(u"Opis", field.OpisText());
}

HRESULT CDekElement::get_WartoscL(CY* value) {
    return ComBoundary([&] { *RequireOut(value) = ReadMoney(u"WartoscL").AsCurrency(); });
}

HRESULT CDekElement::get_WartoscM(CY* value) {
    return ComBoundary([&] { *RequireOut(value) = ReadMoney(u"WartoscM").AsCurrency(); });
}

HRESULT CDekElement::get_WartoscTekst(BSTR* value) { return GetTextColumn(u"WartoscTekst", value); }
HRESULT CDekElement::get_Typ(LONG* value) { return GetLongColumn(u"Typ", value); }
HRESULT CDekElement::get_Opis(BSTR* value) { return GetTextColumn(u"Opis", value); }

HRESULT CDekElement::get_Pusty(LONG* empty) {
    return ComBoundary([&] {
        RequireOut(empty);
        if (LONG answer = IsEmpty(); answer >= 0) *empty = answer;
    });
}

HRESULT CDekElement::get_Info(IUnknown** info) {
    return ComBoundary([&] {
        RequireOut(info);
        *info = nullptr;
        CheckHost(GetInfo()->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(info)));
    });
}

void CDekElement::OnVerify() {
    if (IsEmpty() != 1) return;
    tlx::ComPtr<IDekElementInfo> info = GetInfo();
    LONG required = 0;
    CheckHost(info->get_Required(&required));
    if (!required) return;
    tlx::Bstr name;
    CheckHost(info->get_Nazwa(name.Out()));
    RaiseComErrorFormat(E_FAIL, kRequiredMessage, std::u16string(name.View()).c_str());
}

void CDekElement::OnSave(LONG mode) {
    if (mode == hostSaveCheck && IsRecordNotDeleted()) OnVerify();
}
