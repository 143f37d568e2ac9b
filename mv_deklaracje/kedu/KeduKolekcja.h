// The collection of KEDU packages: every row of TLX.DeklKedu as a Kedu, served by the host's table
// collection.
#pragma once

#include "TlxBus.h"

class CKeduKolekcja final : public ISaveableCollectionImpl<CKeduKolekcja> {
protected:
    // Creates and configures the host collection once the session is kept.
    void OnInitialize() override;
};
