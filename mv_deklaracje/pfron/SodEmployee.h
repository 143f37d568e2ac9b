// What the second generation's attachment documents (the first-generation WN-D's INF-D-P and the
// WN-U's INF-U-P) write alike about the employee: the information header, then inside
// metrykaPracownika the identity and the home address.
#pragma once

#include <string>

#include "mv_deklaracje/pfron/SodMainDocument.h"
#include "mv_deklaracje/pfron/SodWriter.h"

// Writes daneInformacji, opens metrykaPracownika and writes daneEwidencyjne and adresPracownika of
// `attachment`; `pesel` is its PESEL as read (eleven zeros are written for an empty one).
void WriteSodEmployee(SodWriter& w, IDeklaracja2* attachment, const SodMainDocument& main, const std::u16string& pesel);
