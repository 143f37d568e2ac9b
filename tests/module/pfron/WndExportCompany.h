// The WN-D company of the export tests: a WN-D of either generation with the employer's texts the golden
// documents hold, and INF-D-P attachments filled as the golden documents expect.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "SodExportCompany.h"

namespace pfron_test {

inline tlx::Variant Text(const char16_t* text) { return tlx::Variant::FromString(text); }

class WndExportCompany : public SodExportCompany {
protected:

    long AddWnd(long version, long yearMonth, const char16_t* period) {
        Execute(u"INSERT INTO TLX.DeklNag (DkN_TypDeklar, DkN_Wersja, DkN_RokMiesiac) VALUES (310, " + N(version) +
                u", " + N(yearMonth) + u")");
        const long id = std::stol(tlx::Utf16ToUtf8(Scalar(u"SELECT MAX(DkN_DkNID) FROM TLX.DeklNag")));
        tlx::ComPtr<ISession> session = FreshSession();
        tlx::ComPtr<IDeklaracja2> d = OpenDeclaration(session.Get(), id);
        std::vector<std::pair<const char16_t*, tlx::Variant>> fields = {
            {u"LICZBAINFDP", tlx::Variant::FromLong(2)},
            {u"NRPFRON", Text(u"12345")},
            {u"OKRESSPRAWOZDAWCZY", Text(period)},
            {u"DATAWYPELNIENIA", tlx::Variant::FromDate(45443)},  // 2024-05-31
            {u"RODZAJINFORMACJI", Text(u"Z")},
            {u"PKD", Text(u"85.59b")},
            {u"POCZTA", Text(u"Łódź")},
            {u"PELNANAZWPRACODAWCY", Text(u"Zakład \"Pod Dębem\" & Syn <sp. j.>")},
            {u"KODADRESU", Text(u"Łódź")},
            {u"NOWOZATRUDNIENI", Text(u"1")},
            {u"WOKRESIEOGOLEM", Text(u"10,250")},
            {u"WOKRESIENIEPELNOSPRAWNI", Text(u"1,250")},
            {u"POPRZEDZAJACYOKRESNIEPELNOSPRAWNI", Text(u"1,000")},
            {u"POPRZEDZAJACYOKRESOGOLEM", Text(u"10,000")},
            {u"CZYPRZYROSTNETTO", Text(u"T")},
            {u"PELNOMOCNIK", Text(u"")},
            {u"BIEZACYOKRESNIEPELNOSPRAWNI", Text(u"1,500")},
            {u"BIEZACYOKRESOGOLEM", Text(u"10,500")},
            {u"FORMAWLASNOSCI", Text(u"215")},
            {u"STATUSPRACODAWCYIP", Text(u"N")},
            {u"STATUSPRACODAWCYZAZ", Text(u"N")},
            {u"STATUSPRACODAWCYZPC", Text(u"T")},
            {u"SZCZEGOLOWAFORMAPRAWNA", Text(u"117")},
            {u"NRLOKALU", Text(u"3")},
            {u"NRDOMU", Text(u"12a")},
            {u"EMAIL", Text(u"biuro@firma.pl")},
            {u"FAKS", Text(u"")},
            {u"TELEFON", Text(u"42 123 45 67")},
            {u"SKRNAZWPRACODAWCY", Text(u"Pod Dębem & Syn")},
            {u"MIASTO", Text(u"Łódź")},
            {u"ULICA", Text(u"Piotrkowska")},
            {u"NIP", Text(u"525-000-10-09")},
            {u"REGON", Text(u"123456789")},
            {u"KODPOCZTOWY", Text(u"")},
            {u"IMIENAZWISKOOSOBYPODPISUJACEJ", Text(u"Anna Nowak")},
            {u"UWAGI", Text(u"nie do pliku")},
        };
        if (version >= 4) fields.emplace_back(u"WSTAWIACNIP", Text(u"1"));
        for (auto& [field, value] : fields) EXPECT_EQ(Put(d.Get(), field, value), S_OK) << tlx::Utf16ToUtf8(field);
        EXPECT_EQ(session->SaveChanges(), S_OK) << tlx::Utf16ToUtf8(LastError());
        return id;
    }

    void AddAttachment(long wnd, long version, long number, const char16_t* pesel, const char16_t* partial = u"T") {
        tlx::ComPtr<ISession> session = FreshSession();
        tlx::ComPtr<IDeklaracja2> a = NewChild(session.Get(), wnd, 311, version);
        ASSERT_TRUE(a);
        std::vector<std::pair<const char16_t*, tlx::Variant>> fields = {
            {u"NRKOLEJNY", tlx::Variant::FromLong(number)}, {u"OKRESSPRAWOZDAWCZY", Text(u"01-2000")},
            {u"RODZAJINFORMACJI", Text(u"K")}, {u"NRPFRON", Text(u"99999")}, {u"OKRESWYPLATY", Text(u"04-2024")},
            {u"POMOCPUBLICZNAPFRON", Text(u"N")}, {u"PESEL", Text(pesel)}, {u"IMIE1", Text(u"Jan")},
            {u"IMIE2", Text(u"Maria")}, {u"NAZWISKO", Text(u"Żółć & \"Syn\" <x>")}, {u"NIP", Text(u"1112223344")},
            {u"NRDOWODU", Text(u"ABC123456")}, {u"GMINA", Text(u"Łódź")}, {u"KODPOCZTOWY", Text(u"90-001")},
            {u"MIASTO", Text(u"Łódź")}, {u"NRDOMU", Text(u"7")}, {u"NRLOKALU", Text(u"2")}, {u"POCZTA", Text(u"Łódź")},
            {u"POWIAT", Text(u"łódzki")}, {u"ULICA", Text(u"Długa")}, {u"WOJEWODZTWO", Text(u"10")},
            {u"OKRESZATRODDNIA", tlx::Variant::FromDate(41395)},  // 2013-05-01
            {u"WYNMINIMALNE", tlx::Variant::FromCurrency(CY{22500000})},
            {u"KOSZTYPLACY", tlx::Variant::FromCurrency(CY{44885700})}, {u"ZATRWZROSTNETTO", Text(u"T")},
            {u"ZATRROZWUMOWY", Text(u"N")}, {u"PELNEINFORMACJE", Text(partial)}, {u"PLEC", Text(u"M")},
            {u"ZAWOD", Text(u"ślusarz")}, {u"WYKSZTALCENIE", Text(u"5")}, {u"MSCEZAMIESZKANIA", Text(u"M")},
            {u"WYNOSIAGANE", tlx::Variant::FromCurrency(CY{40000000})},
            {u"WYNWYPLACONE", tlx::Variant::FromCurrency(CY{33400000})},
            {u"POMNIEJSZENIA", tlx::Variant::FromCurrency(CY{1005000})},
            {u"KWDOFWYPLATA", tlx::Variant::FromCurrency(CY{0})},
            {u"PODWKOSZTY", tlx::Variant::FromCurrency(CY{17340000})},
            {u"CHRONZNACZNY", Text(u"0")}, {u"CHRONUMIARKOWANY", Text(u"0,4995")}, {u"CHRONLEKKI", Text(u"")},
            {u"CHRONSZNACZNY", Text(u"0")}, {u"CHRONSUMIARKOWANY", Text(u"0.5")}, {u"CHRONSLEKKI", Text(u"0")},
            {u"NORMZNACZNY", Text(u"0,25")}, {u"NORMUMIARKOWANY", Text(u"0")}, {u"NORMLEKKI", Text(u"2")},
            {u"NORMSZNACZNY", Text(u"0,5")}, {u"NORMSUMIARKOWANY", Text(u"0")}, {u"NORMSLEKKI", Text(u"0,000")},
        };
        if (version >= 6) {
            const std::pair<const char16_t*, const char16_t*> pension[] = {
                {u"CHRONZNACZNYEMERYT", u"0"},     {u"CHRONUMIARKOWANYEMERYT", u"0"}, {u"CHRONLEKKIEMERYT", u"1"},
                {u"CHRONSZNACZNYEMERYT", u"0"},    {u"CHRONSUMIARKOWANYEMERYT", u"0"}, {u"CHRONSLEKKIEMERYT", u"0,125"},
                {u"NORMZNACZNYEMERYT", u"0"},      {u"NORMUMIARKOWANYEMERYT", u"0,75"}, {u"NORMLEKKIEMERYT", u"0"},
                {u"NORMSZNACZNYEMERYT", u"0"},     {u"NORMSUMIARKOWANYEMERYT", u"0"}, {u"NORMSLEKKIEMERYT", u"2"}};
            for (const auto& [field, value] : pension) fields.emplace_back(field, Text(value));
        }
        for (auto& [field, value] : fields) EXPECT_EQ(Put(a.Get(), field, value), S_OK) << tlx::Utf16ToUtf8(field);
        EXPECT_EQ(session->SaveChanges(), S_OK) << tlx::Utf16ToUtf8(LastError());
    }

    // A WN-D with its two attachments.
    long Prepare(long version, long yearMonth, const char16_t* period, long attachmentVersion) {
        const long wnd = AddWnd(version, yearMonth, period);
        AddAttachment(wnd, attachmentVersion, 1, u"80010112341");
        AddAttachment(wnd, attachmentVersion, 2, u"", u"N");
        return wnd;
    }

    // Calls an export member of the service `progId`, one object for all calls of a test.
    HRESULT Export(const char16_t* member, long wnd, const std::u16string& folder,
                   const char16_t* progId = u"TLXDeklaracje.WND3") {
        if (!object_) object_ = Create(progId);
        return Call(object_.Get(), member, {tlx::Variant::FromLong(wnd), tlx::Variant::FromString(folder)});
    }
    tlx::ComPtr<IDispatch> object_;
};

}  // namespace pfron_test
