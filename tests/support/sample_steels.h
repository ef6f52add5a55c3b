// Tests and benchmarks: steels of the sample atlases in data/, as their
// choosers leave them.
#pragma once

#include <string>

#include "steel_choice.h"

// A Seyffarth steel of class `steel_class`; without a file, S355J2 (of
// class 1).
SteelChoice sample_seyffarth_steel(const std::string& file, int steel_class = 1);
SteelChoice sample_seyffarth_steel();

// A Shorshorov steel of group `group`, with the chooser's filters in the
// current language; without a file, 09G2S.301 (of group 3, the chooser's
// third filter, "*.301").
SteelChoice sample_shorshorov_steel(const std::string& file, int group = 3);
SteelChoice sample_shorshorov_steel();
