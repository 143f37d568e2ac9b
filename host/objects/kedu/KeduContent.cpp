#include "host/objects/kedu/KeduContent.h"

#include <array>

#include "host/objects/kedu/KeduError.h"
#include "platform/text/AsciiCase.h"

namespace tlx::host {
namespace {

struct RepeatedBlock {
    std::u16string_view form;
    std::u16string_view block;
};

// The forms that list insured persons or items in one repeated block each.
constexpr std::array<RepeatedBlock, 8> kRepeatedBlocks{{
    {u"ZUSRCA", u"DDORCA"},
    {u"ZUSRNA", u"DDORNA"},
    {u"ZUSRZA", u"DDORZA"},
    {u"ZUSRSA", u"DDORSA"},
    {u"ZUSRGA", u"DDORGA"},
    {u"ZUSZSWA", u"DDOZSWA"},
    {u"ZUSZCNA", u"DOCRA"},
    {u"ZUSZCZA", u"DOCRA"},
}};

bool IsLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::u16string Number(std::size_t value) {
    std::string text = std::to_string(value);
    return std::u16string(text.begin(), text.end());
}

}  // namespace

bool KeduContent::IsFormName(std::u16string_view form) {
    if (form.size() < 4 || form.substr(0, 3) != u"ZUS") return false;
    for (char16_t c : form.substr(3))
        if (!IsLetter(c)) return false;
    return true;
}

bool KeduContent::IsBlockName(std::u16string_view name) {
    if (name.empty()) return false;
    for (char16_t c : name)
        if (!IsLetter(c) && !IsDigit(c)) return false;
    return true;
}

KeduContent::KeduContent(std::u16string form, LONG version) : form_(std::move(form)), version_(version) {
    if (!IsFormName(form_))
        RefuseKedu(u"Nazwa formularza \"" + form_ + u"\" jest niedozwolona: oczekiwano \"ZUS\" i liter.");
    if (version_ < 1) RefuseKedu(u"Wersja schematu formularza " + form_ + u" musi być liczbą od 1.");
    for (const RepeatedBlock& entry : kRepeatedBlocks)
        if (EqualsIgnoringAsciiCase(entry.form, form_)) repeated_ = entry.block;
}

std::optional<std::u16string_view> KeduContent::RepeatSuffix(std::u16string_view name) const {
    if (repeated_.empty() || name.size() < repeated_.size() ||
        !EqualsIgnoringAsciiCase(name.substr(0, repeated_.size()), repeated_))
        return std::nullopt;
    std::u16string_view digits = name.substr(repeated_.size());
    for (char16_t c : digits)
        if (!IsDigit(c)) return std::nullopt;
    return digits;
}

std::shared_ptr<KeduBlock> KeduContent::Make(std::u16string name, bool appended) {
    auto block = std::make_shared<KeduBlock>(std::move(name));
    blocks_.push_back({block, appended});
    if (appended)
        appended_.push_back(block);
    else
        byName_.emplace(AsciiLowerCopy<char16_t>(block->Name()), block);
    return block;
}

std::shared_ptr<KeduBlock> KeduContent::Block(std::u16string_view name) {
    if (!IsBlockName(name))
        RefuseKedu(u"Nazwa bloku \"" + std::u16string(name) + u"\" jest niedozwolona: dozwolone są litery i cyfry.");
    if (std::optional<std::u16string_view> digits = RepeatSuffix(name)) {
        if (digits->empty()) return appended_.empty() ? Append() : appended_.front();
        std::size_t n = 0;
        for (char16_t c : *digits) n = n > appended_.size() ? n : n * 10 + static_cast<std::size_t>(c - u'0');
        if (n == 0 || n > appended_.size())
            RefuseKedu(u"Blok " + std::u16string(name) + u" nie istnieje: formularz " + form_ + u" ma " +
                       Number(appended_.size()) + u" bloków " + std::u16string(repeated_) + u" (liczonych od 1).");
        return appended_[n - 1];
    }
    auto found = byName_.find(AsciiLowerCopy(name));
    if (found != byName_.end()) return found->second;
    return Make(std::u16string(name), false);
}

std::shared_ptr<KeduBlock> KeduContent::Append() {
    if (repeated_.empty()) RefuseKedu(u"Formularz " + form_ + u" nie ma bloku wielokrotnego.");
    return Make(std::u16string(repeated_) + Number(appended_.size() + 1), true);
}

std::shared_ptr<KeduBlock> KeduContent::BlockOfTag(std::u16string_view tag) {
    if (!IsBlockName(tag)) return nullptr;
    if (std::optional<std::u16string_view> digits = RepeatSuffix(tag)) return digits->empty() ? Append() : nullptr;
    if (byName_.contains(AsciiLowerCopy(tag))) return nullptr;
    return Make(std::u16string(tag), false);
}

std::u16string KeduContent::Text() const {
    std::u16string out = u"<" + form_;
    if (version_ > 1) out += u" wersja=\"" + Number(static_cast<std::size_t>(version_)) + u"\"";
    out += u">\r\n";
    for (const Entry& entry : blocks_)
        entry.block->AppendText(out, entry.appended ? repeated_ : std::u16string_view(entry.block->Name()));
    out += u"</" + form_ + u">\r\n";
    return out;
}

}  // namespace tlx::host
