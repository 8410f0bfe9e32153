#include <gtest/gtest.h>

#include "plugin/NotifyFilter.h"

TEST(NotifyFilter, CheckKindMustShareABitWithTheMask) {
  EXPECT_TRUE(PassesNotifyFilter(0x01, 15, 0));
  EXPECT_FALSE(PassesNotifyFilter(0x01, 2, 0));
  EXPECT_TRUE(PassesNotifyFilter(0x03, 2, 0));
  EXPECT_FALSE(PassesNotifyFilter(0x0F, 0, 0));
  EXPECT_FALSE(PassesNotifyFilter(0x10, 15, 0));
}

TEST(NotifyFilter, AutoCheckLetsOnlyAutomaticChecksThrough) {
  EXPECT_FALSE(PassesNotifyFilter(0x01, 15, 1));
  EXPECT_TRUE(PassesNotifyFilter(0x11, 15, 1));
  EXPECT_FALSE(PassesNotifyFilter(0x10, 15, 1));
}

TEST(NotifyFilter, AutomaticBitInTheMaskPassesEveryAutomaticCheck) {
  EXPECT_TRUE(PassesNotifyFilter(0x10, 0x10, 0));
  EXPECT_TRUE(PassesNotifyFilter(0x18, 0x10, 1));
  EXPECT_FALSE(PassesNotifyFilter(0x08, 0x10, 0));
}
