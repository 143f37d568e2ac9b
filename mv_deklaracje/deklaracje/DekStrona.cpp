#include "mv_deklaracje/deklaracje/DekStrona.h"

HRESULT CDekStrona::get_Lp(LONG* value) { return GetLongColumn(u"Lp", value); }
HRESULT CDekStrona::put_Lp(LONG value) { return PutLongColumn(u"Lp", value); }
HRESULT CDekStrona::get_Tekst(BSTR* value) { return GetTextColumn(u"Tekst", value); }
HRESULT CDekStrona::put_Tekst(BSTR value) { return PutTextColumn(u"Tekst", value); }
