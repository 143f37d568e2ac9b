// The host's for-each cursor over a collection (CHostEnumerator): walks the collection's _NewEnum.
#pragma once

#include "hostapi/CollectionsDispatch.h"
#include "platform/com/Enumerators.h"

namespace tlx::host {

class CHostEnumerator final : public ComObject<CHostEnumerator, Dispatch<IHostEnumerator>> {
public:
    HRESULT Initialize(IDispatch* collection) override;
    HRESULT IsEnd(VARIANT_BOOL* end) override;
    HRESULT get_Current(IDispatch** item) override;
    HRESULT MoveNext() override;

private:
    HRESULT Fetch();

    ComPtr<IEnumVARIANT> enumerator_;
    ComPtr<IDispatch> current_;
};

}  // namespace tlx::host
