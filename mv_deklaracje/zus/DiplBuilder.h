// The payer-identification block of a ZUS document (positions 1 to 9: NIP, REGON, PESEL, the kind and
// number of an identity document, the short name, the surname, the first name, the date of birth),
// computed from the company configuration or from one person's record, or copied from the block
// "DIPL" of another declaration. Made on the caller's stack for one block.
#pragma once

#include "hostapi/Configuration.h"
#include "hostapi/Kedu.h"
#include "hostapi/Payroll.h"
#include "include/tlb/Deklaracja.h"
#include "mv_deklaracje/core/Bstr.h"
#include "platform/com/ComPtr.h"

class CDiplBuilder {
public:
    // From the configuration, for the company (`etat` null) or for the person of that record; reads
    // "/Firma/Płace/ZUS/Nazwa firmy na deklaracji". A null configuration raises E_POINTER.
    CDiplBuilder(IKonfiguracja* konfiguracja, IPracEtat* etat, bool regonWlasciciela);
    // A copy of the block "DIPL" of `zrodlo`'s document.
    explicit CDiplBuilder(IDeklaracja2* zrodlo);
    CDiplBuilder(const CDiplBuilder&) = delete;
    CDiplBuilder& operator=(const CDiplBuilder&) = delete;

    // The configuration's text setting `key`.
    CBstr GetConfigText(const OLECHAR* key) const;

    // The copy when a source declaration is given, else the computed block.
    void Fill(IKeduBlok* blok);
    void FillCopy(IKeduBlok* blok);
    void FillComputed(IKeduBlok* blok);
    // From the company settings alone ("FirmaNIP", "FirmaREGON", "FirmaPESEL" ...).
    void FillFromCompany(IKeduBlok* blok);

private:
    bool ReadFlag(const OLECHAR* key) const;
    bool IsNaturalPerson() const;
    // Positions 4 and 5 from the configuration's identity card, else its passport; neither: untouched.
    void PutConfigDocument(IKeduBlok* blok) const;
    // Position 9 from the configuration's "Data urodzenia" when it is not empty.
    void PutConfigBirthDate(IKeduBlok* blok) const;
    void PutPersonPath(IKeduBlok* blok);
    void PutCompanyPath(IKeduBlok* blok);
    bool RegonAllowed() const;

    // Released in reverse order: the source declaration, the person record, the configuration.
    tlx::ComPtr<IKonfiguracja> konfiguracja_;
    tlx::ComPtr<IPracEtat> etat_;
    bool nazwaFirmyNaDeklaracji_ = false;
    tlx::ComPtr<IDeklaracja2> zrodlo_;
    bool regonWlasciciela_ = false;
};
