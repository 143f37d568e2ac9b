#include <gtest/gtest.h>

#include <filesystem>

#include "RecordingDelivery.h"
#include "WndExportCompany.h"
#include "tests/support/StandIn.h"

using namespace pfron_test;

namespace {
namespace fs = std::filesystem;

// A WN-U of March 2024 with the employer's texts of the golden documents, and its INF-U-P attachments.
class WnuExport : public SodExportCompany {
protected:
    long AddWnu(long yearMonth = 202403, const char16_t* period = u"03-2024") {
        Execute(u"INSERT INTO TLX.DeklNag (DkN_TypDeklar, DkN_Wersja, DkN_RokMiesiac) VALUES (320, 1, " +
                N(yearMonth) + u")");
        const long id = std::stol(tlx::Utf16ToUtf8(Scalar(u"SELECT MAX(DkN_DkNID) FROM TLX.DeklNag")));
        tlx::ComPtr<ISession> session = FreshSession();
        tlx::ComPtr<IDeklaracja2> d = OpenDeclaration(session.Get(), id);
        const std::pair<const char16_t*, tlx::Variant> fields[] = {
            {u"LICZBAINFUPGA", tlx::Variant::FromLong(2)}, {u"NRPFRON", Text(u"12345")},
            {u"OKRESSPRAWOZDAWCZY", Text(period)}, {u"DATAWYPELNIENIA", tlx::Variant::FromDate(45443)},
            {u"RODZAJINFORMACJI", Text(u"Z")}, {u"NIP", Text(u"")}, {u"REGON", Text(u"123456789")},
            {u"SKRNAZWPRACODAWCY", Text(u"Pod Dębem & Syn")}, {u"KODPOCZTOWY", Text(u"")},
            {u"MIASTO", Text(u"Łódź")}, {u"NRDOMU", Text(u"12a")}, {u"NRLOKALU", Text(u"3")},
            {u"ULICA", Text(u"Piotrkowska")}, {u"EMAIL", Text(u"biuro@firma.pl")}, {u"FAKS", Text(u"")},
            {u"TELEFON", Text(u"42 123 45 67")}, {u"UWAGI", Text(u"nie do pliku")},
            {u"MIESIACOD", tlx::Variant::FromLong(yearMonth % 100)}, {u"ROKOD", tlx::Variant::FromLong(yearMonth / 100)},
            {u"MIESIACDO", tlx::Variant::FromLong(yearMonth % 100)}, {u"ROKDO", tlx::Variant::FromLong(yearMonth / 100)},
        };
        for (const auto& [field, value] : fields) EXPECT_EQ(Put(d.Get(), field, value), S_OK) << tlx::Utf16ToUtf8(field);
        EXPECT_EQ(session->SaveChanges(), S_OK) << tlx::Utf16ToUtf8(LastError());
        return id;
    }

    void AddInfup(long wnu, long number, const char16_t* pesel) {
        tlx::ComPtr<ISession> session = FreshSession();
        tlx::ComPtr<IDeklaracja2> a = NewChild(session.Get(), wnu, 321, 1);
        ASSERT_TRUE(a);
        auto money = [](LONGLONG count) { return tlx::Variant::FromCurrency(CY{count}); };
        const std::pair<const char16_t*, tlx::Variant> fields[] = {
            {u"NRKOLEJNY", tlx::Variant::FromLong(number)}, {u"NRPFRON", Text(u"99999")}, {u"PESEL", Text(pesel)},
            {u"OKRESSPRAWOZDAWCZY", Text(u"01-2000")}, {u"RODZAJINFORMACJI", Text(u"K")},
            {u"IMIE1", Text(u"Jan")}, {u"IMIE2", Text(u"Maria")}, {u"NAZWISKO", Text(u"Żółć & \"Syn\" <x>")},
            {u"NIP", Text(u"")}, {u"NRDOWODU", Text(u"ABC123456")}, {u"PLEC", Text(u"M")},
            {u"WYKSZTALCENIE", Text(u"5")}, {u"ZAWOD", Text(u"ślusarz")}, {u"GMINA", Text(u"Łódź")},
            {u"KODPOCZTOWY", Text(u"90-001")}, {u"MIASTO", Text(u"Łódź")}, {u"MSCEZAMIESZKANIA", Text(u"M")},
            {u"NRDOMU", Text(u"7")}, {u"NRLOKALU", Text(u"2")}, {u"POCZTA", Text(u"Łódź")},
            {u"POWIAT", Text(u"łódzki")}, {u"ULICA", Text(u"Długa")}, {u"WOJEWODZTWO", Text(u"10")},
            {u"CHRONLEKKI", Text(u"1")}, {u"CHRONSLEKKI", Text(u"2")}, {u"CHRONSUMIARKOWANY", Text(u"3")},
            {u"CHRONSZNACZNY", Text(u"04")}, {u"CHRONUMIARKOWANY", Text(u"5")}, {u"CHRONZNACZNY", Text(u"6")},
            {u"NORMLEKKI", Text(u"7")}, {u"NORMUMIARKOWANY", Text(u"8")}, {u"NORMZNACZNY", Text(u"9")},
            {u"NORMSLEKKI", Text(u"10")}, {u"NORMSUMIARKOWANY", Text(u"11")}, {u"NORMSZNACZNY", Text(u"12")},
            {u"UST4LEKKI", Text(u"99")}, {u"PODSTAWAWYMIARU", money(99990000)},
            {u"OKRESZATR", Text(u"2013-05-01 - 2024-03-31")}, {u"WYNOSIAGANE", money(40000000)},
            {u"KOSZTYPLACY", money(44885700)}, {u"PODWKOSZTY", money(17340000)}, {u"PRACEMERYTALNE", money(3904000)},
            {u"PRACRENTOWE", money(600000)}, {u"PRACWYPADKOWE", money(668000)}, {u"WYNEMERYTALNE", money(9760000)},
        };
        for (const auto& [field, value] : fields) EXPECT_EQ(Put(a.Get(), field, value), S_OK) << tlx::Utf16ToUtf8(field);
        EXPECT_EQ(session->SaveChanges(), S_OK) << tlx::Utf16ToUtf8(LastError());
    }

    long Prepare() {
        const long wnu = AddWnu();
        AddInfup(wnu, 1, u"80010112341");
        AddInfup(wnu, 2, u"");
        return wnu;
    }

    HRESULT Export(const char16_t* member, long wnu, const std::u16string& folder) {
        if (!object_) object_ = Create(u"TLXDeklaracje.WNU");
        return Call(object_.Get(), member, {tlx::Variant::FromLong(wnu), tlx::Variant::FromString(folder)});
    }

    tlx::ComPtr<IDispatch> object_;
};

// The files agree with the hand-written documents under refund status 3, each one UTF-8 line that fits
// the documents' structure; the status is the one valid on the first day of the WN-U's month.
TEST_F(WnuExport, TheFilesAgreeWithTheGoldenDocuments) {
    SetParameter(u"/Firma/Płace/ZUS/Status Refundacji", u"2024-03-02", u"4");
    const long wnu = Prepare();
    ASSERT_EQ(Export(u"ExportToSOD", wnu, Folder()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Written(out_), (std::vector<std::string>{"infup_03-2024_00000000001.xml",
                                                       "infup_03-2024_80010112341.xml", "wnu_03-2024.xml"}));
    EXPECT_EQ(ReadFile(out_ / "wnu_03-2024.xml"), Golden("gen2/wnu.xml"));
    EXPECT_EQ(ReadFile(out_ / "infup_03-2024_80010112341.xml"), Golden("gen2/infup_status3.xml"));
    for (const std::string& name : Written(out_)) {
        const std::string bytes = ReadFile(out_ / name);
        EXPECT_TRUE(IsOneUtf8Line(bytes)) << name;
        EXPECT_EQ(SchemaErrors(bytes, "gen2.xsd"), u"") << name;
    }
}

// Under another refund status the ust4 attributes carry the days; the status is read at each export.
TEST_F(WnuExport, AnotherRefundStatusMovesTheDaysToTheUst4Attributes) {
    const long wnu = Prepare();
    ASSERT_EQ(Export(u"ExportToSOD", wnu, Folder()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(ReadFile(out_ / "infup_03-2024_80010112341.xml"), Golden("gen2/infup_status3.xml"));
    SetRefundStatus(4);
    ASSERT_EQ(Export(u"ExportToSOD", wnu, Folder()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(ReadFile(out_ / "infup_03-2024_80010112341.xml"), Golden("gen2/infup_status4.xml"));
    EXPECT_EQ(Written(out_).size(), 3u) << "the second attachment's key starts again at 1";
}

// The quarter of the WN-U's month and its version as sent.
TEST_F(WnuExport, TheQuarterOfTheMonth) {
    const struct {
        long yearMonth;
        const char16_t* quarter;
    } cases[] = {{202403, u"1"}, {202406, u"2"}, {202407, u"3"}, {202410, u"4"}, {202412, u"4"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.yearMonth);
        const long wnu = AddWnu(c.yearMonth, u"03-2024");
        fs::remove_all(out_ / "q");
        fs::create_directories(out_ / "q");
        ASSERT_EQ(Export(u"ExportToSOD", wnu, Folder("q")), S_OK) << tlx::Utf16ToUtf8(LastError());
        const std::string main = ReadFile(out_ / "q" / "wnu_03-2024.xml");
        EXPECT_EQ(ParsedAttribute(main, u"daneInformacji", u"kwartal"), c.quarter);
        EXPECT_EQ(ParsedAttribute(main, u"dokument", u"wersjaTypu"), u"2");
    }
}

// The WN-U goes to the user's machine through the transfer whoever the operator is; without the
// component the export answers the service's own code and hands nothing over.
TEST_F(WnuExport, TheFilesGoThroughTheTransfer) {
    const long wnu = Prepare();
    auto transfer = CRecordingTransfer::Make();
    {
        StandIn standIn(CLSID_CRemoteFileTransfer, u"TLX.RemoteFileTransfer", static_cast<IRemoteFileTransfer*>(transfer.Get()));
        ASSERT_EQ(Export(u"ExportToSODVC", wnu, u"C:\\Eksport"), S_OK) << tlx::Utf16ToUtf8(LastError());
    }
    EXPECT_EQ(transfer->calls.size(), 13u);
    EXPECT_EQ(tlx::Utf16ToUtf8(transfer->files[u"C:\\Eksport\\infup_03-2024_80010112341.xml"]),
              Golden("gen2/infup_status3.xml"));
    EXPECT_EQ(Written(out_), std::vector<std::string>{});
    StandIn none(CLSID_CRemoteFileTransfer, u"TLX.RemoteFileTransfer", nullptr);
    EXPECT_EQ(Export(u"ExportToSODVC", wnu, u"C:\\Eksport"), static_cast<HRESULT>(0x80044005));
    EXPECT_EQ(LastError(), u"Nie można utworzyć komponentu przesyłania plików na komputer użytkownika.");
}

class WnuRemoteExport : public WnuExport {
protected:
    LONG RemoteSession() const override { return 1; }
};

TEST_F(WnuRemoteExport, ARemoteOperatorsFilesStillGoThroughTheTransfer) {
    const long wnu = Prepare();
    auto transfer = CRecordingTransfer::Make();
    StandIn standIn(CLSID_CRemoteFileTransfer, u"TLX.RemoteFileTransfer", static_cast<IRemoteFileTransfer*>(transfer.Get()));
    auto copy = CRecordingCopy::Make();
    StandIn copyStandIn(CLSID_CRemoteFileCopy, u"TLX.RemoteFileCopy", static_cast<IRemoteFileCopy*>(copy.Get()));
    ASSERT_EQ(Export(u"ExportToSODVC", wnu, u"C:\\Eksport"), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(transfer->files.size(), 3u);
    EXPECT_EQ(copy->copies.size(), 0u);
}
}  // namespace
