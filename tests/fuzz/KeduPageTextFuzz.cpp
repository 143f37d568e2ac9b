// Fuzzes the readers of a ZUS declaration's page text, which the KEDU writers take their values from,
// and the reshaping of those values. Input: a first line "CODE N LINE WORD" choosing the block and the
// value, then the page text. What comes out goes into XML element content, so it must hold no markup.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "mv_deklaracje/kedu/KeduPageText.h"
#include "platform/text/CodePage.h"

namespace {

// Text bound for XML element content: no '<' and every '&' starting an entity.
void RequireEscaped(const CBstr& value) {
    std::u16string_view text = value.View();
    if (text.find(u'<') != std::u16string_view::npos) __builtin_trap();
    for (std::size_t at = text.find(u'&'); at != std::u16string_view::npos; at = text.find(u'&', at + 1))
        if (text.find(u';', at) == std::u16string_view::npos) __builtin_trap();
}

int SmallNumber(std::u16string_view text, std::size_t& at) {
    int value = 0;
    while (at < text.size() && text[at] == u' ') ++at;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9' && value < 1000; ++at) value = value * 10 + (text[at] - u'0');
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string input = tlx::Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(data), size));
    std::size_t eol = input.find(u'\n');
    std::u16string_view head = std::u16string_view(input).substr(0, eol == std::u16string::npos ? input.size() : eol);
    std::u16string_view text = eol == std::u16string::npos ? std::u16string_view() : std::u16string_view(input).substr(eol + 1);
    std::size_t at = head.find(u' ');
    std::u16string_view code = head.substr(0, at);
    if (at == std::u16string_view::npos) at = head.size();
    int n = SmallNumber(head, at), line = SmallNumber(head, at), word = SmallNumber(head, at);

    CBstr block = BlockText(text, code, n);
    CBstr value = LineValue(block.View(), line, word);
    RequireEscaped(value);
    RequireEscaped(RawLineValue(text, word));
    (void)TrimLine(text);
    (void)TrueIfEqual(value, u"X");
    RequireEscaped(AmountFromHundredths(value));
    if (StripLeadingZeros(value).View().empty() && !value.View().empty()) __builtin_trap();
    (void)PostalCodeOrEmpty(value);
    (void)KeduDate(value, 2024, n % 13);
    if (PadLeftZeros(value, 12).View().size() < 12) __builtin_trap();
    CBstr title, right, degree;
    (void)SplitTitleCode(value, title, right, degree);
    return 0;
}
