#include "mv_deklaracje/core/FirmaCfgRO.h"

#include "hostapi/Subjects.h"
#include "mv_deklaracje/core/HostLookups.h"

namespace {
// The payer kind of a company that is a natural person.
constexpr char16_t kNaturalPerson[] = u"1";
}  // namespace

HRESULT CFirmaCfgRO::get_NIP(BSTR* value) { return AnswerText(value, u"FirmaNIP"); }

HRESULT CFirmaCfgRO::get_RodzajPlatnika(BSTR* value) {
    return ComBoundary([&] {
        RequireOut(value);
        *value = RodzajPlatnika().Copy();
    });
}

// The full name; for a natural person followed by the first name and the date of birth, as the
// configuration holds them, each after one blank.
HRESULT CFirmaCfgRO::get_Nazwa(BSTR* value) {
    return ComBoundary([&] {
        RequireOut(value);
        CBstr name = GetText(CBstr(u"FirmaNazwaPelna"));
        if (RodzajPlatnika() == kNaturalPerson)
            name = CBstr(name.Str() + u" " + GetText(CBstr(u"FirmaImie")).Str() + u" " +
                         GetText(CBstr(u"FirmaDataUr")).Str());
        *value = name.Copy();
    });
}

HRESULT CFirmaCfgRO::get_Kraj(BSTR* value) { return AnswerText(value, u"FirmaKraj"); }
HRESULT CFirmaCfgRO::get_Wojewodztwo(BSTR* value) { return AnswerText(value, u"FirmaWojewodztwo"); }
HRESULT CFirmaCfgRO::get_Powiat(BSTR* value) { return AnswerText(value, u"FirmaPowiat"); }
HRESULT CFirmaCfgRO::get_Gmina(BSTR* value) { return AnswerText(value, u"FirmaGmina"); }
HRESULT CFirmaCfgRO::get_Ulica(BSTR* value) { return AnswerText(value, u"FirmaUlica"); }
HRESULT CFirmaCfgRO::get_Nr_domu(BSTR* value) { return AnswerText(value, u"FirmaNrDomu"); }
HRESULT CFirmaCfgRO::get_Nr_Lokalu(BSTR* value) { return AnswerText(value, u"FirmaNrLokalu"); }
HRESULT CFirmaCfgRO::get_Miasto(BSTR* value) { return AnswerText(value, u"FirmaMiejscowosc"); }
HRESULT CFirmaCfgRO::get_KodPocztowy(BSTR* value) { return AnswerText(value, u"FirmaKodP"); }
HRESULT CFirmaCfgRO::get_Poczta(BSTR* value) { return AnswerText(value, u"FirmaPoczta"); }
HRESULT CFirmaCfgRO::get_ImieP(BSTR* value) { return AnswerText(value, u"FirmaImiePrzedst"); }
HRESULT CFirmaCfgRO::get_NazwiskoP(BSTR* value) { return AnswerText(value, u"FirmaNazwiskoPrzedst"); }
HRESULT CFirmaCfgRO::get_UrzadSkarbowy(IDispatch** office) { return AnswerUrzad(office, u"FirmaUrzadSkarbowy"); }
HRESULT CFirmaCfgRO::get_TypDzialalnosciPodstawowej(BSTR* value) { return AnswerText(value, u"FirmaTypDzial"); }
HRESULT CFirmaCfgRO::get_GeneracjaKorekcyjnaVAT7(LONG* value) { return AnswerLong(value, u"GeneracjaKorekcyjnaVAT7"); }
HRESULT CFirmaCfgRO::get_RejestrDlaGeneracjiKorekcyjnej(BSTR* value) {
    return AnswerText(value, u"RejestrDlaGeneracjiKorekcyjnej");
}
HRESULT CFirmaCfgRO::get_UrzadSkarbowyPIT8A(IDispatch** office) {
    return AnswerUrzad(office, u"FirmaUrzadSkarbowyPIT8A");
}
HRESULT CFirmaCfgRO::get_RodzajKsiegowosci(LONG* value) { return AnswerLong(value, u"RodzajKsiegowosci"); }
HRESULT CFirmaCfgRO::get_TypDokumentuDlaDeklaracji(LONG* value) {
    return AnswerLong(value, u"TypDokumentuDlaDeklaracji");
}
HRESULT CFirmaCfgRO::get_FormaPlatnosciDlaDeklaracji(LONG* value) {
    return AnswerLong(value, u"FormaPlatnosciDlaDeklaracji");
}
HRESULT CFirmaCfgRO::get_ImiePCIT8(BSTR* value) { return AnswerText(value, u"FirmaImiePrzedstCIT8"); }
HRESULT CFirmaCfgRO::get_NazwiskoPCIT8(BSTR* value) { return AnswerText(value, u"FirmaNazwiskoPrzedstCIT8"); }

CBstr CFirmaCfgRO::GetText(const CBstr& key) {
    if (!configuration_) configuration_ = CreateHostConfiguration(GetSession().Get());
    tlx::Bstr value;
    CheckHost(configuration_->GetValue(tlx::Bstr(key.View()).Get(), value.Out()));
    return CBstr(value.View());
}

long CFirmaCfgRO::GetLong(const CBstr& key) {
    const CBstr text = GetText(key);
    if (text.IsEmpty()) return 0;
    return ConvertVariant(tlx::Variant::FromString(text.View()), VT_I4).lVal;
}

tlx::ComPtr<IUrzad> CFirmaCfgRO::GetUrzad(const CBstr& key) {
    const long id = GetLong(key);
    if (id == 0) return nullptr;
    tlx::ComPtr<ISession2> session = GetSession().As<ISession2>();
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDispatch> office;
    CheckHost(session->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_CUrzad)).Get(),
                                    tlx::Variant::FromString(u"Urz_UrzID=" + LongToString(id).Str()), office.Out()));
    tlx::ComPtr<IUrzad> answer;
    if (office) CheckHost(office.As(answer));
    return answer;
}

CBstr CFirmaCfgRO::RodzajPlatnika() {
    const CBstr kind = GetText(CBstr(u"FirmaOsobaFizyczna"));
    return kind.IsEmpty() ? CBstr(u"0") : kind;
}

HRESULT CFirmaCfgRO::AnswerText(BSTR* out, const OLECHAR* key) {
    return ComBoundary([&] {
        RequireOut(out);
        *out = GetText(CBstr(key)).Copy();
    });
}

HRESULT CFirmaCfgRO::AnswerLong(LONG* out, const OLECHAR* key) {
    return ComBoundary([&] {
        RequireOut(out);
        *out = GetLong(CBstr(key));
    });
}

HRESULT CFirmaCfgRO::AnswerUrzad(IDispatch** out, const OLECHAR* key) {
    return ComBoundary([&] {
        RequireOut(out);
        *out = nullptr;
        *out = GetUrzad(CBstr(key)).Detach();
    });
}
