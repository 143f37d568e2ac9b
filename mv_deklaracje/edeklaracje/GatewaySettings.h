// The connection settings of one send or receipt request, read afresh from the host configuration:
// the exchange folder and the path built from it, the service's address and the proxy. A value that
// is not read keeps what an earlier read gave.
#pragma once

#include <string>

#include "platform/com/Types.h"

struct GatewaySettings {
    std::u16string exchangeFolder;   // "eDeklaracjeKatalogWymiany"
    std::u16string exchangePath;     // exchange folder / company / yyyymm /, empty without a folder
    std::u16string webServiceAddress;
    std::u16string companyDatabaseId;  // "BazaFirmowaBiura"
    LONG proxyActive = 0;
    std::u16string proxyAddress;
    std::u16string proxyPort;
    LONG proxyAuthorisation = 0;
    std::u16string proxyUser;
    std::u16string proxyPassword;
};
