// Every file attached to the host's documents: the rows of TLX.RptObrazy2, each item a DekPdf keyed by
// RPO2_RPO2ID, held by a host child collection that the session's unit of work saves.
#pragma once

#include "TlxBus.h"

class CDekPdfKolekcja final : public ISaveableCollectionImpl<CDekPdfKolekcja> {
protected:
    void OnInitialize() override;
};
