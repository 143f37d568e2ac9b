// The calculation of a WN-D declaration for both generations' Przelicz: the progress events on the
// bound declaration, the run in a session of its own (WndRun), and the bound declaration brought up to
// what was stored.
#pragma once

#include "mv_deklaracje/pfron/WndEligibility.h"
#include "mv_deklaracje_tlb.h"

void CalculateWnd(WndGeneration generation, IDeklaracja2* declaration);
