// Standing a prepared object in for a class of the host (a component the module creates by CLSID or
// ProgID) while a test runs.
#pragma once

#include <optional>
#include <string_view>

#include "platform/com/ClassRegistry.h"
#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"

// A class object that hands out one prepared object: stands a scripted component in for the host's.
class CSingleObjectFactory final : public tlx::ComObject<CSingleObjectFactory, IClassFactory> {
public:
    tlx::ComPtr<IUnknown> object;
    int created = 0;
    HRESULT CreateInstance(IUnknown*, REFIID iid, void** out) override {
        ++created;
        return object->QueryInterface(iid, out);
    }
    HRESULT LockServer(BOOL) override { return S_OK; }
};

// Stands `object` in for the class of `clsid` and `progId` while it lives; null hides the class.
class StandIn {
public:
    StandIn(REFCLSID clsid, std::u16string_view progId, IUnknown* object) : factory_(CSingleObjectFactory::Make()) {
        factory_->object = tlx::ComPtr<IUnknown>(object);
        override_.emplace(clsid, progId, object ? static_cast<IUnknown*>(static_cast<IClassFactory*>(factory_.Get())) : nullptr);
    }
    int Created() const { return factory_->created; }

private:
    tlx::ComPtr<CSingleObjectFactory> factory_;
    std::optional<tlx::ScopedClassOverride> override_;
};
