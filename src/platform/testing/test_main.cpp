#include "gui_app.h"

#include <gtest/gtest.h>

// Tests that draw or measure text start the Qt application on their first
// need; it ends here, before main returns.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    GuiApp app{GuiApp::Start::on_demand};
    return RUN_ALL_TESTS();
}
