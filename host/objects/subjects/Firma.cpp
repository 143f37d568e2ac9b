#include "host/objects/subjects/Firma.h"

#include "host/HostError.h"
#include "host/config/SessionSettings.h"
#include "host/objects/payroll/Answers.h"
#include "host/objects/subjects/AdresFirmy.h"
#include "host/session/HostSession.h"

namespace tlx::host {

HRESULT CFirma::get_Adres(IPodAdres** address) {
    return AnswerObject(address, [&] {
        if (!session_) Fail(E_POINTER, u"Firma nie ma sesji");
        ComPtr<IHostSession> host = HostSessionOf(session_.Get());
        CAdresFirmy::Texts texts;
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = host->Settings().Setting(host->CompanyConnection(), CAdresFirmy::kKeys[i]).value_or(u"");
        return ComPtr<IPodAdres>(CAdresFirmy::Make(std::move(texts)));
    });
}

HRESULT CFirma::Initialize(ISession* session, LONG* state) {
    if (!session || !state) return E_POINTER;
    session_ = ComPtr<ISession>(session);
    *state = hostStateBusinessObject;
    return S_OK;
}

}  // namespace tlx::host
