// The writer of every PFRON application document (the `wniosek` exchange envelope and the form inside
// it): one line of text, no indentation. Every attribute value passes through the export escaper, so a
// value of any kind reads back unchanged from the UTF-8 file, whatever characters it holds.
#pragma once

#include <string>
#include <string_view>

#include "mv_deklaracje/core/Bstr.h"

class SodWriter {
public:
    // The attributes of the envelope's `dokument` start tag that differ between documents.
    struct Document {
        long type = 0;                   // idTypu
        long version = 0;                // wersjaTypu
        std::u16string_view period;      // okresSprawozdawczy
        bool attachment = false;         // carries the empty idDokumentuGlownegoTemp
        std::u16string_view end = u">";  // what closes the start tag
    };

    static constexpr std::u16string_view kRootPlain = u"<wniosek>";
    static constexpr std::u16string_view kRootBlank = u"<wniosek >";
    static constexpr std::u16string_view kRootWithAttributes = u"<wniosek idWnioskuGlownego=\"\" stanWyslania=\"\">";

    // Appends text as it stands: tags and fixed attributes of the document's layout.
    SodWriter& Raw(std::u16string_view text);
    // Appends one blank, the name, "=" and the value, escaped, between double quotes.
    SodWriter& Attr(std::u16string_view name, std::u16string_view value);

    // The prolog, the root `root`, `pytanie` and `parametry`, then the `dokument` start tag and "<tresc>".
    SodWriter& OpenEnvelope(std::u16string_view root, const Document& document);
    // "</tresc>", the empty signature and the closing tags of `dokument`, `parametry`, `pytanie` and `wniosek`.
    SodWriter& CloseEnvelope();

    CBstr Take() { return CBstr(std::move(out_)); }

private:
    std::u16string out_;
};
