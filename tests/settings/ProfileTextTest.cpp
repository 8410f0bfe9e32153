#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "settings/ProfileText.h"

TEST(ProfileInteger, ConvertsLikeAtoi) {
  EXPECT_EQ(15, ParseProfileInteger("15"));
  EXPECT_EQ(-7, ParseProfileInteger(" \t-7x"));
  EXPECT_EQ(3, ParseProfileInteger("+3"));
  EXPECT_EQ(0, ParseProfileInteger("0x0F"));
  EXPECT_EQ(0, ParseProfileInteger("abc"));
  EXPECT_EQ(0, ParseProfileInteger(""));
  EXPECT_EQ(0, ParseProfileInteger("- 5"));
  EXPECT_EQ(INT_MAX, ParseProfileInteger("99999999999999999999"));
  EXPECT_EQ(INT_MIN, ParseProfileInteger("-99999999999999999999"));
}

TEST(ProfileValue, QuotesOnlyWhatTheReaderWouldChange) {
  EXPECT_EQ("plain text", ProfileValueToWrite("plain text"));
  EXPECT_EQ("", ProfileValueToWrite(""));
  EXPECT_EQ("say \"hi\" now", ProfileValueToWrite("say \"hi\" now"));
  EXPECT_EQ("\" lead\"", ProfileValueToWrite(" lead"));
  EXPECT_EQ("\"trail\t\"", ProfileValueToWrite("trail\t"));
  EXPECT_EQ("\"\x1A" "end\x1A\"", ProfileValueToWrite("\x1A" "end\x1A"));
  EXPECT_EQ("\"\"both\"\"", ProfileValueToWrite("\"both\""));
  EXPECT_EQ("\"'single'\"", ProfileValueToWrite("'single'"));
}

TEST(ProfileValue, DropsOnlyALeadByteLeftAlone) {
  std::string cut = "ab\x83";
  DropDanglingLeadByte(cut);
  EXPECT_EQ("ab", cut);
  std::string whole = "ab\x83\x5C";  // "ソ" ends in the backslash byte
  DropDanglingLeadByte(whole);
  EXPECT_EQ("ab\x83\x5C", whole);
  std::string pairs = "\x83\x83\x83";  // a pair, then a lone lead byte
  DropDanglingLeadByte(pairs);
  EXPECT_EQ("\x83\x83", pairs);
}
