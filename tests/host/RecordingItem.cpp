#include "RecordingItem.h"

#include "host/Database.h"
#include "host/HostError.h"
#include "hostapi/Framework.h"
#include "platform/com/ClassRegistry.h"
#include "platform/text/CodePage.h"

const tlx::DispatchTable& DispatchTableOf(ITestPozycja*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&ITestPozycja::get_Nazwa>(u"Nazwa", 1),
        tlx::DispGet<&ITestPozycja::get_Numer>(u"Numer", 2),
    };
    return table;
}

namespace tlx::host::test {
namespace {

class CTestPozycja final : public ComObject<CTestPozycja, Dispatch<ITestPozycja>, IInitializeSession, IInitializeRS,
                                            IInitializeParent, ISaveable, IOnDeleteObject, IIdentity,
                                            IInitializeClone> {
public:
    HRESULT get_Nazwa(BSTR* name) override {
        *name = Bstr(Name()).Detach();
        return S_OK;
    }
    HRESULT get_Numer(LONG* number) override {
        *number = ReadLong(recordset_.Get(), u"Poz_Numer");
        return S_OK;
    }
    HRESULT get_ID(LONG* id) override {
        *id = ReadLong(recordset_.Get(), u"Poz_PozID");
        return S_OK;
    }
    HRESULT Initialize(ISession* session, LONG* state) override {
        *state = session ? 2 : 0;
        return S_OK;
    }
    HRESULT BindRecordset(Recordset* recordset, LONG mode, BSTR) override {
        recordset_ = ComPtr<Recordset>(recordset);
        Record("bind " + std::to_string(mode) + " " + (AtEnd(recordset) ? std::string("-") : Utf16ToUtf8(Name())));
        return S_OK;
    }
    HRESULT GetRecordset(Recordset** recordset) override { return recordset_.CopyTo(recordset); }
    HRESULT InitializeParent(IDispatch*) override {
        Record("parent");
        return S_OK;
    }
    HRESULT get_ROSaveMode(LONG* mode) override {
        *mode = 0;
        return S_OK;
    }
    HRESULT put_ROSaveMode(LONG) override { return S_OK; }
    HRESULT Save(LONG mode) override {
        std::string name = Utf16ToUtf8(Name());
        Record("save " + std::to_string(mode) + " " + name);
        if (mode == 7 && name == "ZLY") return SetErrorText(E_FAIL, u"Zły wiersz");
        return S_OK;
    }
    HRESULT BeforeDelete(LONG) override {
        Record("before-delete " + Utf16ToUtf8(Name()));
        return S_OK;
    }
    HRESULT InitializeClone(Recordset* pattern) override {
        std::u16string name = ReadText(pattern, u"Poz_Nazwa");
        Record("clone " + Utf16ToUtf8(name));
        WriteField(recordset_.Get(), u"Poz_Nazwa", Variant::FromString(name + u" (kopia)"));
        return S_OK;
    }
    HRESULT AfterDelete(LONG) override {
        Record("after-delete");
        return S_OK;
    }

private:
    std::u16string Name() {
        try {
            return ReadText(recordset_.Get(), u"Poz_Nazwa");
        } catch (const HostError&) {
            return u"?";
        }
    }
    static void Record(std::string call) { RecordedCalls().push_back(std::move(call)); }

    ComPtr<Recordset> recordset_;
};

}  // namespace

std::vector<std::string>& RecordedCalls() {
    static std::vector<std::string> calls;
    return calls;
}

void RegisterTestPozycja() {
    static bool done = [] {
        ComPtr<IClassFactory> factory;
        ClassFactory<CTestPozycja>::Get(IID_IClassFactory, factory.OutVoid());
        DWORD cookie = 0;
        return SUCCEEDED(RegisterProcessClass(CLSID_TestPozycja, u"TLX.TestPozycja", factory.Get(), &cookie));
    }();
    (void)done;
}

}  // namespace tlx::host::test
