#include "mv_deklaracje/deklaracje/DekPdfKolekcja.h"

#include "mv_deklaracje_tlb.h"
#include "platform/com/ClassRegistry.h"

namespace {
constexpr char16_t kIdColumn[] = u"RPO2_RPO2ID";
constexpr char16_t kSql[] = u"SELECT * FROM TLX.RptObrazy2";
}  // namespace

void CDekPdfKolekcja::OnInitialize() {
    tlx::ComPtr<ICollectionSetup> setup;
    HRESULT hr =
        CoCreateInstance(CLSID_CChildCollection, nullptr, CLSCTX_ALL, IidOf<ICollectionSetup>(), setup.OutVoid());
    if (FAILED(hr) && hr != E_NOINTERFACE) RaiseHostFailure(hr);
    if (!setup) RaiseHResult(E_POINTER);

    tlx::ComPtr<IInitializeSession> initialize;
    hr = setup->QueryInterface(IidOf<IInitializeSession>(), initialize.OutVoid());
    if (FAILED(hr) && hr != E_NOINTERFACE) RaiseHostFailure(hr);
    if (initialize) {
        LONG state = 0;
        CheckHost(initialize->Initialize(GetSession().Get(), &state));
    }

    tlx::ComPtr<IDispatch> collection = setup.As<IDispatch>();
    if (!collection) RaiseHResult(E_NOINTERFACE);
    CheckHost(putref_Collection(collection.Get()));

    CheckHost(setup->put_ItemClass(tlx::Bstr(tlx::GuidToText(CLSID_DekPdf)).Get()));
    CheckHost(setup->put_IdColumn(tlx::Bstr(kIdColumn).Get()));
    CheckHost(setup->put_ReadOnly(VARIANT_FALSE));
    CheckHost(setup->put_SQL(tlx::Bstr(kSql).Get()));
    CheckHost(setup->put_AutoSave(VARIANT_TRUE));
}
