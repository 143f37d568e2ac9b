// The object behind the scripts' print(): writes a line to standard output as UTF-8.
#pragma once

#include "platform/com/Dispatch.h"

struct ITlxConsole : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{FEFDFED0-346F-43E8-9DB6-AB2DB3CDEA4B}");
    using Base = IDispatch;
    virtual HRESULT WriteLine(BSTR text) = 0;

protected:
    ~ITlxConsole() = default;
};

const tlx::DispatchTable& DispatchTableOf(ITlxConsole*);

class CTlxConsole final : public tlx::ComObject<CTlxConsole, tlx::Dispatch<ITlxConsole>> {
public:
    HRESULT WriteLine(BSTR text) override;
};
