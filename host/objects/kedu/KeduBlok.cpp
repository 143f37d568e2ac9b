#include "host/objects/kedu/KeduBlok.h"

#include "host/objects/kedu/KeduError.h"

namespace tlx::host {

HRESULT CKeduBlok::get_Item(LONG position, LONG repeat, VARIANT* value) {
    return KeduBoundary(IID_IKeduBlok, [&] {
        Require(value);
        VariantInit(value);
        if (HRESULT hr = VariantCopy(value, &block_->Get(position, repeat)); FAILED(hr)) throw HostError{hr};
    });
}

HRESULT CKeduBlok::put_Item(LONG position, LONG repeat, VARIANT value) {
    return KeduBoundary(IID_IKeduBlok, [&] { block_->Put(position, repeat, value); });
}

HRESULT CKeduBlok::get_Nazwa(BSTR* name) {
    return KeduBoundary(IID_IKeduBlok, [&] { *Require(name) = Bstr(block_->Name()).Detach(); });
}

}  // namespace tlx::host
