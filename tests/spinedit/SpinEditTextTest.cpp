#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "ui/SpinEditText.h"

TEST(SpinEditText, ReadsLikeAtoi) {
  EXPECT_EQ(42, ParseSpinEditNumber("42"));
  EXPECT_EQ(-7, ParseSpinEditNumber("  \t-7"));
  EXPECT_EQ(5, ParseSpinEditNumber("+5"));
  EXPECT_EQ(12, ParseSpinEditNumber("12a3"));
  EXPECT_EQ(7, ParseSpinEditNumber("007"));
  EXPECT_EQ(0, ParseSpinEditNumber(""));
  EXPECT_EQ(0, ParseSpinEditNumber("-"));
  EXPECT_EQ(0, ParseSpinEditNumber("abc"));
  EXPECT_EQ(0, ParseSpinEditNumber("--5"));
  EXPECT_EQ(0, ParseSpinEditNumber("\x82\x50"));  // a full-width digit is not a digit
}

TEST(SpinEditText, ReadingSaturatesBeyondTheIntRange) {
  EXPECT_EQ(INT_MAX, ParseSpinEditNumber("2147483647"));
  EXPECT_EQ(INT_MAX, ParseSpinEditNumber("2147483648"));
  EXPECT_EQ(INT_MAX, ParseSpinEditNumber("99999999999999999999999"));
  EXPECT_EQ(INT_MIN, ParseSpinEditNumber("-2147483648"));
  EXPECT_EQ(INT_MIN, ParseSpinEditNumber("-99999999999999999999999"));
}

TEST(SpinEditText, WritesPlainDecimal) {
  EXPECT_STREQ("0", FormatSpinEditNumber(0).bytes);
  EXPECT_STREQ("-70000", FormatSpinEditNumber(-70000).bytes);
  EXPECT_STREQ("1234567", FormatSpinEditNumber(1234567).bytes);
  EXPECT_STREQ("-2147483648", FormatSpinEditNumber(INT_MIN).bytes);
}

TEST(SpinEditText, AcceptsOnlyEmptyOrCanonicalNumbers) {
  for (const char* good : {"", "0", "5", "-5", "100", "-70000", "2147483647"}) {
    EXPECT_TRUE(SpinEditTextHasValidShape(good, -100)) << good;
  }
  for (const char* bad : {"007", "+5", "12a", " 5", "5 ", "-0", "00", "1,000", "2147483648", "\x82\x50"}) {
    EXPECT_FALSE(SpinEditTextHasValidShape(bad, -100)) << bad;
  }
}

TEST(SpinEditText, LoneMinusOnlyWhenNegativesAreAllowed) {
  EXPECT_TRUE(SpinEditTextHasValidShape("-", -1));
  EXPECT_TRUE(SpinEditTextHasValidShape("-", INT_MIN));
  EXPECT_FALSE(SpinEditTextHasValidShape("-", 0));
  EXPECT_FALSE(SpinEditTextHasValidShape("-", 5));
  EXPECT_FALSE(SpinEditTextHasValidShape("--", -1));
}

TEST(SpinEditText, UnfinishedEntries) {
  EXPECT_TRUE(IsUnfinishedSpinEditEntry(""));
  EXPECT_TRUE(IsUnfinishedSpinEditEntry("-"));
  EXPECT_FALSE(IsUnfinishedSpinEditEntry("0"));
  EXPECT_FALSE(IsUnfinishedSpinEditEntry("-1"));
}
