// The collection of declarations: every row of TLX.DeklNag as a Deklaracja, served by the host's table
// collection, to which every collection member is forwarded.
#pragma once

#include "TlxBus.h"

class CDeklaracje final : public ISaveableCollectionImpl<CDeklaracje> {
protected:
    // Creates and configures the host collection once the session is kept.
    void OnInitialize() override;
};
