// The object's members that keep or report its state, and the four progress events.
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"

namespace {

bool IsNameStart(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_' || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

bool IsNameChar(char16_t c) {
    return IsNameStart(c) || (c >= u'0' && c <= u'9') || c == u'-' || c == u'.' || c == 0xB7;
}

// An element name without a prefix: the attributes become elements of the module's document.
bool IsElementName(std::u16string_view name) {
    if (name.empty() || !IsNameStart(name[0])) return false;
    for (char16_t c : name)
        if (!IsNameChar(c)) return false;
    return true;
}

std::u16string_view View(BSTR text) { return text ? std::u16string_view(text, SysStringLen(text)) : std::u16string_view(); }

}  // namespace

CEDeklaracja::CEDeklaracja(HMODULE resources)
    : resources_(resources), progress_(AddConnectionPoint(DIID__IProgressEvents)) {
    AddConnectionPoint(DIID__IDisplayEvents);  // offered to the host, never fired
}


// The first value given for a name stays; every later build writes the pairs into its document.
HRESULT CEDeklaracja::DodajAtrybut(BSTR _sElement, BSTR _sWartosc) {
    return ComBoundary([&] {
        std::u16string name(View(_sElement));
        if (!IsElementName(name))
            RaiseComError(E_INVALIDARG, u"Nazwa atrybutu e-deklaracji \"" + name + u"\" nie jest poprawną nazwą elementu XML.");
        attributes_.emplace(std::move(name), std::u16string(View(_sWartosc)));
    });
}

HRESULT CEDeklaracja::SprawdzUstawieniaRegionalne() {
    return ComBoundary([&] { CheckRegionalSettings(); });
}

HRESULT CEDeklaracja::KomunikatBledu(BSTR /*sSciezka*/, BSTR* sKomunikat) {
    return ComBoundary([&] {
        RequireOut(sKomunikat);  // before the text is made, so a null pointer leaks nothing
        *sKomunikat = CBstr(u"").Copy();
    });
}

HRESULT CEDeklaracja::get_Login(IDispatch** login) {
    return ComBoundary([&] {
        RequireOut(login);
        *login = login_ ? tlx::ComPtr<IDispatch>(login_.Get()).Detach() : nullptr;
    });
}

HRESULT CEDeklaracja::put_Login(IDispatch* login) {
    return ComBoundary([&] {
        tlx::ComPtr<ILogin> given;
        if (login) CheckHost(login->QueryInterface(IidOf<ILogin>(), given.OutVoid()));
        login_ = given;
    });
}

// One sink at a time: an earlier one is detached first.
HRESULT CEDeklaracja::AdviseProgress(IUnknown* _Progress) {
    return ComBoundary([&] {
        UnAdviseProgress();
        DWORD cookie = 0;
        CheckHost(progress_.Advise(_Progress, &cookie));
        adviseCookie_ = cookie;
        advised_ = true;
    });
}

HRESULT CEDeklaracja::UnAdviseProgress() {
    if (adviseCookie_ != 0) progress_.Unadvise(adviseCookie_);
    adviseCookie_ = 0;
    advised_ = false;
    return S_OK;
}

HRESULT CEDeklaracja::get_EPodpisana(LONG* value) {
    return ComBoundary([&] { *RequireOut(value) = signed_ ? 1 : 0; });
}
HRESULT CEDeklaracja::put_EPodpisana(LONG value) {
    signed_ = value != 0;
    return S_OK;
}
HRESULT CEDeklaracja::get_ETrybSeryjny(LONG* value) {
    return ComBoundary([&] { *RequireOut(value) = serialMode_ ? 1 : 0; });
}
HRESULT CEDeklaracja::put_ETrybSeryjny(LONG value) {
    serialMode_ = value != 0;
    return S_OK;
}
HRESULT CEDeklaracja::get_EInfo(BSTR* value) {
    return ComBoundary([&] {
        RequireOut(value);
        *value = CBstr(info_).Copy();
    });
}
HRESULT CEDeklaracja::get_EBlad(LONG* value) {
    return ComBoundary([&] { *RequireOut(value) = failure_; });
}

void CEDeklaracja::Fire(DISPID event, std::vector<tlx::Variant> args) {
    if (!advised_) return;
    CheckHost(progress_.Fire(event, args));
}

void CEDeklaracja::WillAction(std::u16string_view text) {
    Fire(_IProgressEvents::Dispid::WillAction, {tlx::Variant::FromString(text)});
}
void CEDeklaracja::ActionCompleted(std::u16string_view text) {
    Fire(_IProgressEvents::Dispid::ActionCompleted, {tlx::Variant::FromString(text)});
}
void CEDeklaracja::ActionFailed(std::u16string_view text) {
    Fire(_IProgressEvents::Dispid::ActionFailed, {tlx::Variant::FromString(text)});
}
void CEDeklaracja::SendMessage(std::u16string_view text, MessageLevel level) {
    Fire(_IProgressEvents::Dispid::SendMessage, {tlx::Variant::FromLong(level), tlx::Variant::FromString(text)});
}

void CEDeklaracja::StartEntryPoint(IDeklaracja2* declaration) {
    message_.clear();
    info_.clear();
    failure_ = 0;
    filing_.reset();
    RequireObject(declaration, u"deklaracja");
}

tlx::ComPtr<ILogin> CEDeklaracja::RequireLogin() const {
    if (!login_) RaiseHResult(E_POINTER);
    return login_;
}
