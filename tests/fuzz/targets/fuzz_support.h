// What every fuzz target shares: the input as the text that the readers'
// in-memory entries take, so no input goes through a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The name that messages give the input.
inline const std::string fuzz_input_name = "fuzz-input";

inline std::string_view fuzz_text(const std::uint8_t* data, std::size_t size)
{
    return size == 0 ? std::string_view{} : std::string_view(reinterpret_cast<const char*>(data), size);
}
