// The contribution calculator of one insured person over the host's payroll on a company database, with
// a stand-in report and DRA: the blocks it writes into a real KEDU document, read back through the
// document's text, and what the DRA receives.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "StandInDra.h"
#include "ZusPayrollFixture.h"
#include "hostapi/Collections.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/zus/PoliczSkladki.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace {

class PoliczSkladkiTest : public ZusPayrollTest {
protected:
    void SetUp() override {
        ZusPayrollTest::SetUp();
        Setting(u"/Program/Płace/Zus/Procent fp", u"2,45");
        Setting(u"/Program/Płace/Zus/Procent fgsp", u"0,10");
        Setting(u"/Firma/Płace/Parametry/NieGenerujZeroweRCA", u"0");
    }
    void TearDown() override {
        dra_.Reset();
        raport_.Reset();
        declarations_.Reset();
        ZusPayrollTest::TearDown();
    }
    void Setting(std::u16string_view key, std::u16string_view value) {
        Execute(u"DELETE FROM TLX.Konfiguracja WHERE Kfg_Klucz = '" + std::u16string(key) + u"'");
        Execute(u"INSERT INTO TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) VALUES ('" + std::u16string(key) + u"', '" +
                std::u16string(value) + u"')");
    }
    // A report of the month under a DRA of that version, with a new KEDU document of the form.
    void Report(int year, int month, LONG version, std::u16string_view form = u"ZUSRCA") {
        declarations_ = Create(u"TLXDeklaracje.Deklaracje").As<ICollection>();
        tlx::ComPtr<IDispatch> item;
        ASSERT_EQ(declarations_->AddNew(tlx::Variant::Missing(), item.Out()), S_OK) << tlx::Utf16ToUtf8(LastError());
        auto deklaracja = item.As<IDeklaracja2>();
        ASSERT_EQ(deklaracja->put_Wersja(version), S_OK);
        dra_ = CStandInDra::Make();
        dra_->deklaracja = deklaracja;
        raport_ = CStandInRaport::Make();
        raport_->rok = year;
        raport_->miesiac = month;
        raport_->dra = tlx::ComPtr<IDRA>(dra_.Get());
        document_ = Document(form);
    }
    // The calculation's HRESULT; a failure's description is kept in error_.
    HRESULT Run(LONG card, bool spoleczny = true, bool rna = false, long maWyplaty = 1) {
        auto employee = Employee(card);
        error_.clear();
        const HRESULT hr = ComBoundary([&] {
            CPoliczSkladki(raport_.Get(), SessionObject().Get(), document_.Get(), spoleczny, rna,
                           employee.As<IDispatch>().Get(), maWyplaty);
        });
        if (FAILED(hr)) error_ = tlx::Utf16ToUtf8(LastError());
        return hr;
    }
    // The lines of the n-th person block (from 1) of the document's text.
    std::vector<std::string> Block(int n = 1) {
        std::istringstream text(tlx::Utf16ToUtf8(Text(document_.Get())));
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
    int Blocks() {
        const std::string text = tlx::Utf16ToUtf8(Text(document_.Get()));
        int count = 0;
        for (std::size_t at = text.find("\r\n<DDOR"); at != std::string::npos; at = text.find("\r\n<DDOR", at + 1)) ++count;
        return count;
    }
    std::string Pos(const std::vector<std::string>& block, std::size_t position) {
        return position <= block.size() ? block[position - 1] : "";
    }
    double Total(PoleDRAEnum pole) { return dra_->Total(pole).AsDouble(); }

    tlx::ComPtr<ICollection> declarations_;
    tlx::ComPtr<CStandInDra> dra_;
    tlx::ComPtr<CStandInRaport> raport_;
    tlx::ComPtr<IKeduDokument> document_;
    std::string error_;
};

TEST_F(PoliczSkladkiTest, AnEmployeeOf2016GetsTheWorkedExampleBlockAndTotals) {
    AddEmployee(1, u"2016-01-01", 110);
    AddElement(AddPayout(1, 2016, 5), 5000.0, 11000, Employee2016(5000.0));
    Report(2016, 5, 3);
    ASSERT_EQ(Run(1), S_OK) << error_;
    ASSERT_EQ(Blocks(), 1);
    const auto b = Block();
    const std::map<std::size_t, std::string> expected{
        {1, "Nowak"},   {2, "Anna"},    {3, "P"},        {4, "80010112345"}, {5, "11000"},   {6, ""},
        {7, "1 1"},     {8, "5000.00"}, {9, "5000.00"},  {10, "4314.50"},    {11, "488.00"}, {12, "75.00"},
        {13, "122.50"}, {14, "388.31"}, {15, "488.00"},  {16, "325.00"},     {17, "90.00"},  {18, "0.00"},
        {19, "1976.81"}, {20, "0"},     {21, "0.00"},    {22, "0.00"},       {23, "0"},      {24, "0.00"},
        {25, "0.00"},
    };
    for (const auto& [position, value] : expected) EXPECT_EQ(Pos(b, position), value) << "position " << position;

    const struct {
        PoleDRAEnum pole;
        double kwota;
    } totals[] = {
        {draEmerUbezp, 488.00}, {draEmerPlatnik, 488.00}, {draRentUbezp, 75.00},  {draRentPlatnik, 325.00},
        {draChorUbezp, 122.50}, {draChorPlatnik, 0.00},   {draWypadPlatnik, 90.00}, {draWypadUbezp, 0.00},
        {draZdrowPlatnik, 388.31}, {draPodstZdrowWyn, 388.31}, {draPodstawaFP, 122.50}, {draPodstawaFGSP, 5.00},
        {draEmerBudzet, 0.00},  {draSwiadczeniaBudzet, 0.00},
    };
    for (const auto& t : totals) EXPECT_DOUBLE_EQ(Total(t.pole), t.kwota) << "field " << t.pole;
    ASSERT_EQ(dra_->registrations.size(), 1u);
    EXPECT_EQ(dra_->registrations[0].date, CDate(5, 31, 2016).Value());
    EXPECT_DOUBLE_EQ(dra_->registrations[0].wymiar, 1.0);
}

TEST_F(PoliczSkladkiTest, UnderAVersion4DraThePayerSharesStayThePayers) {
    AddEmployee(1, u"2016-01-01", 110);
    AddElement(AddPayout(1, 2016, 5), 5000.0, 11000, Employee2016(5000.0));
    Report(2016, 5, 4);
    ASSERT_EQ(Run(1), S_OK) << error_;
    const auto b = Block();
    const std::map<std::size_t, std::string> expected{
        {14, "388.31"}, {15, "488.00"}, {16, "325.00"}, {19, "1588.50"}, {29, "5000.00"}, {30, "5000.00"},
        {31, "0.00"},   {32, "90.00"},  {33, "0.00"},   {34, "0.00"},    {37, "122.50"},
    };
    for (const auto& [position, value] : expected) EXPECT_EQ(Pos(b, position), value) << "position " << position;
    EXPECT_DOUBLE_EQ(Total(draEmerPlatnik), 488.00);
    EXPECT_DOUBLE_EQ(Total(draRentPlatnik), 325.00);
    EXPECT_DOUBLE_EQ(Total(draEmerBudzet), 0.00);
    EXPECT_DOUBLE_EQ(Total(draPodstZdrowWyn), 388.31);
}

}  // namespace
