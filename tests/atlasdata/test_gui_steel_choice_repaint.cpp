#include "dialog_driver.h"
#include "steel_choice.h"
#include "window.h"

#include <gtest/gtest.h>

namespace {

int paints = 0;

std::intptr_t counting_proc(Window* w, const Message& m)
{
    if (m.msg == Msg::paint) {
        begin_paint(w);
        ++paints;
        end_paint(w);
    }
    return 0;
}

} // namespace

// The owner repaints after the chooser, whether a file was chosen or not.
TEST(SteelChoiceRepaint, OwnerIsRepaintedAfterEveryChoice)
{
    set_dialog_test_mode(true);
    WindowClass cls;
    cls.name = "STEEL_CHOICE_OWNER";
    cls.proc = counting_proc;
    ASSERT_TRUE(register_window_class(cls));
    Window* w = create_window("STEEL_CHOICE_OWNER", "owner", 0, 0, 400, 300);
    ASSERT_NE(w, nullptr);
    update_window(w);
    paints = 0;
    choose_seyffarth_steel(w);   // cancelled
    update_window(w);
    EXPECT_EQ(paints, 1);
    push_chooser_answer({true, "/atlas/a.100", 1, {}});
    choose_shorshorov_steel(w);
    update_window(w);
    EXPECT_EQ(paints, 2);
    destroy_window(w);
}
