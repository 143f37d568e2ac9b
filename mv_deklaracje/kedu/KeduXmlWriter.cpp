#include "mv_deklaracje/kedu/KeduXmlWriter.h"

#include "mv_deklaracje/export/XmlEscape.h"
#include "mv_deklaracje/kedu/KeduPageText.h"

void KeduXmlWriter::Root(std::u16string_view name, int documentId) {
    text_ += u"<";
    text_ += name;
    text_ += u"  id_dokumentu=\"" + LongToString(documentId).Str() + u"\">";
}

void KeduXmlWriter::NumberedBlock(std::u16string_view name, int number) { Numbered(name, u"id_bloku", number); }

void KeduXmlWriter::Numbered(std::u16string_view name, std::u16string_view attribute, int number) {
    text_ += u"<";
    text_ += name;
    text_ += u" ";
    text_ += attribute;
    text_ += u"=\"" + LongToString(number).Str() + u"\">";
}

void KeduXmlWriter::Open(std::u16string_view name) {
    text_ += u'<';
    text_ += name;
    text_ += u'>';
}

void KeduXmlWriter::Close(std::u16string_view name) {
    text_ += u'<';
    text_ += u'/';
    text_ += name;
    text_ += u'>';
}

void KeduXmlWriter::Always(std::u16string_view name, const CBstr& value) {
    Open(name);
    text_ += value.View();
    Close(name);
}

void KeduXmlWriter::AlwaysText(std::u16string_view name, std::u16string_view text) {
    Open(name);
    AppendEscapedXml(text_, text);
    Close(name);
}

void KeduXmlWriter::AlwaysWritten(std::u16string_view name, std::u16string_view content) {
    Open(name);
    text_ += content;
    Close(name);
}

void KeduXmlWriter::IfSetText(std::u16string_view name, std::u16string_view text) {
    // Escaping may leave nothing of a text of characters XML cannot carry.
    if (NeedsXmlEscaping(text)) return IfSet(name, EscapeXmlText(CBstr(text), true));
    if (!text.empty()) AlwaysText(name, text);
}

void KeduXmlWriter::AlwaysDate(std::u16string_view name, std::u16string_view date, long year, long month) {
    // A date is read from its escaped text, as every other value of a page.
    if (NeedsXmlEscaping(date)) return Always(name, KeduDate(EscapeXmlText(CBstr(date), true), year, month));
    Open(name);
    AppendKeduDate(text_, date, year, month);
    Close(name);
}

void KeduXmlWriter::IfSet(std::u16string_view name, const CBstr& value) {
    if (!value.IsEmpty()) Always(name, value);
}

void KeduXmlWriter::If(bool condition, std::u16string_view name, const CBstr& value) {
    if (condition) Always(name, value);
}

void KeduXmlWriter::IfDate(std::u16string_view name, const CBstr& date) {
    if (IsDate(date)) Always(name, date);
}

bool IsDate(const CBstr& date) { return !(date == u"null"); }
