#include "mv_deklaracje/core/ObjectMapEntry.h"

namespace {
struct ClassNotAvailable {
    static HRESULT CreateObject(IUnknown* /*outer*/, REFIID /*iid*/, void** out) {
        if (!out) return E_POINTER;
        *out = nullptr;
        return CLASS_E_CLASSNOTAVAILABLE;
    }
};
}  // namespace

HRESULT ClassNotAvailableObject(REFIID iid, void** out) { return tlx::ClassFactory<ClassNotAvailable>::Get(iid, out); }
