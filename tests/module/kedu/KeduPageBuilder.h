// Page texts for the KEDU writers' tests, laid out as the host's KEDU component stores a form: the
// form's tag, then each block's tag on its own line, one value per line, every line ended by CR LF.
#pragma once

#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>

#include "platform/text/CodePage.h"
#include "tests/support/CompanyDatabase.h"

namespace tlx::test {

inline std::u16string PageBlock(std::u16string_view code, std::initializer_list<std::u16string_view> lines) {
    std::u16string text = u"<" + std::u16string(code) + u">\r\n";
    for (std::u16string_view line : lines) text += std::u16string(line) + u"\r\n";
    return text + u"</" + std::u16string(code) + u">\r\n";
}

inline std::u16string FormPage(std::u16string_view form, std::initializer_list<std::u16string> blocks) {
    std::u16string text = u"<" + std::u16string(form) + u">\r\n";
    for (const std::u16string& block : blocks) text += block;
    return text + u"</" + std::u16string(form) + u">\r\n";
}

// A golden file of tests/module/kedu/golden as text, without the line break that ends it.
inline std::u16string KeduGolden(const char* name) {
    std::ifstream in(SourceDir() / "tests/module/kedu/golden" / name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    std::string text = bytes.str();
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return Utf8ToUtf16(text);
}

}  // namespace tlx::test
