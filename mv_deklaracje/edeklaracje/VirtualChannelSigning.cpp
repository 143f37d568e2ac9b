#include "mv_deklaracje/edeklaracje/VirtualChannelSigning.h"

#include "hostapi/EDeclarations.h"
#include "mv_deklaracje/core/ComError.h"
#include "platform/com/Bstr.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ComPtr.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace {

constexpr char16_t kChannelName[] = u"{DB94ACDF-5FA3-45F7-AB4B-0CAE3ABCD43A}";
constexpr char16_t kNoComponent[] =
    u"Błąd połączenia kanału wirtualnego, spawdź czy zainstalowano komponent do lokalnego podpisywania dokumentów.";
constexpr char16_t kComponentError[] = u"Błąd po stronie klienta: ";
constexpr char16_t kUnknownError[] = u"Nieznany błąd po stronie klienta";

// The process's one channel client; callers reach it one at a time on the host's calling thread.
tlx::ComPtr<IVirtualChannelClient>& Client() {
    static tlx::ComPtr<IVirtualChannelClient> client;
    return client;
}

[[noreturn]] void Fail(std::u16string text) { throw VirtualChannelSigning::Failure{std::move(text)}; }

// The decimal length the component answers, read as the C runtime's atoi reads it: leading blanks and
// a sign, digits up to the first other character, none giving 0.
long long LeadingNumber(std::u16string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == u' ' || text[at] == u'\t')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) negative = text[at++] == u'-';
    long long value = 0;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9' && value < (1LL << 40); ++at)
        value = value * 10 + (text[at] - u'0');
    return negative ? -value : value;
}

bool IsBase64(std::u16string_view text) {
    for (char16_t c : text) {
        const bool plain = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
                           c == u'+' || c == u'/' || c == u'=' || c == u'\r' || c == u'\n';
        if (!plain) return false;
    }
    return true;
}

}  // namespace

void VirtualChannelSigning::CheckVirtualChannelResult(HRESULT result) {
    if (result == S_OK) return;
    Client().Reset();
    tlx::ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.Out()) != S_OK || !info) RaiseHResult(E_POINTER);
    tlx::Bstr description;
    info->GetDescription(description.Out());
    Fail(std::u16string(description.View()));
}

std::u16string VirtualChannelSigning::SendOverVirtualChannel(std::u16string_view command) {
    tlx::ComPtr<IVirtualChannelClient>& client = Client();
    if (!client) {
        tlx::ComPtr<IVirtualChannelClient> created;
        if (FAILED(CoCreateInstance(CLSID_VirtualChannelClient, nullptr, CLSCTX_ALL, IVirtualChannelClient::kIid,
                                    created.OutVoid())) ||
            !created || FAILED(OleRun(created.Get())))
            Fail(kNoComponent);
        // A channel nothing listens on means the component is not installed (or not running) on the
        // user's machine: the user is told what to do, not the system's reason.
        if (created->Connect(tlx::Bstr(kChannelName).Get()) != S_OK) Fail(kNoComponent);
        client = created;
    }
    tlx::Bstr reply;
    CheckVirtualChannelResult(client->Execute(tlx::Bstr(command).Get(), 0, reply.Out()));
    const std::u16string_view text = reply.View();
    if (text.starts_with(u"ok#")) return std::u16string(text.substr(3));
    if (text.starts_with(u"err#")) Fail(kComponentError + std::u16string(text.substr(4)));
    Fail(kUnknownError);
}

void VirtualChannelSigning::ForgetCertificate() { SendOverVirtualChannel(u"clearc#"); }

// The result's length is asked first; the pieces are read until it is reached. An empty piece before
// that, an empty result or one that is not Base64 is no signature.
std::string VirtualChannelSigning::SignOverVirtualChannel(std::u16string_view document, bool serial) {
    if (resetCertificate_) {
        ForgetCertificate();
        resetCertificate_ = false;
    }
    SendOverVirtualChannel(u"clear#");
    for (std::size_t at = 0;; at += kPieceLength) {
        SendOverVirtualChannel(u"put#" + std::u16string(document.substr(std::min(at, document.size()), kPieceLength)));
        if (document.size() - std::min(at, document.size()) < kPieceLength) break;
    }
    const long long length = LeadingNumber(SendOverVirtualChannel(serial ? u"sign#s" : u"sign#"));
    if (length <= 0) Fail(kUnknownError);
    std::u16string result;
    while (static_cast<long long>(result.size()) < length) {
        const std::u16string piece = SendOverVirtualChannel(u"get#" + tlx::Utf8ToUtf16(std::to_string(result.size())));
        if (piece.empty()) Fail(kUnknownError);
        result += piece;
    }
    if (!IsBase64(result)) Fail(kUnknownError);
    std::string bytes;
    bytes.reserve(result.size());
    for (char16_t unit : result) bytes += static_cast<char>(unit & 0xFF);
    return bytes;
}
