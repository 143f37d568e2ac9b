// The database files a login's sessions open: made once when the operator signs in and shared by every
// session of the login, with the connection text of the company file that each session opens by.
#pragma once

#include <string>

#include "platform/com/Bstr.h"

namespace tlx::host {

class SessionFiles {
public:
    SessionFiles(std::string company, std::string config);

    const std::string& Company() const { return company_; }
    // The configuration database's file: the company file when the login names none.
    const std::string& Config() const { return config_.empty() ? company_ : config_; }
    BSTR CompanyConnectionText() const { return companyConnection_.Get(); }

private:
    std::string company_;
    std::string config_;
    Bstr companyConnection_;
};

}  // namespace tlx::host
