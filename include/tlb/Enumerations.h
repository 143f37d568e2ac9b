// The enumerations of the declarations type library. Each is a 32-bit value type as OLE Automation
// passes enumerations; the names are global, as the scripts and the host write them.
#pragma once

#include "platform/com/Types.h"

// Form type codes: the column DkN_TypDeklar and the first number of a form definition's name ("1/17").
// The codes a form definition exists for carry the name of its form; codes 7 and 31, 32 have none.
enum TypDeklarEnum : LONG {
    dekVAT7 = 1,
    dekPIT5 = 2,
    dekPIT4 = 3,
    dekZNPR = 4,
    dekPIT11 = 5,
    dekPIT8A = 6,
    dekCIT2 = 8,
    dekPIT40 = 9,
    dekIFT1 = 10,
    dekVATUE = 11,
    dekPIT5L = 12,
    dekVATUEA = 13,
    dekVATUEB = 14,
    dekPIT36 = 15,
    dekPIT36L = 16,
    dekCIT8 = 17,
    dekPIT4R = 18,
    dekPIT8AR = 19,
    dekPIT28 = 20,
    dekPIT8C = 21,
    dekVATUEK = 22,
    dekVATUEC = 23,
    dekIFT1R = 24,
    // Attachments of the PIT and CIT families: never children in a declaration's Deklaracje.
    dekPITB = 25,
    dekPIT28B = 26,
    dekPITO = 27,
    dekCITD = 28,
    dekCITST = 29,
    dekCITSTA = 30,
    dekVAT27 = 33,
    dekVAT27K = 34,
    dekPIT37 = 35,
    dekPITZG = 36,
    dekPITZ = 37,
    dekCITBR = 38,
    dekPITBR = 39,
    // ZUS registration forms.
    dekZUS_ZUA = 100,
    dekZUS_ZIUA = 101,
    dekZUS_ZCNA = 102,
    dekZUS_ZCZA = 103,
    dekZUS_ZWUA = 104,
    dekZUS_ZZA = 105,
    dekZUS_ZSWA = 106,
    // ZUS contribution declaration and its reports.
    dekZUS_DRA = 120,
    dekZUS_RCA = 121,
    dekZUS_RNA = 122,
    dekZUS_RZA = 123,
    dekZUS_RSA = 124,
    dekZUS_RGA = 125,
    dekZUS_IWA = 130,
    // PFRON applications and their per-employee attachments.
    dekPFRON_INFD = 300,
    dekPFRON_INFDP = 301,
    dekPFRON_WND = 310,
    dekPFRON_INFDP2 = 311,
    dekPFRON_WNU = 320,
    dekPFRON_INFUP = 321,
    dekAKC_WW = 401,
    dekVATZD_Z = 402,
    dekVATZD_S = 403,
    dekVAT9M = 404,
};

// The kind of a form field's value (the "typ" letter of a field definition).
enum DekElementTypEnum : LONG {
    detUndefined = 0,  // computed fields
    detCurrency = 1,   // "c"
    detFraction = 2,   // "f"
    detText = 3,       // "t"
    detDate = 4,       // "d"
    detInteger = 5,    // "i"
};

// Where a declaration stands in the tax authority's electronic filing.
enum StatusEDeklaracji : LONG {
    sedNieDotyczy = 0,    // the form or its period is not filed electronically
    sedDoWyslania = 1,    // to be sent
    sedPrzetwarzana = 2,  // sent, being processed by the service
    sedPrzetworzona = 3,  // processed
};

// The ZUS amounts that the reports of a DRA, IWA or ZSWA add up through their Wartosc members.
enum PoleDRAEnum : LONG {
    draBrak = 0,  // names no amount
    draEmerUbezp = 1,
    draEmerPlatnik = 2,
    draEmerBudzet = 3,
    draEmerPFRON = 4,
    draEmerFK = 5,
    draRentUbezp = 6,
    draRentPlatnik = 7,
    draRentBudzet = 8,
    draRentPFRON = 9,
    draRentFK = 10,
    draChorUbezp = 11,
    draChorPlatnik = 12,
    draChorPFRON = 13,
    draChorFK = 14,
    draWypadUbezp = 15,
    draWypadPlatnik = 16,
    draWypadPFRON = 17,
    draWypadFK = 18,
    draSwiadczeniaChor = 19,
    draSwiadczeniaWypad = 20,
    draSwiadczeniaBudzet = 21,
    draZdrowPlatnik = 22,
    draZdrowFK = 23,
    draPodstawaFP = 24,
    draPodstawaFGSP = 25,
    draPodstZdrowWyn = 26,
    draSklFep = 27,
    draSklZdrowFirma = 28,
    draChorBudzet = 29,
    draWypadBudzet = 30,
    draZdrowUbez = 31,
    draZdrowBudzet = 32,
};

// The route by which a ZUS declaration reaches its KEDU file.
enum FormatEksportuZUSEnum : LONG {
    expKEDU = 0,      // the host's KEDU component, from the declaration's own document text
    expXML = 1,       // the module's KEDU XML writers
    expMieszany = 2,  // a package mixing both routes
};

// The kind of taxpayer a document concerns.
enum PodatnikTypEnum : LONG {
    ptFirma = 0,
    ptPracownik = 3,
};

// The enumerations below are values for the scripts and the host; no member takes them.

// The codes of the RNA report.
enum KodRNAEnum : LONG {};

// The pension right of an employment record.
enum PrawoEmerRentEnum : LONG {
    perEmerytura = 1,
};

// The degree of disability of an employment record.
enum StNiepelnosprawnosciEnum : LONG {
    stnBrak = 0,
    stnLekki = 1,
    stnUmiarkowany = 2,
    stnZnaczny = 3,
};

// The filing deadline of the payer's ZUS declarations.
enum TerminDeklaracjiZUSEnum : LONG {
    tdzBrak = 0,
    tdzBudzetowa5 = 1,
    tdzOsobaFizyczna10 = 2,
    tdzPozostali15 = 3,
    tdzWspolnicy15 = 4,
    tdzProkuratorzy5 = 5,
};

// The host's document kinds (the source kind of an accounting document).
enum TypDokumentuEnum : LONG {
    dokDeklNag = 6,  // a declaration header
};
