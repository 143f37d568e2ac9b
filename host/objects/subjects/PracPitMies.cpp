#include "host/objects/subjects/PracPitMies.h"

#include <optional>

#include "host/session/HostSession.h"
#include "platform/com/Locale.h"
#include "platform/com/VariantConversion.h"
#include "platform/text/CodePage.h"

namespace tlx::host {
namespace {

struct Family {
    const char16_t* prefix;
    LONG number;
};
constexpr Family kFamilies[] = {{u"DZIAL1", 44000}, {u"DZIAL2", 44001}, {u"DZIAL3", 44002},
                                {u"DZIAL4", 44003}, {u"NAJEM1", 44100}, {u"NAJEM2", 44101},
                                {u"STREFA1", 44200}, {u"STREFA2", 44201}};

struct Suffix {
    const char16_t* text;
    LONG offset;
    bool amount;
};
constexpr Suffix kSuffixes[] = {
    {u"_Z_BAZY", 0, false}, {u"_BAZA", 1000, false}, {u"_PRZYCHOD", 2000, true}, {u"_KOSZTY", 3000, true}};

struct NamedValue {
    LONG number;
    bool amount;
};

// The number and kind of a value's name, compared without regard to ASCII case.
std::optional<NamedValue> Lookup(std::u16string_view name) {
    auto upper = [](std::u16string_view text) {
        std::u16string out(text);
        for (char16_t& c : out)
            if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
        return out;
    };
    std::u16string wanted = upper(name);
    for (const Family& family : kFamilies)
        for (const Suffix& suffix : kSuffixes)
            if (wanted == std::u16string(family.prefix) + suffix.text)
                return NamedValue{family.number + suffix.offset, suffix.amount};
    return std::nullopt;
}

NamedValue Require(BSTR name) {
    std::u16string_view text(name ? name : u"", SysStringLen(name));
    std::optional<NamedValue> found = Lookup(text);
    if (!found) Fail(E_INVALIDARG, u"Nieznana kwota miesięczna: " + std::u16string(text));
    return *found;
}

Variant Converted(const VARIANT& value, VARTYPE type) {
    Variant out;
    if (HRESULT hr = VariantChangeTypeEx(out.Out(), &value, LANG_ENGLISH_US, 0, type); FAILED(hr))
        Fail(hr, u"Nieprawidłowa wartość kwoty miesięcznej");
    return out;
}

// The text stored for a value: amounts as C-locale decimals with at least two places.
Variant StoredText(const VARIANT& value, bool amount) {
    if (value.vt == VT_NULL || value.vt == VT_EMPTY) return Variant::Null();
    if (!amount) return Converted(value, VT_BSTR);
    LONGLONG scaled = Converted(value, VT_CY).cyVal.int64;
    LONGLONG whole = scaled / 10000, fraction = scaled % 10000;
    std::string text = (scaled < 0 && whole == 0 ? "-" : "") + std::to_string(whole) + "." +
                       std::to_string(10000 + (fraction < 0 ? -fraction : fraction)).substr(1);
    if (text.back() == '0') text.pop_back();
    if (text.back() == '0') text.pop_back();
    return Variant::FromString(Utf8ToUtf16(text));
}

}  // namespace

Recordset* CPracPitMiesRecord::Amounts() {
    if (!amounts_) {
        LONG id = ReadNumber(u"PPMId");
        amounts_ = OpenRecordset(HostSessionOf(Require(session_.Get()))->CompanyConnection(),
                                 u"select * from TLX.PracPitKwoty where PPK_PPMId = " +
                                     Utf8ToUtf16(std::to_string(id)) + u" order by PPK_PPKId");
    }
    return amounts_.Get();
}

bool CPracPitMiesRecord::FindAmount(LONG number) {
    Recordset* rows = Amounts();
    LONG count = 0;
    Check(rows->get_RecordCount(&count));
    if (count == 0) return false;
    for (Check(rows->MoveFirst()); !AtEnd(rows); Check(rows->MoveNext()))
        if (ReadLong(rows, u"PPK_Numer") == number) return true;
    return false;
}

HRESULT CPracPitMiesRecord::get_wartosc(BSTR name, VARIANT* value) {
    return Boundary([&] {
        Require(value);
        VariantInit(value);
        NamedValue named = Require(name);
        Variant stored = FindAmount(named.number) ? ReadField(Amounts(), u"PPK_Wartosc") : Variant::Null();
        bool empty = stored.vt == VT_NULL || (stored.vt == VT_BSTR && SysStringLen(stored.bstrVal) == 0);
        if (empty) {
            *value = Variant::Null().Detach();
            return;
        }
        *value = (named.amount ? Converted(stored, VT_CY) : Converted(stored, VT_BSTR)).Detach();
    });
}

HRESULT CPracPitMiesRecord::put_wartosc(BSTR name, VARIANT value) {
    return Boundary([&] {
        NamedValue named = Require(name);
        Variant text = StoredText(value, named.amount);
        if (!FindAmount(named.number)) {
            Check(Amounts()->AddNew(Variant::Missing(), Variant::Missing()));
            WriteField(Amounts(), u"PPK_PPMId", Variant::FromLong(ReadNumber(u"PPMId")));
            WriteField(Amounts(), u"PPK_Numer", Variant::FromLong(named.number));
        }
        WriteField(Amounts(), u"PPK_Wartosc", text);
        if (!inUnitOfWork_) {
            HostSessionOf(Require(session_.Get()))->AddToUnitOfWork(static_cast<IPracPitMies*>(this));
            inUnitOfWork_ = true;
        }
    });
}

HRESULT CPracPitMiesRecord::Save(LONG mode) {
    return Boundary([&] {
        if (mode == hostSaveWritten && amounts_) Check(amounts_->UpdateBatch(adAffectAll));
    });
}

}  // namespace tlx::host
