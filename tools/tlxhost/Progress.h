// The host's progress sink for the scripts (the global "Postep"): a script attaches it to a declaration
// with AdviseProgress, and each progress event of the declaration is printed as a line.
#pragma once

#include "platform/com/ComObject.h"
#include "platform/com/Variant.h"

// The progress events a declaration fires, as the host receives them: a dispatch-only interface.
struct IProgressEventsSink : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{ADAD6691-4935-418F-B535-CD5EC669186B}");
    using Base = IDispatch;

protected:
    ~IProgressEventsSink() = default;
};

class CTlxProgress final : public tlx::ComObject<CTlxProgress, IProgressEventsSink> {
public:
    HRESULT GetTypeInfoCount(UINT* count) override;
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    // WillAction (0xB0), ActionCompleted (0xB1), ActionFailed (0xB2) and SendMessage (0x47F).
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override;
};
