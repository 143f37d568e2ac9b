#include "mv_deklaracje/zus/IdentyfikatorDRA.h"

#include <string>

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/zus/DraHostReads.h"
#include "mv_deklaracje/zus/ZusText.h"
#include "platform/com/Bstr.h"
#include "tlb/Enumerations.h"

namespace {

constexpr char16_t kPole[] = u"Deklaracja ZUS DRA: pole DADRAIDENT (identyfikator deklaracji) ";

std::u16string Liczba(long long value) { return LongToString(static_cast<long>(value)).Str(); }

std::u16string Dwucyfrowo(long long value) { return (value >= 0 && value < 10 ? u"0" : u"") + Liczba(value); }

}  // namespace

CIdentyfikatorDRA::CIdentyfikatorDRA(IDeklaracja2* dra) {
    if (!dra) RaiseHResult(E_POINTER);
    tlx::Variant value;
    CheckHost(dra->get_Wartosc(tlx::Bstr(u"DADRAIDENT").Get(), value.Out()));
    if (value.vt != VT_EMPTY && value.vt != VT_NULL) identyfikator_ = ConvertVariant(value, VT_I8).llVal;
    miesiac_ = ReadDeclarationLong(dra, &IDeklaracja::get_Miesiac);
    rok_ = ReadDeclarationLong(dra, &IDeklaracja::get_Rok);
}

void CIdentyfikatorDRA::Sprawdz() const {
    const long long numer = identyfikator_ / 1000000;
    const long long miesiac = identyfikator_ / 10000 % 100;
    const long long rok = identyfikator_ % 10000;
    if (numer < 1 || numer > 99)
        RaiseComError(kOdmowaWartosci, kPole + (u"musi mieć numer od 01 do 99, a ma " + Liczba(identyfikator_) + u"."));
    if (miesiac != miesiac_ || rok != rok_)
        RaiseComError(kOdmowaWartosci, kPole + (u"wskazuje okres " + Dwucyfrowo(miesiac) + u"/" + Liczba(rok) +
                                        u", a deklaracja jest za okres " + Dwucyfrowo(miesiac_) + u"/" + Liczba(rok_) + u"."));
}

HRESULT SprawdzIdentyfikatorDRA(IDeklaracja2* declaration) {
    return ComBoundary([&] {
        if (!declaration) RaiseHResult(E_POINTER);
        if (ReadDeclarationLong(declaration, &IDeklaracja::get_TypDeklar) != dekZUS_DRA) return;
        CIdentyfikatorDRA(declaration).Sprawdz();
    });
}
