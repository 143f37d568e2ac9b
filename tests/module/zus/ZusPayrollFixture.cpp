#include "ZusPayrollFixture.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "hostapi/Employees.h"
#include "platform/com/Bstr.h"
#include "platform/text/CodePage.h"

namespace {

std::u16string Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }
std::u16string Number(LONG value) { return Ascii(std::to_string(value)); }
std::u16string Number(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return Ascii(text);
}

std::u16string DateOrNull(std::u16string_view day) {
    return day.empty() ? u"NULL" : u"'" + std::u16string(day) + u" 00:00:00'";
}

double Grosze(double x) { return std::floor(x * 100.0 + 0.5) / 100.0; }

}  // namespace

void ZusPayrollTest::AddEmployee(LONG id, std::u16string_view od, LONG tytul, std::u16string_view pesel,
                                 LONG licznik, LONG mianownik, LONG parent) {
    Execute(u"INSERT INTO TLX.PracKod (Pra_PraID, Pra_Kod, Pra_ParentID) VALUES (" + Number(id) + u", 'P" +
            Number(id) + u"', " + (parent ? Number(parent) : u"NULL") + u")");
    Execute(u"INSERT INTO TLX.PracEtaty (PRE_PreId, PRE_PraId, PRE_DataOd, PRE_DataDo, PRE_Nazwisko, PRE_Imie1, "
            u"PRE_Pesel, PRE_UBZTyuId, PRE_ETAEtatL, PRE_ETAEtatM, PRE_ETAEtatM2, PRE_ZatrudnionyOd) VALUES (" +
            Number(id * 10) + u", " + Number(id) + u", " + DateOrNull(od) + u", NULL, 'Nowak', 'Anna', '" +
            std::u16string(pesel) + u"', " + Number(tytul) + u", " + Number(licznik) + u", " + Number(mianownik) +
            u", " + Number(mianownik) + u", " + DateOrNull(od) + u")");
}

void ZusPayrollTest::CooperatesWith(LONG card, LONG owner) {
    Execute(u"UPDATE TLX.PracKod SET Pra_WlascicielID = " + Number(owner) + u" WHERE Pra_PraID = " + Number(card));
}

void ZusPayrollTest::AddRecord(LONG id, LONG card, std::u16string_view od, std::u16string_view doDnia,
                               std::u16string_view zatrOd, std::u16string_view zatrDo, LONG tytul) {
    Execute(u"INSERT INTO TLX.PracEtaty (PRE_PreId, PRE_PraId, PRE_DataOd, PRE_DataDo, PRE_Nazwisko, PRE_Imie1, "
            u"PRE_UBZTyuId, PRE_ZatrudnionyOd, PRE_ZatrudnionyDo) VALUES (" +
            Number(id) + u", " + Number(card) + u", " + DateOrNull(od) + u", " + DateOrNull(doDnia) +
            u", 'Nowak', 'Anna', " + Number(tytul) + u", " + DateOrNull(zatrOd) + u", " + DateOrNull(zatrDo) + u")");
}

LONG ZusPayrollTest::AddPayout(LONG card, int year, int month, LONG tryb) {
    const std::u16string where = u" WHERE LPL_Rok = " + Number(static_cast<LONG>(year)) +
                                 u" AND LPL_Miesiac = " + Number(static_cast<LONG>(month));
    if (Scalar(u"SELECT COUNT(*) FROM TLX.ListyPlac" + where) == u"0")
        Execute(u"INSERT INTO TLX.ListyPlac (LPL_Rok, LPL_Miesiac, LPL_Nazwa) VALUES (" +
                Number(static_cast<LONG>(year)) + u", " + Number(static_cast<LONG>(month)) + u", 'Lista')");
    const std::u16string list = Scalar(u"SELECT LPL_LplId FROM TLX.ListyPlac" + where);
    Execute(u"INSERT INTO TLX.Wyplaty (WPL_PraId, WPL_LplId, WPL_Rok, WPL_Miesiac, WPL_Tryb) VALUES (" +
            Number(card) + u", " + list + u", " + Number(static_cast<LONG>(year)) + u", " +
            Number(static_cast<LONG>(month)) + u", " + Number(tryb) + u")");
    return std::stol(tlx::Utf16ToUtf8(Scalar(u"SELECT MAX(WPL_WplId) FROM TLX.Wyplaty")));
}

LONG ZusPayrollTest::TypeFor(LONG kodSwiadczenia) {
    // Wages have type number 0; a benefit of code n has the number n + 1.
    const LONG numer = kodSwiadczenia == 0 ? 0 : kodSwiadczenia + 1;
    const std::u16string where = u" WHERE TWP_Numer = " + Number(numer);
    if (Scalar(u"SELECT COUNT(*) FROM TLX.TypWyplata" + where) == u"0") {
        if (kodSwiadczenia != 0 && Scalar(u"SELECT COUNT(*) FROM TLX.KodySwiadczen WHERE Pdz_PdzId = " +
                                          Number(kodSwiadczenia)) == u"0")
            Execute(u"INSERT INTO TLX.KodySwiadczen (Pdz_PdzId, Pdz_Kod, Pdz_Nazwa) VALUES (" + Number(kodSwiadczenia) +
                    u", " + Number(kodSwiadczenia) + u", 'Kod')");
        Execute(u"INSERT INTO TLX.TypWyplata (TWP_PdzId, TWP_Nazwa, TWP_Numer) VALUES (" +
                (kodSwiadczenia ? Number(kodSwiadczenia) : u"NULL") + u", 'Typ', " + Number(numer) + u")");
    }
    return std::stol(tlx::Utf16ToUtf8(Scalar(u"SELECT TWP_TwpId FROM TLX.TypWyplata" + where)));
}

LONG ZusPayrollTest::AddElement(LONG payout, double kwota, LONG kodTytulu, const std::array<double, 20>& zus,
                                LONG kodSwiadczenia) {
    std::u16string columns = u"WPE_WplId, WPE_TwpId, WPE_Wartosc, WPE_KodTytulu, WPE_ZusZnacznik";
    std::u16string values = Number(payout) + u", " + Number(TypeFor(kodSwiadczenia)) + u", " + Number(kwota) +
                            u", " + Number(kodTytulu) + u", 0";
    for (int n = 1; n <= 20; ++n) {
        columns += u", WPE_Kwota" + Number(static_cast<LONG>(n));
        values += u", " + Number(zus[static_cast<std::size_t>(n - 1)]);
    }
    Execute(u"INSERT INTO TLX.WypElementy (" + columns + u") VALUES (" + values + u")");
    return std::stol(tlx::Utf16ToUtf8(Scalar(u"SELECT MAX(WPE_WpeId) FROM TLX.WypElementy")));
}

tlx::ComPtr<IPracownik> ZusPayrollTest::Employee(LONG id) {
    tlx::ComPtr<IDispatch> object;
    EXPECT_EQ(session_->CreateObject(tlx::Bstr(kProgIdPracownicy).Get(), tlx::Variant::FromString(tlx::Utf8ToUtf16(std::to_string(id))), object.Out()), S_OK);
    return object.As<IPracownik>();
}

tlx::ComPtr<IKeduDokument> ZusPayrollTest::Document(std::u16string_view form) {
    auto plik = Create(kProgIdKedu).As<IKeduPlik>();
    tlx::ComPtr<IKeduDokumenty> dokumenty;
    EXPECT_EQ(plik->get_Dokumenty(dokumenty.Out()), S_OK);
    tlx::ComPtr<IKeduDokument> dokument;
    EXPECT_EQ(dokumenty->Add(tlx::Bstr(form).Get(), dokument.Out()), S_OK);
    return dokument;
}

tlx::ComPtr<IKeduBlok> ZusPayrollTest::AppendBlock(IKeduDokument* document) {
    tlx::ComPtr<IKeduBloki> bloki;
    EXPECT_EQ(document->get_bloki(bloki.Out()), S_OK);
    tlx::ComPtr<IKeduBlok> blok;
    EXPECT_EQ(bloki->Add(blok.Out()), S_OK);
    return blok;
}

std::u16string ZusPayrollTest::Text(IKeduDokument* document) {
    tlx::Bstr text;
    EXPECT_EQ(document->ToString(text.Out()), S_OK);
    return text.Get() ? std::u16string(text.Get()) : std::u16string();
}

std::array<double, 20> ZusPayrollTest::Employee2016(double brutto) {
    std::array<double, 20> z{};
    for (int n : {1, 2, 3, 4, 5, 6}) z[n - 1] = brutto;
    z[7] = Grosze(brutto * 0.0976);   // 8 pension, insured
    z[8] = Grosze(brutto * 0.0976);   // 9 pension, payer
    z[9] = Grosze(brutto * 0.015);    // 10 disability, insured
    z[10] = Grosze(brutto * 0.065);   // 11 disability, payer
    z[11] = Grosze(brutto * 0.0245);  // 12 sickness
    z[13] = 0.0;                      // 14 accident, insured
    z[14] = Grosze(brutto * 0.018);   // 15 accident, payer
    const double zdrowotnaPodstawa = brutto - z[7] - z[9] - z[11];
    z[6] = zdrowotnaPodstawa;                           // 7 health base
    z[15] = Grosze(zdrowotnaPodstawa * 0.0775);         // 16 deductible
    z[17] = Grosze(zdrowotnaPodstawa * 0.09) - z[15];   // 18 the rest
    return z;
}

std::vector<std::string> ZusPayrollTest::PersonBlock(IKeduDokument* document, int n) {
    std::istringstream text(tlx::Utf16ToUtf8(Text(document)));
    std::vector<std::string> lines;
    std::string line;
    int seen = 0;
    bool inside = false;
    while (std::getline(text, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("<DDOR", 0) == 0) {
            inside = ++seen == n;
            continue;
        }
        if (line.rfind("</DDOR", 0) == 0) inside = false;
        else if (inside) lines.push_back(line);
    }
    return lines;
}
