// ZapiszXml on a saved VAT-7 of the demo company: the file, the events, and how a failed build, a
// failed save and a cancel end the call.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "EDeklaracjaDemoFixture.h"
#include "EDeklaracjaSupport.h"
#include "DeclarationFixture.h"
#include "ModuleClassFixture.h"
#include "host/session/HostEnvironment.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace {

using edtest::CRecordingSink;
using edtest::Events;

class EDeklaracjaExport : public edtest::DemoFormsTest {
protected:

    tlx::ComPtr<IDeklaracja2> SavedVat7() {
        return edtest::SavedVat7(Create(u"TLXDeklaracje.Deklaracje").As<ICollection>().Get());
    }

    HRESULT Export(IDeklaracja2* declaration, const std::filesystem::path& file, const char16_t* transform = u"") {
        return edeklaracja->ZapiszXml(declaration, tlx::Bstr(transform).Get(),
                                      tlx::Bstr(tlx::Utf8ToUtf16(file.string())).Get());
    }
};

TEST_F(EDeklaracjaExport, WritesTheOfficialDocumentAndSaysSo) {
    auto vat7 = SavedVat7();
    auto file = folder_ / "VAT-7.xml";
    ASSERT_EQ(Export(vat7.Get(), file), S_OK) << tlx::Utf16ToUtf8(LastError());
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str().rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u) << text.str();
    EXPECT_NE(text.str().find("<KodUrzedu>1471</KodUrzedu>"), std::string::npos) << text.str();
    EXPECT_EQ(sink->events, (Events{{edtest::kWillAction, {u"Eksport deklaracji"}},
                                    {edtest::kSendMessage, {u"#2", u"Przygotowanie deklaracji [VAT7]"}},
                                    {edtest::kSendMessage, {u"#2", u"Plik został pomyślnie zapisany na dysku."}},
                                    {edtest::kActionCompleted, {u""}}}));
}

TEST_F(EDeklaracjaExport, AFailedBuildClosesTheActionWritesNothingAndAnswersTheFailure) {
    auto vat7 = SavedVat7();
    auto file = folder_ / "VAT-7.xml";
    EXPECT_EQ(Export(vat7.Get(), file, u"brak/99"), E_FAIL);  // a stylesheet that does not exist
    EXPECT_FALSE(std::filesystem::exists(file));
    ASSERT_GE(sink->events.size(), 3u);
    EXPECT_EQ(sink->events.front(), (edtest::Event{edtest::kWillAction, {u"Eksport deklaracji"}}));
    EXPECT_EQ(sink->events[sink->events.size() - 2].first, edtest::kActionFailed);
    EXPECT_EQ(sink->events.back(), (edtest::Event{edtest::kActionCompleted, {u""}}));
    EXPECT_EQ(LastError(), edeklaracja->Message());
    EXPECT_FALSE(edeklaracja->Message().empty());
}

TEST_F(EDeklaracjaExport, AFailedSaveIsReportedWithItsReasonAndACancelEndsQuietly) {
    auto vat7 = SavedVat7();
    auto file = folder_ / "brak" / "VAT-7.xml";
    EXPECT_TRUE(FAILED(Export(vat7.Get(), file)));
    ASSERT_FALSE(sink->events.empty());
    EXPECT_EQ(sink->events.back().first, edtest::kActionFailed);
    const std::u16string failure = sink->events.back().second.at(0);
    EXPECT_EQ(failure.rfind(u"Operacja nie została zakończona pomyślnie z powodu błędów. ", 0), 0u)
        << tlx::Utf16ToUtf8(failure);
    EXPECT_GT(failure.size(), std::u16string_view(u"Operacja nie została zakończona pomyślnie z powodu błędów. ").size());

    sink->events.clear();
    sink->answer = E_ABORT;
    EXPECT_EQ(Export(vat7.Get(), folder_ / "VAT-7.xml"), S_OK);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "VAT-7.xml"));
    EXPECT_EQ(sink->events, (Events{{edtest::kWillAction, {u"Eksport deklaracji"}}}));
}

// The target the user names: a link is written through, a pipe is left as it is and the call says why
// in Polish.
TEST_F(EDeklaracjaExport, ALinkIsWrittenThroughAndAPipeIsRefused) {
    auto vat7 = SavedVat7();
    std::filesystem::create_symlink("VAT-7.xml", folder_ / "ostatnia.xml");
    ASSERT_EQ(Export(vat7.Get(), folder_ / "ostatnia.xml"), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "ostatnia.xml"));
    EXPECT_TRUE(std::filesystem::is_regular_file(folder_ / "VAT-7.xml"));

    const auto pipe = folder_ / "kolejka.xml";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    sink->events.clear();
    EXPECT_EQ(Export(vat7.Get(), pipe), E_ACCESSDENIED);
    const std::u16string why =
        u"Nie można zapisać pliku " + tlx::Utf8ToUtf16(pipe.string()) + u": w tym miejscu jest coś innego niż zwykły plik.";
    EXPECT_EQ(LastError(), why);
    ASSERT_FALSE(sink->events.empty());
    EXPECT_EQ(sink->events.back(),
              (edtest::Event{edtest::kActionFailed, {u"Operacja nie została zakończona pomyślnie z powodu błędów. " + why}}));
    EXPECT_EQ(std::filesystem::status(pipe).type(), std::filesystem::file_type::fifo);
}

}  // namespace
