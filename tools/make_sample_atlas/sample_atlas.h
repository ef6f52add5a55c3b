// The synthetic sample atlas: made-up steels written in the atlas formats,
// so that the atlas windows and the tests have data. Deterministic: the same
// files, byte for byte, on every run.
#pragma once

#include <string>
#include <vector>

// Writes "Seyffarth CCT Atlas/" and "Shorsorov CCT Atlas/" under root
// (creating folders). False with a message when a file cannot be written.
bool write_sample_atlas(const std::string& root, std::string& error);

// The files written, relative to the root, in a fixed order.
std::vector<std::string> sample_atlas_files();
