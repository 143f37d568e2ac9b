#include "mv_deklaracje/core/TextResources.h"

#include "platform/text/CodePage.h"

CBstr LoadTextResource(const char* name, const char* type, HMODULE module) {
    if (!name || !type || !module) return CBstr(u"");
    const auto bytes = tlx::FindResourceBytes(module, type, name);
    if (!bytes) return CBstr(u"");
    std::string_view text = *bytes;
    // A byte-order mark an editor may have put first marks the encoding; it is not part of the text.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    return CBstr(tlx::Utf8ToUtf16(text));
}
