// The shared ZUS field sets and the script library "ZUS" as the IWA form runs them: the form's KEDU
// document, its cells, its text in the declaration and the values read back from that text.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "FormTestSupport.h"
#include "host/HostClasses.h"
#include "mv_deklaracje/core/TextResources.h"
#include "mv_deklaracje/forms/DekElementInfo.h"
#include "platform/com/ErrorInfo.h"

namespace {

using formtest::Text;

class ZusLibrary : public formtest::FormFixture<ModuleResources> {
protected:
    void SetUp() override {
        ASSERT_EQ(tlx::host::RegisterHostClasses(), S_OK);
        document->Set(u"Tekst", tlx::Variant::FromString(u""));
        Load(130, 1);
    }
    HRESULT Fails(std::u16string_view code) {
        tlx::Variant result;
        return Evaluate(code, nullptr, result);
    }
    std::string Error() { return tlx::Utf16ToUtf8(tlx::TakeErrorDescription()); }
};

TEST_F(ZusLibrary, DefinesItsErrorNumbers) {
    EXPECT_EQ(EvalText(u"[ERR_ThrowText, ERR_MV_Info].join()"), "30114,24098");
}

TEST_F(ZusLibrary, KeepsCellsOfANewDocumentAndSavesTheDocumentIntoTheDeclarationText) {
    Fire(u"onload");
    EXPECT_EQ(EvalText(u"GetDokument().Formularz"), "ZUSIWA");
    Eval(u"PutValue('DIPLIWA', 1, '5261234567'); PutValue('DUZWIWA', 1, 12); PutValue('ZDKRIWA', 2, 3.5);"
         u" PutValue('OPLR', 1, new Date(2016, 4, 2))");
    EXPECT_EQ(EvalText(u"GetValue('DIPLIWA', 1)"), "5261234567");
    EXPECT_EQ(EvalText(u"[GetLiczba('DUZWIWA', 1), GetKwota('ZDKRIWA', 2), GetLiczba('ADKP', 1)].join()"), "12,3.5,0");
    EXPECT_EQ(EvalText(u"GetData('OPLR', 1).getDate() + '.' + GetData('OPLR', 1).getMonth()"), "2.4");
    EXPECT_EQ(EvalText(u"GetData('DIPLIWA', 9)"), "null");

    Fire(u"onsave");
    std::string saved = Text(document->Get(u"Tekst"));
    EXPECT_NE(saved.find("<DIPLIWA>\r\n5261234567\r\n</DIPLIWA>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<OPLR>\r\n02052016\r\n</OPLR>"), std::string::npos) << saved;
}

TEST_F(ZusLibrary, ReadsAmountsCountsAndDatesBackFromTheDeclarationText) {
    Fire(u"onload");
    Eval(u"PutValue('DUZWIWA', 1, 1234); PutValue('ZDKRIWA', 2, 1234.56); PutValue('OPLR', 1, new Date(2016, 4, 2));"
         u" PutValue('DIPLIWA', 6, 'A & B \"C\" < D')");
    Fire(u"onsave");
    const tlx::Variant text = document->Get(u"Tekst");

    definition.ResetScriptEngine();  // a new session: the document comes only from the text
    document->Set(u"Tekst", text);
    Fire(u"onload");
    Fire(u"onsave");
    EXPECT_EQ(Text(document->Get(u"Tekst")), Text(text)) << "the text read back saves as it was";
    EXPECT_EQ(EvalText(u"typeof GetValue('ZDKRIWA', 2)"), "string") << "cells read back are texts";
    EXPECT_EQ(EvalText(u"[GetLiczba('DUZWIWA', 1), GetKwota('ZDKRIWA', 2), GetKwota('ADKP', 3)].join()"),
              "1234,1234.56,0");
    EXPECT_EQ(EvalText(u"[GetData('OPLR', 1).getFullYear(), GetData('OPLR', 1).getMonth(), GetData('OPLR', 1).getDate()]"),
              "2016,4,2");
    EXPECT_EQ(EvalText(u"GetValue('DIPLIWA', 6)"), "A & B \"C\" < D") << "a lone '<', '&' and quotes stay data";

    Eval(u"PutValue('DUZWIWA', 1, 'x12')");
    EXPECT_EQ(Fails(u"GetLiczba('DUZWIWA', 1)"), static_cast<HRESULT>(0x800575A2));
    EXPECT_EQ(Error(), "Pozycja 1 bloku DUZWIWA nie jest liczbą: x12");
}

TEST_F(ZusLibrary, ANewDocumentIgnoresTheDeclarationText) {
    Fire(u"onload");
    Eval(u"PutValue('DUZWIWA', 1, 7)");
    Fire(u"onsave");
    Eval(u"CreateDekZus('ZUSIWA', true)");
    EXPECT_EQ(EvalText(u"GetLiczba('DUZWIWA', 1)"), "0");
    Eval(u"CreateDekZus('ZUSIWA', false)");
    EXPECT_EQ(EvalText(u"GetLiczba('DUZWIWA', 1)"), "7");
}

TEST_F(ZusLibrary, UpperCasesNamesWithPolishLetters) {
    Fire(u"onload");
    Eval(u"PutValueUC('DIPLIWA', 7, 'Łukasz Żółć-Ęą'); PutValueUC('DIPLIWA', 8, ''); PutValueUC('DIPLIWA', 9, 5)");
    EXPECT_EQ(EvalText(u"GetValue('DIPLIWA', 7)"), "ŁUKASZ ŻÓŁĆ-ĘĄ");
    EXPECT_EQ(EvalText(u"'[' + GetValue('DIPLIWA', 8) + ']' + GetValue('DIPLIWA', 9)"), "[]5");
}

TEST_F(ZusLibrary, RefusesTextsThatWouldBreakTheDocumentText) {
    Fire(u"onload");
    for (const char16_t* bad : {u"'A\\nB'", u"'A\\rB'", u"'A<x'", u"'A</DIPL>'"}) {
        EXPECT_EQ(Fails(u"PutValueUC('DIPLIWA', 7, " + std::u16string(bad) + u")"), E_INVALIDARG)
            << tlx::Utf16ToUtf8(bad);
        EXPECT_NE(Error().find("DIPLIWA"), std::string::npos) << "the error names the block";
    }
}

TEST_F(ZusLibrary, DeformatNipRemovesOnlyHyphens) {
    EXPECT_EQ(EvalText(u"DeformatNIP('526-10-20-304')"), "5261020304");
    EXPECT_EQ(EvalText(u"DeformatNIP('526 10--20 304')"), "526 1020 304");
    EXPECT_EQ(EvalText(u"DeformatNIP(null)"), "null");
}

TEST_F(ZusLibrary, CheckContextRefusesOnlyWhileTheFormMustBeCalculatedAgain) {
    Eval(u"CheckContext()");
    Eval(u"var doPrzeliczenia = 0; CheckContext()");
    EXPECT_EQ(Fails(u"doPrzeliczenia = 1; CheckContext()"), static_cast<HRESULT>(0x800565F4));
    Error();
}

TEST_F(ZusLibrary, BindsThePayerFieldsToTheirBlockPositions) {
    using Row = std::tuple<const char16_t*, const char*, const char*>;
    for (auto [name, get, put] : {
             Row{u"DIPLNIP", "GetValue('DIPLIWA', 1)", "PutValue('DIPLIWA', 1, value)"},
             Row{u"DIPLREGON", "GetValue('DIPLIWA', 2)", "PutValue('DIPLIWA', 2, value)"},
             Row{u"DIPLPESEL", "GetValue('DIPLIWA', 3)", "PutValue('DIPLIWA', 3, value)"},
             Row{u"DIPLRODZAJDOK", "GetValue('DIPLIWA', 4)", "PutValue('DIPLIWA', 4, value)"},
             Row{u"DIPLDOKUMENT", "GetValue('DIPLIWA', 5)", "PutValue('DIPLIWA', 5, value)"},
             Row{u"DIPLNAZWA", "GetValue('DIPLIWA', 6)", "PutValueUC('DIPLIWA', 6, value)"},
             Row{u"DIPLNAZWISKO", "GetValue('DIPLIWA', 7)", "PutValueUC('DIPLIWA', 7, value)"},
             Row{u"DIPLIMIE", "GetValue('DIPLIWA', 8)", "PutValueUC('DIPLIWA', 8, value)"},
             Row{u"DIPLDATAUR", "GetData('DIPLIWA', 9)", "PutValue('DIPLIWA', 9, value)"},
             Row{u"DOKUMENT", "GetDokument()", ""},
             Row{u"SAVETO", "", "SaveTo(value)"},
             Row{u"SENDTONET", "", "SendToNet(value)"},
         }) {
        auto field = definition.FindFieldByName(name);
        ASSERT_TRUE(field) << tlx::Utf16ToUtf8(name);
        EXPECT_TRUE(field->Obliczane());
        EXPECT_EQ(tlx::Utf16ToUtf8(field->OnGet().View()), get) << tlx::Utf16ToUtf8(name);
        EXPECT_EQ(tlx::Utf16ToUtf8(field->OnPut().View()), put) << tlx::Utf16ToUtf8(name);
    }
}

// The field sets shared with the other ZUS forms, as resources of their own.
TEST(ZusFieldSets, DiplAndOpl1BindTheirBlocks) {
    auto text = [](const char* name) { return tlx::Utf16ToUtf8(LoadTextResource(name, "XML", ModuleResources()).View()); };
    const std::string dipl = text("ZUS/DIPL");
    EXPECT_NE(dipl.find("<DIPLNAZWISKO><parametry obliczane=\"true\" get=\"GetValue('DIPL', 7)\" "
                        "put=\"PutValueUC('DIPL', 7, value)\"/>"),
              std::string::npos);
    EXPECT_EQ(dipl.find("DIPLIWA"), std::string::npos);
    EXPECT_NE(text("ZUS/OPL1").find("<OPL1DATAWYP><parametry obliczane=\"true\" get=\"GetData('OPL1', 1)\" "
                                    "put=\"PutValue('OPL1', 1, value)\"/>"),
              std::string::npos);
}

}  // namespace
