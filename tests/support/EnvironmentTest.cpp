// The rig itself: everything else assumes the Japanese ANSI code page.
#include <windows.h>

#include <gtest/gtest.h>

TEST(Environment, AnsiCodePageIsShiftJis) { EXPECT_EQ(932u, GetACP()); }
