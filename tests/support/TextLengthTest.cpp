// The word-at-a-time text length: every alignment and length, and texts
// that end on the last byte before a page that cannot be read.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "GuardedText.h"
#include "support/TextLength.h"

TEST(TextLength, EveryAlignmentAndLengthUpToAPageEnd) {
  char buffer[32];
  for (size_t offset = 0; offset < 8; ++offset) {
    for (size_t length = 0; length < 12; ++length) {
      std::memset(buffer, 'y', sizeof(buffer));
      buffer[offset + length] = '\0';
      EXPECT_EQ(length, TextLength(buffer + offset)) << offset << " " << length;
    }
  }
  GuardedText guarded;
  ASSERT_TRUE(guarded.usable());
  for (size_t length = 0; length < 12; ++length) {
    EXPECT_EQ(length, TextLength(guarded.Place(std::string(length, 'x')))) << length;
  }
}
