// The interface of the test server's one class, shared by the server and the tests.
#pragma once

#include "platform/com/Unknown.h"

struct ICounter : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{5B1A3C1E-7A51-4D0B-9B38-2C3E0A6F0001}");
    using Base = IUnknown;
    virtual HRESULT Increment(LONG* value) = 0;
    // Fails with E_FAIL and an error object whose description is `text`.
    virtual HRESULT Fail(LPCOLESTR text) = 0;

protected:
    ~ICounter() = default;
};

inline constexpr CLSID CLSID_TestCounter = tlx::MakeGuid(u"{5B1A3C1E-7A51-4D0B-9B38-2C3E0A6F0002}");
inline constexpr char16_t kTestCounterProgId[] = u"TlxTest.Counter";
