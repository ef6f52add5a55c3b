// The readers open files by name: each input is written to a file of this
// process first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

const std::string& fuzz_input_file(const std::uint8_t* data, std::size_t size);
