// How a host folder registers its classes with the process's class registry: one call per class, and
// the first failure of a folder's list as its answer.
#pragma once

#include <initializer_list>
#include <string_view>

#include "platform/com/ClassRegistry.h"
#include "platform/com/ComObject.h"

namespace tlx::host {

template <class T>
HRESULT RegisterHostClass(REFCLSID clsid, std::u16string_view progId) {
    ComPtr<IClassFactory> factory;
    if (HRESULT hr = ClassFactory<T>::Get(IID_IClassFactory, factory.OutVoid()); FAILED(hr)) return hr;
    DWORD cookie = 0;
    return RegisterProcessClass(clsid, progId, factory.Get(), &cookie);
}

inline HRESULT FirstFailure(std::initializer_list<HRESULT> results) {
    for (HRESULT hr : results)
        if (FAILED(hr)) return hr;
    return S_OK;
}

}  // namespace tlx::host
