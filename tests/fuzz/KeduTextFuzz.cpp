// Fuzzes the reader of KEDU document texts (a document's FromString, the documents of a file's Save).
// A document it reads must write a text that reads back as the same document: ToString after
// FromString is how scripts copy documents.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/objects/kedu/KeduError.h"
#include "host/objects/kedu/KeduTextReader.h"
#include "platform/text/CodePage.h"

namespace {

std::u16string TextOrTrap(const tlx::host::KeduContent& content) {
    try {
        return content.Text();
    } catch (const tlx::host::KeduError&) {
        __builtin_trap();  // a document that was read cannot be written
    }
}

void CheckWrittenTextReadsBack(const tlx::host::KeduContent& content) {
    std::u16string written = TextOrTrap(content);
    try {
        tlx::host::KeduTextReader reader(written);
        tlx::host::KeduContent again = reader.ReadDocument();
        reader.RequireEnd();
        if (TextOrTrap(again) != written) __builtin_trap();
    } catch (const tlx::host::KeduError&) {
        __builtin_trap();  // the reader refuses what the writer wrote
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text = tlx::Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        for (tlx::host::KeduTextReader reader(text); !reader.AtEnd();)
            CheckWrittenTextReadsBack(reader.ReadDocument());
    } catch (const tlx::host::KeduError&) {
        // A text out of the form: refused naming its line.
    }
    return 0;
}
