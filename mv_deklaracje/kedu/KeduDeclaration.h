// The declaration a KEDU document is written of: looked up by its identifier in the module's
// declarations through the calling object's session, its stored page text gathered over a host
// session of its own, page after page in their order.
#pragma once

#include <string>

#include "hostapi/Collections.h"
#include "hostapi/Session.h"
#include "platform/com/ComPtr.h"
#include "tlb/Deklaracja.h"

class KeduDeclaration {
public:
    // A declaration the collection does not hold raises the collection's error; no session, no
    // collection or no declaration raises E_POINTER.
    KeduDeclaration(ISession* session, long id);

    long Id() const { return id_; }
    long TypDeklar() const;
    long Wersja() const;
    long Rok() const;
    long Miesiac() const;
    IDeklaracja2* Declaration() const { return declaration_.Get(); }

    // The page rows joined in the order of their page numbers, so that a block split between two pages
    // reads whole. A page row without text fails its conversion with DISP_E_TYPEMISMATCH.
    std::u16string ReadPageText() const;

private:
    long id_;
    tlx::ComPtr<IDeklaracja2> declaration_;
};
