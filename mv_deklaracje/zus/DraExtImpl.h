// The shared body of the DRA's per-person reports (RCA, RNA, RZA, RSA): a child declaration of the DRA's
// declaration holding one KEDU document, with the common blocks written once and one class hook per
// insured person that writes the person's blocks.
//
// States: created (nothing set up, GenerujZeroweRCA 1) → DRA given (`DRA` put) → set up (first Policz:
// the child declaration exists; the set-up flag is raised before its first step, so a failed set-up is
// never retried) → document made (same call: the common blocks written once) → persons added (the
// has-content flag is raised by the first hook that returns normally) → finished (Finish: the document's
// text stored in the child declaration, or the child dropped when no person gave content).
#pragma once

#include <string>

#include "TlxBus.h"
#include "hostapi/Configuration.h"
#include "hostapi/Errors.h"
#include "hostapi/Kedu.h"
#include "mv_deklaracje/core/HostLookups.h"
#include "mv_deklaracje/zus/DiplBuilder.h"
#include "mv_deklaracje/zus/PayrollReads.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ProvideClassInfo.h"
#include "tlb/DispatchTables.h"

// The identifier of a ZUS declaration: Numer × 1000000 + Miesiac × 10000 + Rok (number 1 of March 2016
// gives 1032016).
LONG IdentyfikatorRaportu(IDeklaracja* deklaracja);

template <class Derived, TypDeklarEnum N>
using DraExtRoot =
    IInitializeSessionImpl<Derived, TlxObjectRoot<Derived, tlx::Dispatch<IDRAExt>, tlx::ProvideClassInfo2<>>, 2>;

template <class Derived, TypDeklarEnum N>
class IDraExtImpl : public DraExtRoot<Derived, N> {
public:
    // The error code by which a hook says the person gave nothing to the report (message 518).
    static constexpr HRESULT kBezBlokow = static_cast<HRESULT>(0x80040206);

    HRESULT get_DataWypelnienia(DATE* value) override {
        return ComBoundary([&] { CheckHost(WymaganaDeklaracjaDRA()->get_Data(RequireOut(value))); });
    }
    HRESULT get_Miesiac(LONG* value) override {
        return ComBoundary([&] { CheckHost(WymaganaDeklaracjaDRA()->get_Miesiac(RequireOut(value))); });
    }
    HRESULT get_Rok(LONG* value) override {
        return ComBoundary([&] { CheckHost(WymaganaDeklaracjaDRA()->get_Rok(RequireOut(value))); });
    }
    HRESULT get_IsEmpty(LONG* value) override {
        return ComBoundary([&] { *RequireOut(value) = maTresc_ ? 0 : 1; });
    }
    HRESULT get_Deklaracja(IDeklaracja2** declaration) override {
        return ComBoundary([&] {
            RequireOut(declaration);
            *declaration = tlx::ComPtr<IDeklaracja2>(deklaracjaDRA_).Detach();
        });
    }
    HRESULT get_DRA(IDRA** dra) override {
        return ComBoundary([&] {
            RequireOut(dra);
            *dra = nullptr;
            if (!dra_) RaiseHResult(E_POINTER);
            CheckHost(dra_->QueryInterface(IidOf<IDRA>(), reinterpret_cast<void**>(dra)));
        });
    }
    HRESULT put_DRA(IDRA* dra) override {
        return ComBoundary([&] {
            if (!dra) RaiseHResult(E_POINTER);
            dra_ = tlx::ComPtr<IDRA>(dra);
        });
    }
    HRESULT get_GenerujZeroweRCA(LONG* value) override {
        return ComBoundary([&] { *RequireOut(value) = generujZeroweRCA_; });
    }
    HRESULT put_GenerujZeroweRCA(LONG value) override {
        return ComBoundary([&] { generujZeroweRCA_ = value; });
    }
    HRESULT Policz(IDispatch* rPrc, LONG _iMaWyplaty, IDeklaracja** ppDeklaracja) override {
        return ComBoundary([&] {
            // A null out-pointer is refused before any person is computed.
            RequireOut(ppDeklaracja);
            *ppDeklaracja = nullptr;
            if (!ustawiony_) Ustaw();
            GenerujDokument(rPrc, _iMaWyplaty);
            if (!raport_ || !deklaracjaDRA_) RaiseHResult(E_POINTER);
            CheckHost(raport_->put_Numer(ReadValue(static_cast<IDeklaracja*>(deklaracjaDRA_.Get()), &IDeklaracja::get_Numer)));
            CheckHost(raport_->put_Miesiac(ReadValue(static_cast<IDeklaracja*>(deklaracjaDRA_.Get()), &IDeklaracja::get_Miesiac)));
            CheckHost(raport_->put_Rok(ReadValue(static_cast<IDeklaracja*>(deklaracjaDRA_.Get()), &IDeklaracja::get_Rok)));
            CheckHost(raport_->QueryInterface(IidOf<IDeklaracja>(), reinterpret_cast<void**>(ppDeklaracja)));
        });
    }
    HRESULT Finish(LONG* bVal) override {
        return ComBoundary([&] {
            RequireOut(bVal);
            LONG pusty = 1;
            CheckHost(get_IsEmpty(&pusty));
            if (pusty == 0) {
                if (!dokument_ || !raport_) RaiseHResult(E_POINTER);
                tlx::Bstr tekst;
                CheckHost(dokument_->ToString(tekst.Out()));
                CheckHost(raport_->put_Tekst(tekst.Get()));
                *bVal = 1;
                return;
            }
            if (raport_) UsunRaport();
            *bVal = 0;
        });
    }

protected:
    explicit IDraExtImpl(const char16_t* typ) : typ_(typ) {}

    // Writes one insured person's blocks into the report's document; false (or raising 0x80040206) means
    // the person gave nothing to the report.
    virtual bool WypelnijRaport(IDispatch* pracownik, LONG maWyplaty, IKeduDokument* dokument) = 0;

    // The object's session as a dispatch object, for the calculators.
    tlx::ComPtr<IDispatch> SesjaObiektu() const {
        auto sesja = this->GetSession();
        tlx::ComPtr<IDispatch> dispatch;
        CheckHost(sesja->QueryInterface(IID_IDispatch, dispatch.OutVoid()));
        return dispatch;
    }

private:
    static constexpr char16_t kPoleDataWypelnienia[] = u"OplsDataWyp";
    static constexpr char16_t kKlasaKonfiguracji[] = u"{A1E6C62D-2AE2-4D6A-B82B-17EF8DCFB6D1}";

    IDeklaracja2* WymaganaDeklaracjaDRA() const {
        if (!deklaracjaDRA_) RaiseHResult(E_POINTER);
        return deklaracjaDRA_.Get();
    }
    LONG WersjaDRA() const {
        return ReadValue(static_cast<IDeklaracja*>(WymaganaDeklaracjaDRA()), &IDeklaracja::get_Wersja);
    }
    // The RCA and RZA of a DRA of version 4 follow the newer schema (version 2).
    bool NowySchemat() const {
        return (N == dekZUS_RCA || N == dekZUS_RZA) && WersjaDRA() == 4;
    }
    tlx::ComPtr<ICollection> DzieciDRA() const {
        auto dzieci = ReadObject(static_cast<IDeklaracja*>(WymaganaDeklaracjaDRA()), &IDeklaracja::get_Deklaracje,
                                 u"deklaracje podrzędne DRA");
        return RequireInterface<ICollection>(dzieci.Get(), u"deklaracje podrzędne DRA");
    }

    // The child declaration of the DRA's declaration, with the form type, version, parent and person.
    void Ustaw() {
        ustawiony_ = true;
        if (!dra_) RaiseHResult(E_POINTER);
        deklaracjaDRA_ = ReadObject(dra_.Get(), &IDRA::get_Deklaracja, u"deklaracja DRA");
        tlx::ComPtr<IDispatch> sesjaDRA;
        CheckHost(deklaracjaDRA_->get_Session(sesjaDRA.Out()));
        konfiguracja_ = CreateHostConfiguration(RequireInterface<ISession>(sesjaDRA.Get(), u"sesja deklaracji DRA").Get());
        tlx::ComPtr<IDispatch> nowa;
        CheckHost(DzieciDRA()->AddNew(tlx::Variant::Missing(), nowa.Out()));
        raport_ = RequireInterface<IDeklaracja2>(nowa.Get(), u"deklaracja raportu");
        CheckHost(raport_->put_TypDeklar(N));
        CheckHost(raport_->put_Wersja(NowySchemat() ? 2 : 1));
        CheckHost(raport_->put_Deklaracja(deklaracjaDRA_.Get()));
        // A DRA of the company names no person; its reports then name none either.
        tlx::ComPtr<IDispatch> pracownik;
        const HRESULT hr = deklaracjaDRA_->get_Pracownik(pracownik.Out());
        if (hr == HOST_E_RECORDZERO) return;
        CheckHost(hr);
        CheckHost(raport_->put_Pracownik(pracownik.Get()));
    }

    void GenerujDokument(IDispatch* pracownik, LONG maWyplaty) {
        if (!maDokument_) UtworzDokument();
        try {
            if (WypelnijRaport(pracownik, maWyplaty, dokument_.Get())) maTresc_ = true;
        } catch (const ComError& e) {
            if (e.Code() != kBezBlokow) throw;
        }
    }

    // The document with the report identifier, the payer block copied from the DRA and the date of
    // filling; made once.
    void UtworzDokument() {
        tlx::ComPtr<IKeduPlik> kedu;
        const HRESULT hr = CoCreateInstance(CLSID_KeduComponent, nullptr, CLSCTX_ALL, IID_IKeduPlik, kedu.OutVoid());
        if (FAILED(hr) && hr != E_NOINTERFACE) RaiseHResult(hr);
        auto dokumenty = ReadObject(kedu.Get(), &IKeduPlik::get_Dokumenty, u"komponent KEDU");
        const std::u16string formularz = u"ZUS" + std::u16string(typ_.View());
        tlx::Bstr nazwa(formularz);
        if (NowySchemat())
            CheckHost(dokumenty->AddV(nazwa.Get(), 2, dokument_.Out()));
        else
            CheckHost(dokumenty->Add(nazwa.Get(), dokument_.Out()));
        if (!dokument_) RaiseHResult(E_POINTER);
        maDokument_ = true;
        auto bloki = ReadObject(dokument_.Get(), &IKeduDokument::get_bloki, u"bloki dokumentu KEDU");
        auto blok = [&](std::u16string_view name) {
            tlx::ComPtr<IKeduBlok> b;
            CheckHost(bloki->get_Item(tlx::Variant::FromString(name), b.Out()));
            if (!b) RaiseHResult(E_POINTER);
            return b;
        };
        auto naglowek = blok(u"DO" + std::u16string(typ_.View()));
        CheckHost(naglowek->put_Item(1, 0, tlx::Variant::FromLong(IdentyfikatorRaportu(deklaracjaDRA_.Get()))));
        CheckHost(naglowek->put_Item(2, 0, tlx::Variant::FromLong(1)));
        CDiplBuilder(deklaracjaDRA_.Get()).Fill(blok(u"DIPL").Get());
        auto zrodlo = ReadObject(dra_.Get(), &IDRA::get_Deklaracja, u"deklaracja DRA");
        tlx::Variant data;
        CheckHost(zrodlo->get_Wartosc(tlx::Bstr(kPoleDataWypelnienia).Get(), &data));
        CheckHost(blok(u"OPLR")->put_Item(1, 0, data));
    }

    void UsunRaport() {
        CheckHost(raport_->ResetScript());
        tlx::ComPtr<IDispatch> dispatch;
        CheckHost(raport_->QueryInterface(IID_IDispatch, dispatch.OutVoid()));
        CheckHost(DzieciDRA()->Delete(tlx::Variant::FromDispatch(dispatch.Get())));
    }

    CBstr typ_;
    tlx::ComPtr<IDeklaracja2> deklaracjaDRA_;
    tlx::ComPtr<IKonfiguracja> konfiguracja_;
    tlx::ComPtr<IDRA> dra_;
    bool maTresc_ = false;
    tlx::ComPtr<IDeklaracja2> raport_;
    tlx::ComPtr<IKeduDokument> dokument_;
    bool ustawiony_ = false;
    bool maDokument_ = false;
    LONG generujZeroweRCA_ = 1;
};
