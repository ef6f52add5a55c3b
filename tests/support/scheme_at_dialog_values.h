// Start values shared by the tests and the benchmarks: scheme n installed as
// the model chooser does, and its data dialog's start texts handed to it as
// the dialog's OK does.
#pragma once

#include "heatsource.h"
#include "scheme_views.h"
#include "modelchoice.h"

#include <string>
#include <vector>

inline bool install_scheme_at_dialog_values(int n)
{
    current_model = HeatSourceModel{};
    install_start_scheme();
    if (!install_scheme(n)) return false;
    const DataDialog* dialog = find_data_dialog(n);
    if (dialog == nullptr) return false;
    std::vector<std::string> texts;
    for (const DataValue& v : dialog->values) texts.push_back(v.default_text);
    std::vector<double> values(texts.size() + scheme_parameter_max, 0.0);
    if (!read_data_values(*dialog, texts, values.data()).empty()) return false;
    current_model.set_data(values.data());
    return true;
}
