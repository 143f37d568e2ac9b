#include "host/script/ClaSupport.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "host/HostError.h"
#include "platform/com/OleDate.h"
#include "platform/com/VariantConversion.h"
#include "platform/text/CodePage.h"

namespace tlx::host {
namespace {

std::u16string TextOf(BSTR text) { return std::u16string(text ? text : u"", SysStringLen(text)); }

// The trace channel is off unless asked for ($TLX_TRACE=1, set by `tlxhost run --trace`): a form's
// scripts trace every event, which is the developer's business, not the user's.
bool TraceOn() {
    const char* trace = std::getenv("TLX_TRACE");
    return trace && std::string_view(trace) == "1";
}

void Log(const char* kind, BSTR caption, BSTR text) {
    std::string line = std::string("tlxhost ") + kind + ": ";
    if (SysStringLen(caption)) line += Utf16ToUtf8(TextOf(caption)) + ": ";
    line += Utf16ToUtf8(TextOf(text));
    std::fprintf(stderr, "%s\n", line.c_str());
}

}  // namespace

HRESULT CClaSupport::Trace(BSTR text) {
    if (TraceOn()) Log("trace", nullptr, text);
    return S_OK;
}

HRESULT CClaSupport::Message(BSTR text, BSTR caption, LONG* answer) {
    Log("message", caption, text);
    if (answer) *answer = 1;  // OK
    return S_OK;
}

HRESULT CClaSupport::Format(VARIANT value, BSTR picture, BSTR* text) {
    return Boundary([&] {
        Require(text);
        std::u16string pic = TextOf(picture);
        if (value.vt == VT_NULL || value.vt == VT_EMPTY) {
            *text = Bstr(u"").Detach();
            return;
        }
        if (pic == u"@D17" || pic == u"@d17") {
            Variant date;
            Check(VariantChangeType(&date, &value, 0, VT_DATE));
            if (date.date == 0) {
                *text = Bstr(u"").Detach();
                return;
            }
            SYSTEMTIME t{};
            if (!VariantTimeToSystemTime(std::floor(date.date), &t)) Fail(DISP_E_OVERFLOW, u"Data poza zakresem");
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%02u.%02u.%04u", t.wDay, t.wMonth, t.wYear);
            *text = Bstr(Utf8ToUtf16(buffer)).Detach();
            return;
        }
        Variant converted;
        Check(VariantChangeType(&converted, &value, 0, VT_BSTR));
        *text = Bstr(TextOf(converted.bstrVal)).Detach();
    });
}

HRESULT CClaSupport::ShowDialogBox(BSTR text, BSTR caption, LONG defaultButton, LONG* answer) {
    Log("dialog", caption, text);
    if (answer) *answer = defaultButton;
    return S_OK;
}

}  // namespace tlx::host
