#include "mv_deklaracje/core/HostLookups.h"

#include "hostapi/Login.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/ModuleGlobals.h"
#include "platform/com/ClassRegistry.h"

namespace {

constexpr char16_t kDefaultProductName[] = u"Velmora ERP Mirvak";
constexpr char16_t kZnHrProductName[] = u"Velmora ERP ZN HR";
constexpr char16_t kSorekHrProductName[] = u"Velmora ERP Sorek HR";

// Creates a host object; E_NOINTERFACE leaves it null, any other failure is raised.
template <class I>
tlx::ComPtr<I> CreateHostObject(REFCLSID clsid) {
    tlx::ComPtr<I> object;
    const HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IidOf<I>(), object.OutVoid());
    if (FAILED(hr) && hr != E_NOINTERFACE) RaiseHostFailure(hr);
    return object;
}

}  // namespace

tlx::ComPtr<IHrComponent> GetHrComponent() {
    tlx::ComPtr<IHrComponent>& component = Globals().hrComponent;
    if (!component) {
        CLSID clsid{};
        if (SUCCEEDED(CLSIDFromProgID(kProgIdErpHr, &clsid)))
            CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IidOf<IHrComponent>(), component.OutVoid());
    }
    return component;
}

CBstr GetHostProductName() {
    const tlx::ComPtr<IHrComponent> component = GetHrComponent();
    if (!component) RaiseHResult(E_POINTER);
    LONG kind = 0;
    CheckHost(component->GetProductKind(&kind));
    switch (kind) {
        case 1: return CBstr(kZnHrProductName);
        case 2: return CBstr(kSorekHrProductName);
        default: return CBstr(kDefaultProductName);
    }
}

tlx::ComPtr<IOperatorObject> GetHostOperator() {
    tlx::ComPtr<ILogin> login;
    CheckHost(CreateHostApplication()->GetLogin(login.Out()));
    if (!login) RaiseHResult(E_POINTER);
    tlx::ComPtr<IOperatorObject> op;
    CheckHost(login->GetOperatorObject(op.Out()));
    if (!op) RaiseHResult(E_POINTER);
    return op;
}

CDate GetHostToday() {
    DATE today = 0;
    CheckHost(GetHostOperator()->GetToday(&today));
    return CDate(today);
}

tlx::ComPtr<ICalendarRange> CreateDateRangeObject(const CDate& from, const CDate& to) {
    const tlx::ComPtr<ICalendar> calendar = CreateHostObject<ICalendar>(CLSID_CCalendar);
    if (from < to && from.Value() < CDate::kLast) {
        if (!calendar) RaiseHResult(E_POINTER);
        CheckHost(calendar->SetRange(from.Value(), to.Value()));
    }
    if (!calendar) return nullptr;
    tlx::ComPtr<ICalendarRange> range;
    const HRESULT hr = calendar.As(range);
    if (FAILED(hr) && hr != E_NOINTERFACE) RaiseHostFailure(hr);
    return range;
}

tlx::ComPtr<IKonfiguracja> CreateHostConfiguration(ISession* session) {
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<ISession2> session2;
    CheckHost(session->QueryInterface(IidOf<ISession2>(), session2.OutVoid()));
    tlx::ComPtr<ILogin> login;
    CheckHost(session2->get_Login(login.Out()));
    if (!login) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDispatch> object;
    CheckHost(login->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_Konfiguracja)).Get(), object.Out()));
    tlx::ComPtr<IKonfiguracja> configuration = object.As<IKonfiguracja>();
    if (!configuration) RaiseHResult(E_POINTER);
    return configuration;
}
