// The declarations module's type library: its identifier, coclasses, enumerations and interfaces, as
// every class of the module implements them and as the host and the scripts call them.
#pragma once

#include "tlb/Classes.h"
