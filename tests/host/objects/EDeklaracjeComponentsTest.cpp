// The host's e-declaration components: the schema repository that holds nothing newer, and the
// validator that checks a document against the official schema of its namespace from the schema store.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "HostFixture.h"
#include "host/objects/edeklaracje/EdeklaracjeValidator.h"
#include "host/objects/edeklaracje/SchemaStore.h"
#include "hostapi/EDeclarationsDispatch.h"
#include "platform/com/ClassRegistry.h"
#include "platform/text/CodePage.h"

namespace tlx::host::test {
namespace {

std::u16string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return Utf8ToUtf16(text.str());
}

// The hand-written official VAT-7(17) of the demo company.
std::u16string GoldenVat7() {
    return ReadText(std::filesystem::path(std::getenv("TLX_SOURCE_DIR")) / "tests" / "module" / "edeklaracje" / "golden" /
                    "VAT-7_17.xml");
}

std::u16string Replaced(std::u16string text, std::u16string_view what, std::u16string_view with) {
    auto at = text.find(what);
    EXPECT_NE(at, std::u16string::npos) << Utf16ToUtf8(what);
    if (at != std::u16string::npos) text.replace(at, what.size(), with);
    return text;
}

class EDeklaracjeComponents : public HostTest {
protected:
    std::u16string Validate(std::u16string_view xml) {
        CLSID clsid{};
        EXPECT_EQ(CLSIDFromProgID(kProgIdEdeklaracjeValidator, &clsid), S_OK);
        ComPtr<IEdeklaracjeValidator> validator;
        EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IidOf<IEdeklaracjeValidator>(), validator.OutVoid()),
                  S_OK);
        Bstr errors;
        EXPECT_EQ(validator->Validate(Bstr(xml).Get(), Variant(), errors.Out()), S_OK) << Utf16ToUtf8(TakeErrorDescription());
        return std::u16string(errors.View());
    }
};

TEST_F(EDeklaracjeComponents, TheRepositoryHasCheckedAndHoldsNothingNewer) {
    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID(kProgIdSchemaRepository, &clsid), S_OK);
    ComPtr<ISchemaRepository> repository;
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IidOf<ISchemaRepository>(), repository.OutVoid()), S_OK);
    VARIANT_BOOL checked = VARIANT_FALSE;
    ASSERT_EQ(repository->UpdateChecked(&checked), S_OK);
    EXPECT_EQ(checked, VARIANT_TRUE);
    Bstr stylesheet, uri, error;
    ASSERT_EQ(repository->GetTransform(Bstr(u"1/17").Get(), stylesheet.Out()), S_OK);
    EXPECT_EQ(stylesheet.View(), u"");
    ASSERT_EQ(repository->GetNamespace(1, 17, 2024, 3, uri.Out()), S_OK);
    EXPECT_EQ(uri.View(), u"");
    LONG status = 0;
    ASSERT_EQ(repository->UpdateStatus(&status), S_OK);
    EXPECT_EQ(status, 1);
}

TEST_F(EDeklaracjeComponents, TheStoreFindsTheOfficialSchemaByNamespace) {
    const SchemaStore& store = SchemaStore::Installed();
    if (!store.Catalog()) GTEST_SKIP() << "the official schemas are not beside the checkout (TLX_REFS_DIR)";
    auto vat7 = store.SchemaFor("http://crd.gov.pl/wzor/2016/08/05/3412/");
    ASSERT_TRUE(vat7);
    EXPECT_NE(vat7->find("VAT7(17)schemat.xsd"), std::string::npos) << *vat7;
    EXPECT_FALSE(store.SchemaFor("http://crd.gov.pl/wzor/1999/01/01/1/"));
    EXPECT_FALSE(store.SchemaFor(""));
}

TEST_F(EDeklaracjeComponents, TheValidatorAnswersNothingForAValidDocumentAndLinesForErrors) {
    if (!SchemaStore::Installed().Catalog())
        GTEST_SKIP() << "the official schemas are not beside the checkout (TLX_REFS_DIR)";
    EXPECT_EQ(Validate(GoldenVat7()), u"");

    // Two faults: a month out of range and a required position left out.
    std::u16string broken = Replaced(GoldenVat7(), u"<Miesiac>3</Miesiac>", u"<Miesiac>13</Miesiac>");
    broken = Replaced(broken, u"<P_54>13450</P_54>", u"");
    std::u16string errors = Validate(broken);
    auto split = errors.find(u"\r\n");
    ASSERT_NE(split, std::u16string::npos) << Utf16ToUtf8(errors);
    EXPECT_EQ(errors.find(u"\r\n", split + 2), std::u16string::npos) << "two lines: " << Utf16ToUtf8(errors);
    EXPECT_EQ(errors.rfind(u"wiersz 2: ", 0), 0u) << Utf16ToUtf8(errors);
    EXPECT_NE(errors.find(u"Miesiac"), std::u16string::npos) << Utf16ToUtf8(errors);
    EXPECT_NE(errors.find(u"P_57"), std::u16string::npos) << "P_57 met where P_54 was due: " << Utf16ToUtf8(errors);
}

TEST_F(EDeklaracjeComponents, AnUnknownTaxOfficeCodeIsNamedWithoutTheSchemasWholeList) {
    if (!SchemaStore::Installed().Catalog())
        GTEST_SKIP() << "the official schemas are not beside the checkout (TLX_REFS_DIR)";
    EXPECT_EQ(Validate(Replaced(GoldenVat7(), u"<KodUrzedu>1471</KodUrzedu>", u"<KodUrzedu>9999</KodUrzedu>")),
              u"wiersz 2: Kod urzędu skarbowego 9999 nie jest kodem znanego urzędu skarbowego.");
}

TEST_F(EDeklaracjeComponents, TheValidatorRefusesWhatItCannotSafelyRead) {
    EXPECT_EQ(Validate(u"<Deklaracja xmlns=\"urn:nieznany\"><a/></Deklaracja>"), u"")
        << "a namespace without a schema in the store";
    std::u16string unparsable = Validate(u"<Deklaracja xmlns=\"http://crd.gov.pl/wzor/2016/08/05/3412/\">\n<a>");
    EXPECT_EQ(unparsable.rfind(u"wiersz 2: ", 0), 0u) << Utf16ToUtf8(unparsable);
    EXPECT_EQ(Validate(u"<!DOCTYPE Deklaracja [<!ENTITY x \"y\">]><Deklaracja>&x;</Deklaracja>"),
              u"Dokument e-deklaracji nie może zawierać deklaracji typu dokumentu (DTD).");
    std::u16string external =
        Validate(u"<!DOCTYPE Deklaracja [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><Deklaracja>&x;</Deklaracja>");
    EXPECT_NE(external, u"");
    EXPECT_EQ(external.find(u"root:"), std::u16string::npos) << "nothing of the file is read";
}

}  // namespace
}  // namespace tlx::host::test
