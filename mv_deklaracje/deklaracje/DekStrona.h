// A page of a declaration's text (row of TLX.DeklStr): its number and up to one page of text, one value
// per line, which the export writers read by line number.
#pragma once

#include "mv_deklaracje/deklaracje/DekChildRecord.h"

class CDekStrona final : public CDekChildRecord<CDekStrona, IDekStrona> {
public:
    static constexpr const OLECHAR* kColumnPrefix = u"Dks_";
    static constexpr const OLECHAR* kIdColumn = u"DksId";

    HRESULT get_Lp(LONG* value) override;
    HRESULT put_Lp(LONG value) override;
    HRESULT get_Tekst(BSTR* value) override;
    HRESULT put_Tekst(BSTR value) override;
};
