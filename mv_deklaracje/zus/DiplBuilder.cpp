#include "mv_deklaracje/zus/DiplBuilder.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/zus/ZusSetting.h"
#include "mv_deklaracje/zus/ZusText.h"
#include "platform/com/Bstr.h"
#include "platform/com/VariantConversion.h"

namespace {

constexpr char16_t kNazwaFirmyNaDeklaracji[] = u"/Firma/Płace/ZUS/Nazwa firmy na deklaracji";
constexpr char16_t kRegonWlasciciela[] = u"/Firma/Płace/ZUS/REGON DRA Wlasciciel";
// The payer is a natural person exactly when "Osoba fizyczna" is this text.
constexpr char16_t kOsobaFizyczna[] = u"1";

void Put(IKeduBlok* blok, LONG position, tlx::Variant value) {
    CheckHost(blok->put_Item(position, 0, value));
}

void PutText(IKeduBlok* blok, LONG position, const CBstr& text) {
    tlx::Variant value;
    value.vt = VT_BSTR;
    value.bstrVal = text.Copy();
    Put(blok, position, std::move(value));
}

CBstr TextOf(HRESULT (IPracEtat::*get)(BSTR*), IPracEtat* etat) {
    tlx::Bstr text;
    CheckHost((etat->*get)(text.Out()));
    return CBstr(text.Get());
}

}  // namespace

CDiplBuilder::CDiplBuilder(IKonfiguracja* konfiguracja, IPracEtat* etat, bool regonWlasciciela)
    : konfiguracja_(konfiguracja), etat_(etat), regonWlasciciela_(regonWlasciciela) {
    nazwaFirmyNaDeklaracji_ = ReadFlag(kNazwaFirmyNaDeklaracji);
}

CDiplBuilder::CDiplBuilder(IDeklaracja2* zrodlo) : zrodlo_(zrodlo) {}

CBstr CDiplBuilder::GetConfigText(const OLECHAR* key) const {
    if (!konfiguracja_) RaiseHResult(E_POINTER);
    tlx::Bstr text;
    CheckHost(konfiguracja_->GetValue(tlx::Bstr(key).Get(), text.Out()));
    return CBstr(text.Get());
}

bool CDiplBuilder::ReadFlag(const OLECHAR* key) const {
    if (!konfiguracja_) RaiseHResult(E_POINTER);
    tlx::ComPtr<IParametr> parametr;
    CheckHost(konfiguracja_->GetParametr(tlx::Bstr(key).Get(), 0.0, parametr.Out()));
    if (!parametr) RaiseHResult(E_POINTER);
    tlx::Variant value;
    CheckHost(parametr->get_Value(value.Out()));
    return SettingFlagValue(key, value);
}

bool CDiplBuilder::IsNaturalPerson() const { return GetConfigText(u"Osoba fizyczna") == kOsobaFizyczna; }

bool CDiplBuilder::RegonAllowed() const { return !regonWlasciciela_ || ReadFlag(kRegonWlasciciela); }

void CDiplBuilder::Fill(IKeduBlok* blok) {
    if (zrodlo_)
        FillCopy(blok);
    else
        FillComputed(blok);
}

void CDiplBuilder::FillCopy(IKeduBlok* blok) {
    if (!blok || !zrodlo_) RaiseHResult(E_POINTER);
    tlx::Variant value;
    CheckHost(zrodlo_->get_Wartosc(tlx::Bstr(u"Dokument").Get(), value.Out()));
    tlx::ComPtr<IKeduDokument> dokument;
    if (value.vt == VT_DISPATCH && value.pdispVal)
        value.pdispVal->QueryInterface(IKeduDokument::kIid, dokument.OutVoid());
    else if (value.vt == VT_UNKNOWN && value.punkVal)
        value.punkVal->QueryInterface(IKeduDokument::kIid, dokument.OutVoid());
    if (!dokument) RaiseHResult(E_POINTER);
    tlx::ComPtr<IKeduBloki> bloki;
    CheckHost(dokument->get_bloki(bloki.Out()));
    if (!bloki) RaiseHResult(E_POINTER);
    tlx::ComPtr<IKeduBlok> dipl;
    CheckHost(bloki->get_Item(tlx::Variant::FromString(u"DIPL"), dipl.Out()));
    if (!dipl) RaiseHResult(E_POINTER);
    for (LONG position = 1; position <= 9; ++position) {
        tlx::Variant cell;
        CheckHost(dipl->get_Item(position, 0, cell.Out()));
        Put(blok, position, std::move(cell));
    }
}

void CDiplBuilder::FillComputed(IKeduBlok* blok) {
    if (!blok) RaiseHResult(E_POINTER);
    if (etat_)
        PutPersonPath(blok);
    else
        PutCompanyPath(blok);
}

void CDiplBuilder::PutPersonPath(IKeduBlok* blok) {
    IPracEtat* etat = etat_.Get();
    PutText(blok, 1, DeformatNIP(TextOf(&IPracEtat::get_NipE, etat)));
    PutText(blok, 2, RegonAllowed() ? GetConfigText(u"REGON") : CBstr(u""));
    PutText(blok, 3, TextOf(&IPracEtat::get_Pesel, etat));
    if (CBstr dowod = TextOf(&IPracEtat::get_DowOsobisty, etat); !dowod.IsEmpty()) {
        PutText(blok, 4, CBstr(u"1"));
        PutText(blok, 5, dowod);
    } else if (CBstr paszport = TextOf(&IPracEtat::get_Paszport, etat); !paszport.IsEmpty()) {
        PutText(blok, 4, CBstr(u"2"));
        PutText(blok, 5, paszport);
    }
    if (nazwaFirmyNaDeklaracji_) PutText(blok, 6, UpperCaseName(GetConfigText(u"FirmaNazwaSkroconaZUS")));
    PutText(blok, 7, UpperCaseName(TextOf(&IPracEtat::get_Nazwisko, etat)));
    PutText(blok, 8, UpperCaseName(TextOf(&IPracEtat::get_Imie1, etat)));
    DATE urodzony = 0;
    CheckHost(etat->get_DataUr(&urodzony));
    Put(blok, 9, CDate(urodzony).ToVariant());
}

void CDiplBuilder::PutCompanyPath(IKeduBlok* blok) {
    PutText(blok, 1, DeformatNIP(GetConfigText(u"NIP")));
    const bool regon = RegonAllowed() || !IsNaturalPerson();
    PutText(blok, 2, regon ? GetConfigText(u"REGON") : CBstr(u""));
    if (IsNaturalPerson()) {
        PutText(blok, 3, GetConfigText(u"PESEL"));
        PutConfigDocument(blok);
        PutText(blok, 6, UpperCaseName(GetConfigText(u"FirmaNazwaSkroconaZUS")));
        PutText(blok, 7, UpperCaseName(GetConfigText(u"Nazwisko")));
        PutText(blok, 8, UpperCaseName(GetConfigText(u"Imię")));
        PutConfigBirthDate(blok);
    } else {
        PutText(blok, 6, UpperCaseName(GetConfigText(u"FirmaNazwaSkroconaZUS")));
    }
}

void CDiplBuilder::FillFromCompany(IKeduBlok* blok) {
    if (!blok) RaiseHResult(E_POINTER);
    const CBstr pesel = GetConfigText(u"FirmaPESEL");
    const CBstr nip = GetConfigText(u"FirmaNIP");
    const CBstr regon = GetConfigText(u"FirmaREGON");
    PutText(blok, 1, DeformatNIP(nip));
    PutText(blok, 2, regon);
    if (IsNaturalPerson()) {
        PutText(blok, 3, pesel);
        PutConfigDocument(blok);
        PutText(blok, 6, UpperCaseName(GetConfigText(u"FirmaNazwaSkroconaZUS")));
        PutText(blok, 7, UpperCaseName(GetConfigText(u"Nazwisko")));
        PutText(blok, 8, UpperCaseName(GetConfigText(u"Imię")));
        PutConfigBirthDate(blok);
    } else {
        PutText(blok, 6, UpperCaseName(GetConfigText(u"FirmaNazwaSkroconaZUS")));
    }
}

void CDiplBuilder::PutConfigDocument(IKeduBlok* blok) const {
    if (CBstr dowod = GetConfigText(u"Dowód osobisty"); !dowod.IsEmpty()) {
        PutText(blok, 4, CBstr(u"1"));
        PutText(blok, 5, dowod);
    } else if (CBstr paszport = GetConfigText(u"Paszport"); !paszport.IsEmpty()) {
        PutText(blok, 4, CBstr(u"2"));
        PutText(blok, 5, paszport);
    }
}

void CDiplBuilder::PutConfigBirthDate(IKeduBlok* blok) const {
    const CBstr text = GetConfigText(u"Data urodzenia");
    if (text.IsEmpty()) return;
    CDate urodzony;
    try {
        urodzony = CDate(text.c_str());
    } catch (const ComError& e) {
        // The conversion answers only its code; the message names the setting and its text.
        RaiseComError(e.Code(), u"Ustawienie \"Data urodzenia\" nie jest datą: " + text.Str());
    }
    Put(blok, 9, urodzony.ToVariant());
}
