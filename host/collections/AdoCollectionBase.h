// CAdoCollectionBase: the host's collection over a whole table of the company database.
#pragma once

#include "host/collections/RecordsetCollection.h"

namespace tlx::host {

class CAdoCollectionBase : public RecordsetCollection<CAdoCollectionBase, IAdoCollectionSetup> {};

}  // namespace tlx::host
