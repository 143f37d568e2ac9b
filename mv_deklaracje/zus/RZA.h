// The RZA report of a DRA: the health contributions of persons insured for health only.
#pragma once

#include "mv_deklaracje/zus/DraExtImpl.h"

class CRZA final : public IDraExtImpl<CRZA, dekZUS_RZA> {
public:
    CRZA();

protected:
    bool WypelnijRaport(IDispatch* pracownik, LONG maWyplaty, IKeduDokument* dokument) override;
};
