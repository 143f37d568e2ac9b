// The VAT-ZD attachment of a VAT-7 e-declaration: the items of the month's final, locked VAT-ZD notice
// written into the transformed VAT-7 under "Zalaczniki/Wniosek_VAT-ZD/PozycjeSzczegolowe", one row
// per invoice and due date with its summed corrections, followed by the notice's two totals.
#pragma once

#include <string>

#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ComPtr.h"
#include "platform/xml/XmlDom.h"

// One row of the attachment: the accumulator of the items of one invoice and due date.
struct PozycjaVatZd {
    std::u16string P_BB;   // the contractor's name
    std::u16string P_BC;   // the contractor's NIP
    std::u16string P_BD1;  // the invoice number; empty while no row is open
    CDate P_BD2;           // issue date
    CDate P_BE;            // payment due date
    CMoney P_BF;           // net correction
    CMoney P_BG;           // VAT correction
};

class VATZD_Edekl {
public:
    VATZD_Edekl(IXMLDOMDocument* document, IDeklaracja2* declaration, LONG formVersion);
    virtual ~VATZD_Edekl() = default;

    // Writes the rows and totals and answers the notice they come from; does nothing (and answers null)
    // unless the VAT-7 (version 13 on) says a notice goes with it.
    tlx::ComPtr<IDeklaracja2> GenerujZalacznik();
    // The final VAT-ZD notice of the VAT-7's month, locked and holding a correcting item; null when the
    // VAT-7 (version 13 on) does not say a notice goes with it. A missing notice raises 0x800577DA, one
    // not locked or without a correcting item 0x800577DC, each with the host's text.
    tlx::ComPtr<IDeklaracja2> AccompanyingNotice();

private:
    tlx::ComPtr<IXMLDOMNode> UtworzElement(std::u16string_view name, std::u16string_view text, std::u16string_view ns);
    void DodajPozycje(const PozycjaVatZd& row, IXMLDOMNode* parent, std::u16string_view ns);
    bool JestZapisKorekcyjny(LONG declarationId);
    tlx::ComPtr<IDeklaracja2> FindNotice(LONG yearMonth);
    [[noreturn]] void RaiseNoticeMissing(LONG year, LONG month);

    tlx::ComPtr<IXMLDOMDocument> document_;
    tlx::ComPtr<IDeklaracja2> declaration_;
    LONG formVersion_;
};
