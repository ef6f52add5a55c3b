// Writes the synthetic sample atlas (both atlas folders) under the folder
// given, by default the project's data folder:
//   make_sample_atlas [output folder]
#include "sample_atlas.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    const std::string out = argc > 1 ? argv[1] : VELMARIN_SOURCE_DATA_DIR_FOR_TOOL;
    std::string error;
    if (!write_sample_atlas(out, error)) {
        std::fprintf(stderr, "make_sample_atlas: %s\n", error.c_str());
        return 1;
    }
    std::printf("sample atlas written under %s\n", out.c_str());
    return 0;
}
