// The walk over an insured person's report rows that decides which row gets a block and when: a row
// whose benefits are held waits, at most one at a time, for a row of title 1211 to take them; it is
// written itself when a row of another group than 12 follows, or at the end when no row took them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "mv_deklaracje/zus/WstrzymaneSwiadczenia.h"

// `kwalifikuj`(i) asks the row qualification of row i, `zapisz`(i) writes its block. Answers whether
// any block was written.
bool PrzejdzWiersze(const std::vector<std::uint32_t>& kodyTytulow, CWstrzymaneSwiadczenia& wstrzymane,
                    const std::function<bool(std::size_t)>& kwalifikuj,
                    const std::function<void(std::size_t)>& zapisz);
