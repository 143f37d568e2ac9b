#include "mv_deklaracje/zus/DraSumy.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/zus/DraHostReads.h"

namespace {

CMoney R(double x) { return CMoney(x); }

// The mean of the average employment the host's procedure reports per person for the month; no row at
// all gives `zapas`.
double SredniaZPCHR(const CDate& od, const CDate& doDnia, double zapas) {
    const std::u16string sql =
        std::u16string(u"DECLARE @D1 DATETIME \t\t\t\t\t\t\t  DECLARE @D2 DATETIME \t\t\t\t\t\t\t  SET @D1 = CONVERT(datetime,") +
        QuoteSqlText(od.FormatSql().c_str(), true).Str() +
        u",120) \t\t\t\t\t\t\t  SET @D2 = CONVERT(datetime," + QuoteSqlText(doDnia.FormatSql().c_str(), true).Str() +
        u",120) \t\t\t\t\t\t\t  exec TLX.ZPCHR @D1 , @D2, 1";
    tlx::ComPtr<Recordset> rows =
        OpenSessionRows(OpenLoginSession().Get(), sql, adUseClient, adOpenUnspecified, adLockBatchOptimistic);
    double suma = 0.0;
    long wiersze = 0;
    for (;;) {
        VARIANT_BOOL eof = VARIANT_TRUE;
        CheckHost(rows->get_EOF(&eof));
        if (eof) break;
        suma += ConvertVariant(ReadRecordsetValue(rows.Get(), u"Tmp_ET_P"), VT_R8).dblVal;
        ++wiersze;
        CheckHost(rows->MoveNext());
    }
    CheckHost(rows->Close());
    return wiersze ? suma / static_cast<double>(wiersze) : zapas;
}

}  // namespace

CDraSumy::CDraSumy(IDeklaracja2* deklaracja, std::map<LONG, CMoney>& sumy, const std::map<LONG, DraOsoba>& rejestr,
                   const DraUstawienia& ustawienia, const DraLiczbaRaportow& raporty)
    : deklaracja_(deklaracja), sumy_(sumy), rejestr_(rejestr), ustawienia_(ustawienia), raporty_(raporty) {
    if (!deklaracja_) RaiseHResult(E_POINTER);
    dokument_ = DeclarationDocument(deklaracja_);
}

CMoney CDraSumy::S(PoleDRAEnum pole) { return sumy_[pole]; }

tlx::ComPtr<IKeduBlok> CDraSumy::Blok(const char16_t* name) { return DocumentBlock(dokument_.Get(), name); }

void CDraSumy::PutAmount(IKeduBlok* blok, LONG pozycja, const CMoney& value) {
    CheckHost(blok->put_Item(pozycja, 0, value.ToVariant()));
}
void CDraSumy::PutDouble(IKeduBlok* blok, LONG pozycja, double value) {
    CheckHost(blok->put_Item(pozycja, 0, tlx::Variant::FromDouble(value)));
}
void CDraSumy::PutLong(IKeduBlok* blok, LONG pozycja, LONG value) {
    CheckHost(blok->put_Item(pozycja, 0, tlx::Variant::FromLong(value)));
}
void CDraSumy::Pole(const char16_t* name, const CMoney& value) {
    CheckHost(deklaracja_->put_Wartosc(tlx::Bstr(name).Get(), value.ToVariant()));
}

void CDraSumy::SumujWartosci(LONG wersja) {
    Inn7();
    const CMoney t = Zsdrai(false);
    // Versions 1 and 2 of the form have neither field.
    if (wersja >= 3) {
        Pole(u"KWOTAFEP", S(draSklFep));
        Pole(u"SKLADKAZDROWOTNAFIRMA", S(draSklZdrowFirma));
    }
    const CMoney d = Zwdra(false);
    const CMoney p = Rivdra(t, d);
    tlx::ComPtr<IKeduBlok> zsdra = Blok(u"ZSDRA");
    const CMoney h = ustawienia_.WynagrodzenieZdrowotne.AsCurrency().int64 != 0
                         ? R(ustawienia_.WynagrodzenieZdrowotne.AsDouble() * D(draPodstZdrowWyn) / 100.0)
                         : CMoney();
    const CMoney q = R(D(draZdrowPlatnik) + D(draZdrowFK) - h.AsDouble());
    PutAmount(zsdra.Get(), 1, S(draZdrowPlatnik));
    PutAmount(zsdra.Get(), 2, S(draZdrowFK));
    PutAmount(zsdra.Get(), 3, h);
    PutAmount(zsdra.Get(), 4, q);
    const CMoney f = Zdrav();
    PutDouble(Blok(u"LSKD").Get(), 1, p.AsDouble() + q.AsDouble() + f.AsDouble());
    Opls();
}

void CDraSumy::SumujWartosciV4() {
    Inn7();
    const CMoney t = Zsdrai(true);
    Pole(u"KWOTAFEP", S(draSklFep));
    Pole(u"SKLADKACHORUBEZB", S(draChorUbezp));
    Pole(u"SKLADKACHORPLATNIK", S(draChorPlatnik));
    Pole(u"SKLADKAWYPADBUDZET", S(draWypadBudzet));
    Pole(u"SKLADKAWYPADUBEZP", S(draWypadUbezp));
    Pole(u"SKLADKAEMERPLATNIK", S(draEmerPlatnik));
    Pole(u"SKLADKARENTUBEZP", S(draRentUbezp));
    const CMoney d = Zwdra(true);
    const CMoney p = Rivdra(t, d);
    tlx::ComPtr<IKeduBlok> zsdra = Blok(u"ZSDRA");
    PutAmount(zsdra.Get(), 2, S(draPodstZdrowWyn));
    PutAmount(zsdra.Get(), 3, S(draZdrowPlatnik));
    PutAmount(zsdra.Get(), 4, S(draZdrowBudzet));
    Pole(u"SKLADKAZDROWOTNAFIRMA", S(draZdrowBudzet));
    Pole(u"SKLADKAZDROWOTNAFIRMA2", S(draZdrowPlatnik));
    Pole(u"SKLADKAZDROWUBEZP", S(draPodstZdrowWyn));
    const CMoney q = R(D(draPodstZdrowWyn) + D(draZdrowPlatnik));
    const CMoney f = Zdrav();
    PutDouble(Blok(u"LSKD").Get(), 1, p.AsDouble() + q.AsDouble() + f.AsDouble());
    Opls();
}

void CDraSumy::Inn7() {
    double sumaWymiarow = 0.0;
    for (const auto& [id, osoba] : rejestr_)
        if (osoba.wymiar != 0.0) sumaWymiarow += osoba.wymiar;
    const double srednia = SredniaZatrudnienia(sumaWymiarow);
    const LONG rok = ReadDeclarationLong(deklaracja_, &IDeklaracja::get_Rok);
    const LONG miesiac = ReadDeclarationLong(deklaracja_, &IDeklaracja::get_Miesiac);
    tlx::ComPtr<IKeduBlok> inn7 = Blok(u"INN7");
    PutLong(inn7.Get(), 1, static_cast<LONG>(rejestr_.size()));
    if (miesiac >= 1 && rok >= 2008) {
        PutLong(inn7.Get(), 2, 0);
        PutLong(inn7.Get(), 3, 0);
    } else {
        PutDouble(inn7.Get(), 2, srednia);
        PutLong(inn7.Get(), 3, ustawienia_.StatusRefundacji);
    }
    PutAmount(inn7.Get(), 4, ustawienia_.ProcentWypad);
}

// A DRA of one person counts no average employment; any other runs the host's query over the month.
double CDraSumy::SredniaZatrudnienia(double sumaWymiarow) {
    tlx::ComPtr<IDispatch> person;
    const HRESULT hr = deklaracja_->get_Pracownik(person.Out());
    if (SUCCEEDED(hr)) return 0.0;
    if (hr != kHostMissingRecord) CheckHost(hr);
    const int rok = ReadDeclarationLong(deklaracja_, &IDeklaracja::get_Rok);
    const int miesiac = ReadDeclarationLong(deklaracja_, &IDeklaracja::get_Miesiac);
    return SredniaZPCHR(CDate(miesiac, 1, rok), CDate(miesiac + 1, 0, rok), sumaWymiarow);
}

CMoney CDraSumy::Zsdrai(bool v4) {
    tlx::ComPtr<IKeduBlok> b = Blok(u"ZSDRAI");
    IKeduBlok* z = b.Get();
    const CMoney p1 = R(D(draEmerPlatnik) + D(draEmerUbezp) + D(draEmerBudzet) + D(draEmerPFRON) + D(draEmerFK));
    const CMoney p2 = R(D(draRentPlatnik) + D(draRentUbezp) + D(draRentBudzet) + D(draRentPFRON) + D(draRentFK));
    PutAmount(z, 1, p1);
    PutAmount(z, 2, p2);
    PutDouble(z, 3, p1.AsDouble() + p2.AsDouble());
    PutAmount(z, 4, S(draEmerUbezp));
    PutAmount(z, 5, S(draRentUbezp));
    const CMoney p6 = R(D(draRentUbezp) + D(draEmerUbezp));
    PutAmount(z, 6, p6);
    PutAmount(z, 7, S(draEmerPlatnik));
    PutAmount(z, 8, S(draRentPlatnik));
    const CMoney p9 = R(D(draRentPlatnik) + D(draEmerPlatnik));
    PutAmount(z, 9, p9);
    PutAmount(z, 10, S(draEmerBudzet));
    PutAmount(z, 11, S(draRentBudzet));
    PutDouble(z, 12, D(draRentBudzet) + D(draEmerBudzet));
    if (v4) {
        PutAmount(z, 13, S(draChorPlatnik));
        PutAmount(z, 14, S(draWypadPlatnik));
        PutAmount(z, 15, R(D(draWypadPlatnik) + D(draChorPlatnik)));
    } else {
        PutAmount(z, 13, S(draEmerPFRON));
        PutAmount(z, 14, S(draRentPFRON));
        PutDouble(z, 15, D(draRentPFRON) + D(draEmerPFRON));
    }
    PutAmount(z, 16, S(draEmerFK));
    PutAmount(z, 17, S(draRentFK));
    PutDouble(z, 18, D(draRentFK) + D(draEmerFK));
    const CMoney p19 = R(D(draChorUbezp) + D(draChorPlatnik) + D(draChorPFRON) + D(draChorFK));
    const double wypad = D(draWypadPlatnik) + D(draWypadUbezp) + D(draWypadPFRON) + D(draWypadFK);
    const CMoney p20 = R(v4 ? wypad + D(draWypadBudzet) : wypad);
    PutAmount(z, 19, p19);
    PutAmount(z, 20, p20);
    PutDouble(z, 21, p19.AsDouble() + p20.AsDouble());
    CMoney p24, p26or27;
    if (v4) {
        PutAmount(z, 22, S(draChorUbezp));
        PutAmount(z, 23, S(draWypadUbezp));
        p24 = R(D(draChorUbezp) + D(draWypadUbezp));
        PutAmount(z, 24, p24);
        PutAmount(z, 25, S(draChorPlatnik));
        PutAmount(z, 26, S(draWypadPlatnik));
        p26or27 = R(D(draWypadPlatnik) + D(draChorPlatnik));
        PutAmount(z, 27, p26or27);
        PutAmount(z, 28, S(draChorBudzet));
        PutAmount(z, 29, S(draWypadBudzet));
        PutAmount(z, 30, R(D(draWypadBudzet) + D(draChorBudzet)));
        PutAmount(z, 31, S(draWypadFK));
    } else {
        const CMoney p22 = R(D(draChorUbezp) + D(draChorPlatnik) + D(draChorFK));
        PutAmount(z, 22, p22);
        PutAmount(z, 23, S(draWypadUbezp));
        p24 = R(p22.AsDouble() + D(draWypadUbezp));
        PutAmount(z, 24, p24);
        PutAmount(z, 25, S(draWypadPlatnik));
        p26or27 = S(draWypadPlatnik);
        PutAmount(z, 26, p26or27);
        PutAmount(z, 27, S(draChorPFRON));
        PutAmount(z, 28, S(draWypadPFRON));
        PutDouble(z, 29, D(draWypadPFRON) + D(draChorPFRON));
        PutAmount(z, 30, S(draWypadFK));
        PutAmount(z, 31, S(draWypadFK));
    }
    const CMoney p32 = R(p9.AsDouble() + p6.AsDouble() + p24.AsDouble() + p26or27.AsDouble());
    PutAmount(z, 32, p32);
    return p32;
}

CMoney CDraSumy::Zwdra(bool v4) {
    const CMoney& stawka = ustawienia_.WynagrodzenieChorobowe;
    const CMoney w = stawka.AsCurrency().int64 != 0 ? R(D(draSwiadczeniaChor) * stawka.AsDouble() / 100.0) : CMoney();
    tlx::ComPtr<IKeduBlok> z = Blok(u"ZWDRA");
    PutAmount(z.Get(), 1, S(draSwiadczeniaChor));
    PutAmount(z.Get(), 2, w);
    PutAmount(z.Get(), 3, S(draSwiadczeniaWypad));
    PutAmount(z.Get(), 4, S(draSwiadczeniaBudzet));
    // The payer's remuneration for paying the benefits is added to the deductions.
    const CMoney d = R(w.AsDouble() + D(draSwiadczeniaChor) + D(draSwiadczeniaWypad) + D(draSwiadczeniaBudzet));
    PutAmount(z.Get(), 5, d);
    if (v4) {
        Pole(u"ZASUBEZPCHOR", S(draSwiadczeniaChor));
        Pole(u"ZASUBEZPWYPAD", S(draSwiadczeniaWypad));
    }
    return d;
}

CMoney CDraSumy::Rivdra(const CMoney& t, const CMoney& d) {
    tlx::ComPtr<IKeduBlok> r = Blok(u"RIVDRA");
    if (t.AsCurrency().int64 >= d.AsCurrency().int64) {
        const CMoney p = R(t.AsDouble() - d.AsDouble());
        PutAmount(r.Get(), 2, p);
        return p;
    }
    PutDouble(r.Get(), 1, d.AsDouble() - t.AsDouble());
    return CMoney();
}

CMoney CDraSumy::Zdrav() {
    CMoney fp = S(draPodstawaFP), fgsp = S(draPodstawaFGSP);
    if (ustawienia_.SklFPiFGSPOdSumyPodstaw) {
        fp = R(ustawienia_.ProcentFP.AsDouble() * D(draPodstawaFP) / 100.0);
        fgsp = R(ustawienia_.ProcentFGSP.AsDouble() * D(draPodstawaFGSP) / 100.0);
    }
    const CMoney f = R(fp.AsDouble() + fgsp.AsDouble());
    tlx::ComPtr<IKeduBlok> z = Blok(u"ZDRAV");
    PutAmount(z.Get(), 1, fp);
    PutAmount(z.Get(), 2, fgsp);
    PutAmount(z.Get(), 3, f);
    return f;
}

void CDraSumy::Opls() {
    tlx::ComPtr<IKeduBlok> o = Blok(u"OPLS");
    LONG suma = 0;
    for (int i = 0; i < kRaportowRodzajow; ++i) {
        PutLong(o.Get(), i + 1, static_cast<LONG>(raporty_[i]));
        suma += static_cast<LONG>(raporty_[i]);
    }
    PutLong(o.Get(), 6, suma);
}
