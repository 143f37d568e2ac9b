#include "mv_deklaracje/zus/BasePolicz.h"

#include "hostapi/Errors.h"
#include "include/tlb/Deklaracja.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/ModuleResources.h"
#include "mv_deklaracje/zus/PamiecDRA.h"
#include "mv_deklaracje/zus/PayrollReads.h"
#include "platform/com/Bstr.h"

CBasePolicz::CBasePolicz(IDRAExt* raport, IDispatch* sesja, IKeduDokument* dokument)
    : raport_(raport), dokument_(dokument) {
    if (!raport_) RaiseComError(E_POINTER, u"Brak raportu");
    if (!dokument_) RaiseComError(E_POINTER, u"Brak dokumentu KEDU raportu");
    if (sesja) sesja->QueryInterface(IidOf<ISession2>(), sesja_.OutVoid());
    dra_ = ReadObject(raport_.Get(), &IDRAExt::get_DRA, u"DRA raportu");
    if (const CPamiecDRA* pamiec = CPamiecDRA::DlaDRA(dra_.Get()); pamiec && pamiec->OsobaDRA()) {
        pracownikDRA_ = *pamiec->OsobaDRA();
    } else {
        auto deklaracja = ReadObject(dra_.Get(), &IDRA::get_Deklaracja, u"deklaracja DRA");
        tlx::ComPtr<IDispatch> pracownik;
        if (HRESULT hr = deklaracja->get_Pracownik(pracownik.Out()); hr != HOST_E_RECORDZERO) CheckHost(hr);
        if (pracownik) pracownik->QueryInterface(IidOf<IPracownik>(), pracownikDRA_.OutVoid());
    }
    rok_ = ReadValue(raport_.Get(), &IDRAExt::get_Rok);
    miesiac_ = ReadValue(raport_.Get(), &IDRAExt::get_Miesiac);
    ostatniDzien_ = CDate(miesiac_ + 1, 0, rok_);
}

void CBasePolicz::PoliczPracownika(IDispatch* pracownik, long maWyplaty) {
    if (!Policz(pracownik, maWyplaty)) RaiseResourceError(kMsgBezBlokow, GUID_NULL, ModuleResources());
}

bool CBasePolicz::Policz(IDispatch* pracownik, long maWyplaty) {
    auto dane = RequireInterface<IPracownikDane>(pracownik, u"pracownik");
    bool zapisano = false;
    try {
        zapisano = Uprawniony(dane.Get()) && WyliczBloki(dane.Get(), maWyplaty);
    } catch (const ComError& e) {
        if (e.Code() != E_POINTER) throw;
        // What the host did not answer, and for whom.
        tlx::Bstr opis, pracownikTekst;
        if (e.Info()) e.Info()->GetDescription(opis.Out());
        dane->get_PracownikTekst(pracownikTekst.Out());
        RaiseComError(E_POINTER, std::u16string(opis.View()) + u" (pracownik " + std::u16string(pracownikTekst.View()) + u")");
    }
    return zapisano;
}

bool CBasePolicz::Uprawniony(IPracownikDane* pracownik) {
    if (pracownikDRA_) return true;
    tlx::ComPtr<IPracEtat> zapis;
    CheckHost(pracownik->GetEtat(ostatniDzien_.Value(), tlx::Variant::Missing(), zapis.Out()));
    if (!zapis) RaiseComError(E_POINTER, u"Brak zapisu pracownika ważnego w dniu " + ostatniDzien_.FormatSql().Str());
    if (ReadValue(zapis.Get(), &IPracEtat::get_Wylaczony) != 0) return false;
    tlx::ComPtr<IDispatch> glowny;
    const HRESULT hr = zapis->get_Powiazanie(glowny.Out());
    if (hr == HOST_E_RECORDZERO) return true;
    CheckHost(hr);
    return false;
}

LONG CBasePolicz::WersjaDRA() {
    auto deklaracja = ReadObject(dra_.Get(), &IDRA::get_Deklaracja, u"deklaracja DRA");
    return ReadValue(static_cast<IDeklaracja*>(deklaracja.Get()), &IDeklaracja::get_Wersja);
}

tlx::ComPtr<IKeduBlok> CBasePolicz::NowyBlok() {
    auto bloki = ReadObject(dokument_.Get(), &IKeduDokument::get_bloki, u"bloki dokumentu KEDU");
    return ReadObject(bloki.Get(), &IKeduBloki::Add, u"nowy blok dokumentu KEDU");
}
