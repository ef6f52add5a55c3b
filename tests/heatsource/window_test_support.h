// Shared by the tests of the temperature windows: start values of the
// schemes, and the message boxes a window showed.
#pragma once

#include <string>
#include <vector>

#include "heatsource.h"
#include "scheme_views.h"
#include "msgbox.h"

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

// The message boxes shown since the last call, oldest first; the first call
// turns the boxes into records, so that nothing waits for a click.
inline std::vector<ShownMessage> take_window_messages() {
    message_box_set_record_mode(true);
    std::vector<ShownMessage> taken;
    for (const MessageBoxRecord& box : message_box_take_log()) taken.push_back({box.text, box.caption});
    return taken;
}
