#include <gtest/gtest.h>

#include <cstring>

#include "support/Heap.h"

TEST(Heap, ReleaseOfNullDoesNothing) { EXPECT_EQ(0, HeapRelease(nullptr)); }

TEST(Heap, ZeroedBlockIsZeroAndReallocationKeepsContents) {
  auto* block = static_cast<unsigned char*>(HeapAllocateZeroed(16, 4));
  ASSERT_NE(nullptr, block);
  for (int i = 0; i < 64; ++i) EXPECT_EQ(0, block[i]);
  std::memcpy(block, "abcdef", 7);
  auto* grown = static_cast<char*>(HeapReallocate(block, 1 << 20));
  ASSERT_NE(nullptr, grown);
  EXPECT_STREQ("abcdef", grown);
  EXPECT_NE(0, HeapRelease(grown));
}

TEST(Heap, ReallocationOfNullAllocates) {
  void* block = HeapReallocate(nullptr, 10);
  ASSERT_NE(nullptr, block);
  EXPECT_NE(0, HeapRelease(block));
}

TEST(Heap, OverflowingZeroedRequestFails) {
  EXPECT_EQ(nullptr, HeapAllocateZeroed(0x10000, 0x10000));
}
