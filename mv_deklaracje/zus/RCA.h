// The RCA report of a DRA: the social and health contributions of each insured person of the month.
#pragma once

#include "mv_deklaracje/zus/DraExtImpl.h"

class CRCA final : public IDraExtImpl<CRCA, dekZUS_RCA> {
public:
    CRCA();

protected:
    bool WypelnijRaport(IDispatch* pracownik, LONG maWyplaty, IKeduDokument* dokument) override;
};
