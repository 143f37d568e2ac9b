#include "mv_deklaracje/kedu/KeduTextLimits.h"

#include "mv_deklaracje/core/TextLimits.h"

void CheckKeduTexts(const KeduPage::Block& block, std::span<const KeduTextLimit> limits,
                    const std::function<std::u16string()>& who, std::u16string_view documentBlock) {
    for (const KeduTextLimit& limit : limits) {
        const std::u16string_view text = limit.firstWord ? block.RawWord(limit.line) : block.TrimmedLine(limit.line);
        const bool pesel = limit.maxLength == kPeselDigits;
        if (pesel ? IsPeselOrEmpty(text) : text.size() <= limit.maxLength) continue;
        const std::u16string field = who() + u": " + std::u16string(documentBlock) + u"/" + std::u16string(limit.element);
        if (pesel) {
            SprawdzPesel(text, field);
        } else {
            SprawdzDlugosc(text, limit.maxLength, field);
        }
    }
}

std::u16string KeduPersonName(std::u16string_view role, const KeduPage::Block& block, int surnameLine) {
    return std::u16string(role) + u" " + std::u16string(block.TrimmedLine(surnameLine)) + u" " +
           std::u16string(block.TrimmedLine(surnameLine + 1));
}
