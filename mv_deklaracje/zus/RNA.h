// The RNA report of a DRA: the contributions of persons on a parental or child-care leave, with their benefits.
#pragma once

#include "mv_deklaracje/zus/DraExtImpl.h"

class CRNA final : public IDraExtImpl<CRNA, dekZUS_RNA> {
public:
    CRNA();

protected:
    bool WypelnijRaport(IDispatch* pracownik, LONG maWyplaty, IKeduDokument* dokument) override;
};
