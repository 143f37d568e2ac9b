// The RSA report of a DRA: the benefits paid and the breaks in contributions of each insured person.
#pragma once

#include "mv_deklaracje/zus/DraExtImpl.h"

class CRSA final : public IDraExtImpl<CRSA, dekZUS_RSA> {
public:
    CRSA();

protected:
    bool WypelnijRaport(IDispatch* pracownik, LONG maWyplaty, IKeduDokument* dokument) override;
};
