// A printout line of a declaration (row of TLX.DeklWydr): the box and sub-box of the printed form, the
// value printed there as text and the box's description. Saving a declaration rebuilds its lines.
#pragma once

#include "mv_deklaracje/deklaracje/DekChildRecord.h"

class CDekWydruk final : public CDekChildRecord<CDekWydruk, IDekWydruk> {
public:
    static constexpr const OLECHAR* kColumnPrefix = u"Dkw_";
    static constexpr const OLECHAR* kIdColumn = u"DkwId";

    HRESULT get_Rubryka(LONG* value) override;
    HRESULT put_Rubryka(LONG value) override;
    HRESULT get_SubRubryka(LONG* value) override;
    HRESULT put_SubRubryka(LONG value) override;
    HRESULT get_Wartosc(BSTR* value) override;
    HRESULT put_Wartosc(BSTR value) override;
    HRESULT get_Opis(BSTR* value) override;
    HRESULT put_Opis(BSTR value) override;
};
