// The object's members that choose the signing channel and keep the certificate of local signing.
#include <charconv>

#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "platform/text/CodePage.h"

namespace {

// The host's code for an e-declaration object used without its login.
constexpr HRESULT kNoLogin = static_cast<HRESULT>(0x800575A2);

}  // namespace

bool CEDeklaracja::IsRemoteSigning() {
    if (!login_) RaiseComError(kNoLogin, GetHostErrorText(kNoLogin, CBstr(u"Nieustawiono obiektu Login.")).Str());
    tlx::ComPtr<IOperatorObject> op;
    CheckHost(login_->GetOperatorObject(op.Out()));
    if (!op) RaiseHResult(E_POINTER);
    LONG remote = 0;
    CheckHost(op->IsRemoteSession(&remote));
    return remote != 0;
}

// The certificate kept here is released whatever the component on the user's machine answers to
// forgetting its own: the next signing asks the component again in any case. Its refusal reaches the
// user as a message of the failed step, not as the call's answer.
HRESULT CEDeklaracja::UsunCertyfikat() {
    return ComBoundary([&] {
        if (IsRemoteSigning()) {  // the login is required before anything is released
            try {
                VirtualChannelSigning::ForgetCertificate();
            } catch (const VirtualChannelSigning::Failure& failure) {
                SendMessage(failure.text, kStepFailure);
            }
        }
        signing_.Release();
    });
}

// The channel carries the document's canonical text as UTF-16; a failure also becomes the object's
// message, so that a caller without a sink learns that nothing was signed.
std::string CEDeklaracja::SignOverVirtualChannel(const std::string& document, std::u16string_view /*unused*/) {
    try {
        return remote_.SignOverVirtualChannel(tlx::Utf8ToUtf16(document), serialMode_);
    } catch (const VirtualChannelSigning::Failure& failure) {
        message_ = failure.text;
        ActionFailed(message_);
        return {};
    }
}

void CEDeklaracja::SigningFailed(std::u16string_view text) {
    message_ = text;
    ActionFailed(message_);
}

void CEDeklaracja::SigningNote(std::u16string_view text, LONG level) {
    SendMessage(text, static_cast<MessageLevel>(level));
}

// The id is the configuration's text; only a whole number is put into the statement. The databases
// of an accounting office are rows of the configuration database, so the name is asked over its
// connection. The name only makes the dialog's owner known: a lookup that fails is reported, and the
// signing goes on without it.
std::u16string CEDeklaracja::CompanyDatabaseName() {
    std::string id = tlx::Utf16ToUtf8(gateway_.companyDatabaseId);
    long number = 0;
    auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), number);
    if (id.empty() || error != std::errc() || end != id.data() + id.size()) return {};
    const std::u16string text = tlx::Utf8ToUtf16(std::to_string(number));
    try {
        tlx::ComPtr<ISession> session;
        CheckHost(RequireLogin()->CreateSession(session.Out()));
        if (!session) RaiseHResult(E_POINTER);
        tlx::Variant name;
        std::u16string sql = u"SELECT Baz_Nazwa FROM TLX.Bazy WHERE Baz_BazID=" + text;
        ExecuteScalarSql(name.Out(), tlx::ComPtr<IDispatch>(session.Get()).Get(), sql.c_str(), true);
        return VariantToCString(name);
    } catch (const ComError& failure) {
        if (failure.Code() == E_ABORT) throw;
        std::u16string why = failure.Code() == kHostNoRow ? u"nie ma jej w konfiguracji" : failure.Description();
        if (why.empty()) why = FormatString(u"0x%x", static_cast<unsigned>(failure.Code()));
        SendMessage(u"Nie odczytano nazwy bazy firmowej biura o identyfikatorze " + text + u": " + why, kStepFailure);
        return {};
    }
}
