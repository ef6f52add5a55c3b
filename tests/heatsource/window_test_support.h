// Shared by the tests of the temperature windows: start values of the
// schemes, and the message boxes a window showed.
#pragma once

#include <string>
#include <vector>

#include "heatsource.h"
#include "temperature_window_support.h"

// Every scheme's block back at its start values, and scheme 2 installed as at
// start-up.
inline void reset_schemes() {
    ppr1_parameters = Ppr1Parameters{};
    ppr2_parameters = Ppr2Parameters{};
    ppr3_parameters = Ppr3Parameters{};
    ppr4_parameters = Ppr4Parameters{};
    ppr5_parameters = Ppr5Parameters{};
    ppr9_parameters = Ppr9Parameters{};
    ppr14_parameters = Ppr14Parameters{};
    ppr15_parameters = Ppr15Parameters{};
    current_model = HeatSourceModel{};
    install_start_scheme();
}

struct ShownMessage {
    std::string text;
    std::string caption;
};

inline std::vector<ShownMessage>& shown_messages() {
    static std::vector<ShownMessage> messages;
    return messages;
}
inline void hear_window_message(const std::string& text, const std::string& caption) {
    shown_messages().push_back({text, caption});
}

// The message boxes shown since the last call, oldest first (the first call
// starts listening).
inline std::vector<ShownMessage> take_window_messages() {
    set_window_message_observer(hear_window_message);
    std::vector<ShownMessage> taken = std::move(shown_messages());
    shown_messages().clear();
    return taken;
}
