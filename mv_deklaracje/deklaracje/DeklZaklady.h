// The collection of the company's establishments: every row of TLX.DeklZaklady, inactive ones
// included, as a DeklZaklad, served by the host's table collection.
#pragma once

#include "TlxBus.h"

class CDeklZaklady final : public ISaveableCollectionImpl<CDeklZaklady> {
protected:
    // Creates and configures the host collection once the session is kept.
    void OnInitialize() override;
};
