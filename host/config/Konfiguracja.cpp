#include "host/config/Konfiguracja.h"

#include "host/HostError.h"
#include "host/config/ConfigurationStore.h"
#include "host/config/Parametr.h"
#include "host/config/SessionSettings.h"
#include "host/session/HostSession.h"

namespace tlx::host {
namespace {

std::u16string TextOf(BSTR text) { return std::u16string(text ? text : u"", SysStringLen(text)); }

}  // namespace

Connection* CKonfiguracja::Database() {
    if (!session_) Fail(E_POINTER, u"Konfiguracja nie ma sesji");
    return HostSessionOf(session_.Get())->CompanyConnection();
}

SessionSettings& CKonfiguracja::Settings() {
    if (!session_) Fail(E_POINTER, u"Konfiguracja nie ma sesji");
    return HostSessionOf(session_.Get())->Settings();
}

HRESULT CKonfiguracja::GetValue(BSTR key, BSTR* value) {
    return Boundary([&] {
        Require(value);
        *value = Bstr(Settings().Setting(Database(), TextOf(key)).value_or(u"")).Detach();
    });
}

HRESULT CKonfiguracja::GetParametr(BSTR key, DATE date, IParametr** parametr) {
    return Boundary([&] {
        Require(parametr);
        std::u16string name = TextOf(key);
        if (std::optional<DatedValue> dated = Settings().DatedSetting(Database(), name, date)) {
            *parametr = CParametr::Make(Variant::FromString(dated->value), dated->from).Detach();
        } else if (std::optional<std::u16string> plain = Settings().Setting(Database(), name)) {
            *parametr = CParametr::Make(Variant::FromString(*plain), 0).Detach();
        } else {
            *parametr = CParametr::Make(Variant(), 0).Detach();
        }
    });
}

HRESULT CKonfiguracja::Initialize(ISession* session, LONG* state) {
    if (!session || !state) return E_POINTER;
    session_ = ComPtr<ISession>(session);
    *state = hostStateBusinessObject;
    return S_OK;
}

}  // namespace tlx::host
