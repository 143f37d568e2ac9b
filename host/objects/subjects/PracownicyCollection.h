// The collection of employee cards (TLX.PracKod, items TLX.Pracownik). A card asked for by its key is
// read with its dated records in one read of the company file: whoever opens one employee asks for his
// record at a date next (each declaration names and insures him from it), and the card and its records
// then come from one state of the file.
#pragma once

#include "host/collections/RecordsetCollection.h"

namespace tlx::host {

class CPracownicyCollection final : public RecordsetCollection<CPracownicyCollection, IAdoCollectionSetup> {
public:
    HRESULT Item(VARIANT key, IDispatch** item) override;
    void ServeOneKey(const VARIANT& key) override;

protected:
    HRESULT FinalConstruct() override;

private:
    bool servesOneKey_ = false;  // made by the session for one key: it reads that card's rows only
};

}  // namespace tlx::host
