#include "host/session/SessionFiles.h"

#include "host/Database.h"

namespace tlx::host {

SessionFiles::SessionFiles(std::string company, std::string config)
    : company_(std::move(company)), config_(std::move(config)), companyConnection_(ConnectionText(company_)) {}

}  // namespace tlx::host
