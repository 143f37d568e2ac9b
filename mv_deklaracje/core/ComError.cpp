#include "mv_deklaracje/core/ComError.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "platform/com/Bstr.h"
#include "platform/text/CodePage.h"

namespace {
tlx::ComPtr<IErrorInfo> TakeThreadError() {
    tlx::ComPtr<IErrorInfo> info;
    GetErrorInfo(0, info.Out());
    return info;
}

// One conversion of a format: "%[flags][width][.precision][length]type".
struct Conversion {
    std::string spec;  // the conversion as printf writes it, without the length modifier
    char type = 0;
    bool isLong = false;
};

std::size_t ParseConversion(const OLECHAR* format, std::size_t pos, Conversion& out) {
    out.spec = "%";
    while (format[pos] && std::u16string_view(u"-+ #0123456789.").find(format[pos]) != std::u16string_view::npos)
        out.spec += static_cast<char>(format[pos++]);
    while (format[pos] == u'l' || format[pos] == u'h') {
        out.isLong |= format[pos] == u'l';
        ++pos;
    }
    out.type = static_cast<char>(format[pos]);
    return format[pos] ? pos + 1 : pos;
}

template <class T>
std::u16string Print(const std::string& spec, T value) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, spec.c_str(), value);
    return tlx::Utf8ToUtf16(buffer);
}
}  // namespace

void RaiseComError(HRESULT hr, const OLECHAR* text) { RaiseComError(hr, std::u16string_view(text ? text : u"")); }

void RaiseComError(HRESULT hr, std::u16string_view text) {
    tlx::SetErrorText(hr, text);
    throw ComError(hr, TakeThreadError());
}

void RaiseComErrorFormat(HRESULT hr, const OLECHAR* format, ...) {
    va_list args;
    va_start(args, format);
    std::u16string message = FormatStringV(format, args);
    va_end(args);
    RaiseComError(hr, message);
}

void RaiseResourceError(UINT messageId, const CLSID& /*source*/, HINSTANCE resources) {
    UINT id = messageId & 0xFFFF;
    std::u16string text = LoadStringResource(resources, id);
    RaiseComError(static_cast<HRESULT>(0x80040000u | id), text.empty() ? u"Unknown Error" : text);
}

void RaiseHResult(HRESULT hr) { throw ComError(hr); }

void RaiseMissingObject(std::u16string_view what) {
    RaiseComError(E_POINTER, u"Nie przekazano obiektu: " + std::u16string(what) + u".");
}

void RaiseHostFailure(HRESULT hr) { throw ComError(hr, TakeThreadError()); }

HRESULT ReportComError(const ComError& e) {
    if (e.Info()) SetErrorInfo(0, e.Info());
    return e.Code();
}

std::u16string SourceUnitName(std::string_view fileName) {
    std::string_view name = fileName;
    if (auto slash = name.find_last_of("/\\"); slash != std::string_view::npos) name.remove_prefix(slash + 1);
    if (auto dot = name.find('.'); dot != std::string_view::npos) name = name.substr(0, dot);
    // Units named otherwise than their file.
    struct Renamed {
        std::string_view file;
        std::u16string_view unit;
    };
    static constexpr Renamed kRenamed[] = {
        {"Dra", u"DRA"},           {"DraExtImpl", u"IDraExtImpl"}, {"Iwa", u"IWA"},
        {"Zswa", u"ZSWA"},         {"KeduExportService", u"zus_eksporty"},
        {"Infd", u"infd"},         {"Wnd", u"wnd"},                {"Wnd3", u"wnd3"},
        {"Wnu", u"wnu"},
    };
    for (const Renamed& renamed : kRenamed)
        if (name == renamed.file) return std::u16string(renamed.unit);
    // Classes whose members are spread over files named after them.
    static constexpr std::string_view kSpread[] = {"EDeklaracja", "Deklaracja", "SerwisDeklaracji"};
    for (std::string_view unit : kSpread)
        if (name.starts_with(unit)) return tlx::Utf8ToUtf16(unit);
    return tlx::Utf8ToUtf16(name);
}

HRESULT ReportUnexpectedIn(std::u16string_view unit, const std::source_location& where) {
    std::u16string text = u"Nieoczekiwany błąd w " + std::u16string(unit) + u" (" +
                          tlx::Utf8ToUtf16(std::to_string(where.line())) + u")";
    return tlx::SetErrorText(E_UNEXPECTED, text);
}

HRESULT ReportUnexpected(const std::source_location& where) {
    return ReportUnexpectedIn(SourceUnitName(where.file_name()), where);
}

std::u16string LoadStringResource(HINSTANCE resources, UINT messageId) {
    // The table is a text resource of lines "id=text".
    auto table = tlx::FindResourceBytes(resources, "STRINGTABLE", "strings");
    if (!table) return {};
    std::string key = std::to_string(messageId) + "=";
    std::string_view rest = *table;
    while (!rest.empty()) {
        std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.starts_with(key)) return tlx::Utf8ToUtf16(line.substr(key.size()));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    return {};
}

std::u16string FormatStringV(const OLECHAR* format, va_list args) {
    std::u16string out;
    if (!format) return out;
    for (std::size_t pos = 0; format[pos];) {
        if (format[pos] != u'%') {
            out += format[pos++];
            continue;
        }
        if (format[pos + 1] == u'%') {
            out += u'%';
            pos += 2;
            continue;
        }
        Conversion c;
        pos = ParseConversion(format, pos + 1, c);
        switch (c.type) {
            case 'd':
            case 'i':
                out += c.isLong ? Print(c.spec + "ld", va_arg(args, long)) : Print(c.spec + "d", va_arg(args, int));
                break;
            case 'u':
            case 'x':
            case 'X':
                out += c.isLong ? Print(c.spec + "l" + c.type, va_arg(args, unsigned long))
                                : Print(c.spec + c.type, va_arg(args, unsigned));
                break;
            case 'f':
            case 'e':
            case 'g':
                out += Print(c.spec + c.type, va_arg(args, double));
                break;
            case 'c':
                out += static_cast<char16_t>(va_arg(args, int));
                break;
            case 's': {
                const OLECHAR* text = va_arg(args, const OLECHAR*);
                std::u16string value = text ? text : u"(null)";
                // Width and precision of a text conversion count characters.
                std::string spec = c.spec.substr(1);
                bool left = !spec.empty() && spec[0] == '-';
                if (left) spec.erase(0, 1);
                std::size_t dot = spec.find('.');
                if (dot != std::string::npos && dot + 1 <= spec.size())
                    value = value.substr(0, std::stoul("0" + spec.substr(dot + 1)));
                std::size_t width = std::stoul("0" + spec.substr(0, dot));
                if (value.size() < width) {
                    std::u16string pad(width - value.size(), u' ');
                    value = left ? value + pad : pad + value;
                }
                out += value;
                break;
            }
            default:
                out += u'%';  // an unknown conversion stands as written
                break;
        }
    }
    return out;
}

std::u16string FormatString(const OLECHAR* format, ...) {
    va_list args;
    va_start(args, format);
    std::u16string out = FormatStringV(format, args);
    va_end(args);
    return out;
}

std::u16string ComError::Description() const {
    if (!info_) return {};
    tlx::Bstr text;
    info_->GetDescription(text.Out());
    return std::u16string(text.View());
}
