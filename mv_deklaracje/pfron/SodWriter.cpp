#include "mv_deklaracje/pfron/SodWriter.h"

#include "mv_deklaracje/export/XmlEscape.h"

namespace {
constexpr std::u16string_view kProlog = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
constexpr std::u16string_view kRequest = u"<pytanie bilet=\"\" kanal=\"3\" login=\"\"><parametry>";
constexpr std::u16string_view kClosing =
    u"</tresc><podpisy><podpis podpis=\"\"/></podpisy></dokument></parametry></pytanie></wniosek>";
}  // namespace

SodWriter& SodWriter::Raw(std::u16string_view text) {
    out_ += text;
    return *this;
}

SodWriter& SodWriter::Attr(std::u16string_view name, std::u16string_view value) {
    out_ += u' ';
    out_ += name;
    out_ += u"=\"";
    AppendEscapedXml(out_, value);
    out_ += u'"';
    return *this;
}

SodWriter& SodWriter::OpenEnvelope(std::u16string_view root, const Document& d) {
    Raw(kProlog).Raw(root).Raw(kRequest).Raw(u"<dokument czyOdrzucic=\"N\" czyZmienicStan=\"T\"");
    if (d.attachment) Attr(u"idDokumentuGlownegoTemp", u"");
    Attr(u"idDokumentuTemp", u"").Attr(u"idOddzialu", u"").Attr(u"idPracodawcy", u"").Attr(u"idStanu", u"0");
    Attr(u"idTypu", LongToString(d.type).View()).Attr(u"okresSprawozdawczy", d.period);
    Attr(u"sposobWymiany", u"E").Attr(u"wersjaTypu", LongToString(d.version).View());
    return Raw(d.end).Raw(u"<tresc>");
}

SodWriter& SodWriter::CloseEnvelope() { return Raw(kClosing); }
