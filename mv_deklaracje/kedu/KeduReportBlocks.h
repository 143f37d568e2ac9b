// Block III of the DRA's reports in a KEDU document: one block per insured person of the report's page
// text ("DDORCA", "DDORSA", "DDORZA" blocks), in the order of the text, for either schema generation. The
// 2016 generation numbers the blocks (`id_bloku` from 1 in every call); the 2009 one does not. An empty
// person block is passed over and the later persons are written, numbered without a gap. The writers
// only read the text; values are escaped for XML, short amounts and codes padded, never refused.
#pragma once

#include <string_view>

#include "mv_deklaracje/core/Bstr.h"

// The persons of a contribution report (RCA).
CBstr WriteRcaBlockKedu3(std::u16string_view pageText);
CBstr WriteRcaBlockKedu43(std::u16string_view pageText);

// The persons of a benefit report (RSA). A date "DDMM" of a block takes its year from the DRA's period
// `year` and `month`: the year before when the month lies after the DRA's.
CBstr WriteRsaBlockKedu3(std::u16string_view pageText, long year, long month);
CBstr WriteRsaBlockKedu43(std::u16string_view pageText, long year, long month);

// The persons of a health insurance report (RZA).
CBstr WriteRzaBlockKedu3(std::u16string_view pageText);
CBstr WriteRzaBlockKedu43(std::u16string_view pageText);
