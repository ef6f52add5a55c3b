#include "modelchoice.h"
#include <gtest/gtest.h>
TEST(Placeholder, Builds) { EXPECT_EQ(chooser_cells().size(), 14u); }
