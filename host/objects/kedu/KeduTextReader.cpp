#include "host/objects/kedu/KeduTextReader.h"

#include "host/objects/kedu/KeduError.h"
#include "host/objects/kedu/KeduValue.h"

namespace tlx::host {
namespace {

// The name between "<" and ">" of a tag line, or empty.
std::u16string_view TagName(std::u16string_view line) {
    if (line.size() < 3 || line.front() != u'<' || line.back() != u'>') return {};
    return line.substr(1, line.size() - 2);
}

// The n of ` wersja="n"`: at least 2 (version 1 is written without it), no leading zero; 0 otherwise.
LONG VersionAttribute(std::u16string_view attribute) {
    constexpr std::u16string_view kOpen = u" wersja=\"";
    if (attribute.size() < kOpen.size() + 2 || attribute.substr(0, kOpen.size()) != kOpen || attribute.back() != u'"')
        return 0;
    std::u16string_view digits = attribute.substr(kOpen.size(), attribute.size() - kOpen.size() - 1);
    if (digits.empty() || digits.size() > 9 || digits.front() == u'0') return 0;
    LONG value = 0;
    for (char16_t c : digits) {
        if (c < u'0' || c > u'9') return 0;
        value = value * 10 + (c - u'0');
    }
    return value >= 2 ? value : 0;
}

}  // namespace

void KeduTextReader::Malformed(std::u16string_view what) const {
    std::string number = std::to_string(line_);
    RefuseKedu(u"Tekst dokumentu KEDU, wiersz " + std::u16string(number.begin(), number.end()) + u": " +
               std::u16string(what));
}

std::u16string_view KeduTextReader::NextLine() {
    ++line_;
    if (AtEnd()) Malformed(u"tekst kończy się przed zamknięciem dokumentu.");
    std::size_t end = text_.find(u"\r\n", at_);
    if (end == std::u16string_view::npos) Malformed(u"wiersz nie kończy się znakami CR LF.");
    std::u16string_view line = text_.substr(at_, end - at_);
    at_ = end + 2;
    return line;
}

KeduContent KeduTextReader::ReadOpening(std::u16string_view line) {
    std::u16string_view inside = TagName(line);
    std::size_t blank = inside.find(u' ');
    std::u16string_view form = inside.substr(0, blank);
    LONG version = blank == std::u16string_view::npos ? 1 : VersionAttribute(inside.substr(blank));
    if (!KeduContent::IsFormName(form) || version == 0)
        Malformed(u"oczekiwano znacznika formularza \"<ZUS…>\" albo \"<ZUS… wersja=\"n\">\".");
    return KeduContent(std::u16string(form), version);
}

void KeduTextReader::ReadBlock(KeduContent& content, std::u16string_view tag) {
    std::shared_ptr<KeduBlock> block = content.BlockOfTag(tag);
    if (!block) Malformed(u"blok \"" + std::u16string(tag) + u"\" jest niedozwolony albo powtórzony.");
    std::u16string closing = u"</" + std::u16string(tag) + u">";
    LONG positions = 0;
    for (std::u16string_view line = NextLine(); line != closing; line = NextLine()) {
        if (++positions > KeduBlock::kMaxPosition)
            Malformed(u"blok " + std::u16string(tag) + u" ma więcej wierszy, niż blok może mieć pozycji.");
        if (!IsLineSafe(line))
            Malformed(u"w bloku " + std::u16string(tag) + u" wiersz zawiera znak CR lub LF albo znacznik (brak \"" +
                      closing + u"\"?).");
        block->AddLine(line);
    }
}

void KeduTextReader::RequireEnd() {
    if (AtEnd()) return;
    ++line_;
    Malformed(u"za zamknięciem dokumentu stoi dalszy tekst.");
}

KeduContent KeduTextReader::ReadDocument() {
    KeduContent content = ReadOpening(NextLine());
    std::u16string closing = u"</" + content.Form() + u">";
    for (std::u16string_view line = NextLine(); line != closing; line = NextLine()) {
        std::u16string_view tag = TagName(line);
        if (tag.empty() || tag.front() == u'/') Malformed(u"oczekiwano znacznika bloku albo \"" + closing + u"\".");
        ReadBlock(content, tag);
    }
    return content;
}

}  // namespace tlx::host
