#include <gtest/gtest.h>

#include <string>

#include "support/PathHelpers.h"

namespace {

// "ソ" and "表" end in the byte 0x5C, the value of a backslash.
const std::string kSo = "\x83\x5C";
const std::string kHyou = "\x95\x5C";

std::string Replaced(const std::string& path, const char* extension) {
  return WithExtension(path, extension);
}

}  // namespace

TEST(FindFileName, ReturnsTextAfterLastBackslash) {
  const char path[] = "C:\\dir\\name.dll";
  EXPECT_STREQ("name.dll", FindFileName(path));
  EXPECT_STREQ("name.dll", FindFileName("name.dll"));
  const char folder[] = "C:\\dir\\";
  EXPECT_EQ(folder + 7, FindFileName(folder));
  const char empty[] = "";
  EXPECT_EQ(empty, FindFileName(empty));
  EXPECT_STREQ("c/d:e", FindFileName("a\\c/d:e"));
}

TEST(FindFileName, DoesNotSplitAtTrailByteEqualToBackslash) {
  const std::string path = "C:\\" + kSo + "ft\\" + kHyou + ".dll";
  EXPECT_EQ(kHyou + ".dll", FindFileName(path.c_str()));
  const std::string name = "C:\\dir\\a" + kSo + "b.dll";
  EXPECT_EQ("a" + kSo + "b.dll", FindFileName(name.c_str()));
}

TEST(FindFileName, StopsAtTrailingLeadByte) {
  const std::string path = "C:\\dir\\name\x83";
  EXPECT_EQ(std::string("name\x83"), FindFileName(path.c_str()));
}

TEST(FindLastChar, SkipsDoubleByteCharacters) {
  const std::string text = "a\\b" + kSo + "c";
  const char* found = FindLastChar(text.c_str(), '\\');
  ASSERT_NE(nullptr, found);
  EXPECT_EQ(1, found - text.c_str());
  EXPECT_EQ(nullptr, FindLastChar(kSo.c_str(), '\\'));
  EXPECT_EQ(nullptr, FindLastChar("abc", '.'));
}

TEST(FindLastChar, LoneLeadByteAtEndGivesTerminatorWhenNothingFound) {
  const std::string text = "abc\x83";
  const char* found = FindLastChar(text.c_str(), '.');
  ASSERT_NE(nullptr, found);
  EXPECT_EQ(text.c_str() + 4, found);
  const std::string dotted = "a.c\x83";
  EXPECT_EQ(dotted.c_str() + 1, FindLastChar(dotted.c_str(), '.'));
}

TEST(FindExtension, IgnoresDotsInDirectoryNames) {
  EXPECT_STREQ(".dll", FindExtension("C:\\a.b\\name.dll"));
  EXPECT_STREQ("", FindExtension("C:\\tools.old\\readme"));
  EXPECT_EQ(kEmptyText, FindExtension("C:\\tools.old\\readme"));
  EXPECT_STREQ(".gz", FindExtension("archive.tar.gz"));
}

TEST(ReplaceExtension, ReplacesOrAppends) {
  EXPECT_EQ("D:\\tools\\plug.ini", Replaced("D:\\tools\\plug.dll", ".ini"));
  EXPECT_EQ("C:\\a.b\\name.ini", Replaced("C:\\a.b\\name.dll", ".ini"));
  EXPECT_EQ("C:\\a.b\\name.ini", Replaced("C:\\a.b\\name", ".ini"));
  EXPECT_EQ("C:\\a\\name.ini", Replaced("C:\\a\\name.", ".ini"));
  EXPECT_EQ("C:\\tools.old\\readme.ini", Replaced("C:\\tools.old\\readme", ".ini"));
  EXPECT_EQ("x.htm", Replaced("x.ini", ".htm"));
}

TEST(ReplaceExtension, HandlesShiftJisNames) {
  // A trail byte 0x5C in the directory must not hide the directory's dot.
  const std::string dir = "C:\\" + kSo + ".d\\";
  EXPECT_EQ(dir + "plug.ini", Replaced(dir + "plug", ".ini"));
  EXPECT_EQ(dir + kHyou + ".ini", Replaced(dir + kHyou + ".dll", ".ini"));
  // A name ending in a lone lead byte gets the extension after that byte.
  EXPECT_EQ(std::string("C:\\a\\name\x83.ini"), Replaced("C:\\a\\name\x83", ".ini"));
}

TEST(ReplaceExtension, WritesIntoCallerBuffer) {
  char buffer[32] = "C:\\x\\plug.dll";
  EXPECT_EQ(1, ReplaceExtension(buffer, ".ini"));
  EXPECT_STREQ("C:\\x\\plug.ini", buffer);
  EXPECT_EQ(1, ReplaceExtension(buffer, ".htm"));
  EXPECT_STREQ("C:\\x\\plug.htm", buffer);
}
