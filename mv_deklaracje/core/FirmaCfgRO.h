// FirmaCfgRO: a read-only view of the company's own data as the host's configuration holds it (tax
// number, name, address, representatives, tax offices, a few accounting settings). The declaration
// scripts reach it as the Firma property of their data service. Every property reads its key anew.
#pragma once

#include "TlxBus2.h"
#include "hostapi/Configuration.h"
#include "hostapi/Subjects.h"
#include "tlb/DispatchTables.h"

class CFirmaCfgRO final : public ISimpleObjectImpl<CFirmaCfgRO, IFirmaCfgRO> {
public:
    HRESULT get_NIP(BSTR* value) override;
    HRESULT get_RodzajPlatnika(BSTR* value) override;
    HRESULT get_Nazwa(BSTR* value) override;
    HRESULT get_Kraj(BSTR* value) override;
    HRESULT get_Wojewodztwo(BSTR* value) override;
    HRESULT get_Powiat(BSTR* value) override;
    HRESULT get_Gmina(BSTR* value) override;
    HRESULT get_Ulica(BSTR* value) override;
    HRESULT get_Nr_domu(BSTR* value) override;
    HRESULT get_Nr_Lokalu(BSTR* value) override;
    HRESULT get_Miasto(BSTR* value) override;
    HRESULT get_KodPocztowy(BSTR* value) override;
    HRESULT get_Poczta(BSTR* value) override;
    HRESULT get_ImieP(BSTR* value) override;
    HRESULT get_NazwiskoP(BSTR* value) override;
    HRESULT get_UrzadSkarbowy(IDispatch** office) override;
    HRESULT get_TypDzialalnosciPodstawowej(BSTR* value) override;
    HRESULT get_GeneracjaKorekcyjnaVAT7(LONG* value) override;
    HRESULT get_RejestrDlaGeneracjiKorekcyjnej(BSTR* value) override;
    HRESULT get_UrzadSkarbowyPIT8A(IDispatch** office) override;
    HRESULT get_RodzajKsiegowosci(LONG* value) override;
    HRESULT get_TypDokumentuDlaDeklaracji(LONG* value) override;
    HRESULT get_FormaPlatnosciDlaDeklaracji(LONG* value) override;
    HRESULT get_ImiePCIT8(BSTR* value) override;
    HRESULT get_NazwiskoPCIT8(BSTR* value) override;

    // The configuration's text of a key; the empty text when it is not set.
    CBstr GetText(const CBstr& key);
    // The text as a 32-bit number; the empty text gives 0, a text that is not a number is raised.
    long GetLong(const CBstr& key);
    // The tax office whose identifier the key holds; none for 0 or the empty text.
    tlx::ComPtr<IUrzad> GetUrzad(const CBstr& key);

private:
    CBstr RodzajPlatnika();
    HRESULT AnswerText(BSTR* out, const OLECHAR* key);
    HRESULT AnswerLong(LONG* out, const OLECHAR* key);
    HRESULT AnswerUrzad(IDispatch** out, const OLECHAR* key);

    // Created by the first read and kept for the life of the view.
    tlx::ComPtr<IKonfiguracja> configuration_;
};
