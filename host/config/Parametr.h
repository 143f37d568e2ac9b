// A configuration value valid at a date (IKonfiguracja::GetParametr).
#pragma once

#include "hostapi/ConfigurationDispatch.h"

namespace tlx::host {

class CParametr final : public ComObject<CParametr, Dispatch<IParametr>> {
public:
    CParametr(Variant value, DATE from) : value_(std::move(value)), from_(from) {}
    HRESULT get_Value(VARIANT* value) override;
    HRESULT get_DataOd(DATE* from) override;

private:
    Variant value_;
    DATE from_;
};

}  // namespace tlx::host
