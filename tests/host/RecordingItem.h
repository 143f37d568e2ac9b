// An item class for the collection tests ("TLX.TestPozycja", rows of TLX.Pozycje): it records every call
// the host makes on it, and fails its save in mode 7 when its row is named "ZLY".
#pragma once

#include <string>
#include <vector>

#include "hostapi/SessionDispatch.h"

struct ITestPozycja : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{C9CA472C-5D1B-4CC4-9141-EDB73CADD677}");
    using Base = IDispatch;
    virtual HRESULT get_Nazwa(BSTR* name) = 0;
    virtual HRESULT get_Numer(LONG* number) = 0;

protected:
    ~ITestPozycja() = default;
};

const tlx::DispatchTable& DispatchTableOf(ITestPozycja*);

namespace tlx::host::test {

inline constexpr CLSID CLSID_TestPozycja = tlx::MakeGuid(u"{0AFA13D8-D7A9-4962-A293-E9A7622DCC1D}");

// What the items were asked, in order: "bind 1 Pierwsza", "save 6 Pierwsza", "parent", "delete Druga" ...
std::vector<std::string>& RecordedCalls();
void RegisterTestPozycja();

}  // namespace tlx::host::test
