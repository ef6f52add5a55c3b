#include "sample_steels.h"

#include "atlas_files.h"

SteelChoice sample_seyffarth_steel(const std::string& file, int steel_class)
{
    SteelChoice s;
    s.file_name = seyffarth_atlas_folder() + "/" + file;
    s.filter_index = steel_class;
    s.accepted = true;
    return s;
}

SteelChoice sample_shorshorov_steel(const std::string& file, int group)
{
    SteelChoice s;
    s.file_name = shorshorov_atlas_folder() + "/" + file;
    s.filter_index = group;
    s.filters = shorshorov_steel_filters(current_language());
    s.accepted = true;
    return s;
}

SteelChoice sample_seyffarth_steel() { return sample_seyffarth_steel("S355J2.sp0", 1); }

SteelChoice sample_shorshorov_steel() { return sample_shorshorov_steel("09G2S.301", 3); }
