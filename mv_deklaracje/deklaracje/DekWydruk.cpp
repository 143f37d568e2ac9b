#include "mv_deklaracje/deklaracje/DekWydruk.h"

HRESULT CDekWydruk::get_Rubryka(LONG* value) { return GetLongColumn(u"Rubryka", value); }
HRESULT CDekWydruk::put_Rubryka(LONG value) { return PutLongColumn(u"Rubryka", value); }
HRESULT CDekWydruk::get_SubRubryka(LONG* value) { return GetLongColumn(u"SubRubryka", value); }
HRESULT CDekWydruk::put_SubRubryka(LONG value) { return PutLongColumn(u"SubRubryka", value); }
HRESULT CDekWydruk::get_Wartosc(BSTR* value) { return GetTextColumn(u"Wartosc", value); }
HRESULT CDekWydruk::put_Wartosc(BSTR value) { return PutTextColumn(u"Wartosc", value); }
HRESULT CDekWydruk::get_Opis(BSTR* value) { return GetTextColumn(u"Opis", value); }
HRESULT CDekWydruk::put_Opis(BSTR value) { return PutTextColumn(u"Opis", value); }
