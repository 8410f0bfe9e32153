// The exact bytes of the one request the plug-in sends.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "sstp/SstpRequest.h"

namespace {

constexpr char kSender[] = "Vyrex plugin for Olmira";

std::string Expected(const std::string& sender, const std::string& script) {
  return "SEND SSTP/1.1\r\nSender: " + sender + "\r\nScript: " + script +
         "\r\nCharset: SJIS\r\n\r\n";
}

TEST(SstpRequest, CarriesTheScriptInFiveLines) {
  // "更新" (update) in Shift-JIS, then an ASCII tail.
  const std::string script = "\\h\\s0\x8D\x58\x90\x56\\e";
  EXPECT_EQ(BuildSstpRequest(kSender, script.c_str()),
            "SEND SSTP/1.1\r\n"
            "Sender: Vyrex plugin for Olmira\r\n"
            "Script: \\h\\s0\x8D\x58\x90\x56\\e\r\n"
            "Charset: SJIS\r\n"
            "\r\n");
}

TEST(SstpRequest, EmptyOrMissingScriptLeavesAnEmptyValue) {
  EXPECT_EQ(BuildSstpRequest(kSender, ""), Expected(kSender, ""));
  EXPECT_NE(BuildSstpRequest(kSender, "").find("\r\nScript: \r\n"), std::string::npos);
  EXPECT_EQ(BuildSstpRequest(nullptr, nullptr), Expected("", ""));
}

TEST(SstpRequest, BackslashTagsAreSentAsTwoBytes) {
  const std::string request = BuildSstpRequest(kSender, "a\\nb\\n\\e");
  EXPECT_EQ(request, Expected(kSender, "a\\nb\\n\\e"));
  EXPECT_NE(request.find("a\\nb"), std::string::npos);
  EXPECT_EQ(request.find("a\nb"), std::string::npos);
}

TEST(SstpRequest, LineBreakBytesInValuesCannotAddHeaders) {
  const std::string request =
      BuildSstpRequest("Evil\r\nSender: other", "title\r\nCharset: UTF-8\r\n\r\nmore\rx\ny");
  EXPECT_EQ(request, Expected("EvilSender: other", "titleCharset: UTF-8morexy"));
  // Exactly five CR LF-terminated lines, and no lone CR or LF anywhere.
  size_t lineEnds = 0;
  for (size_t i = 0; i + 1 < request.size(); ++i) {
    if (request[i] == '\r' && request[i + 1] == '\n') ++lineEnds;
  }
  EXPECT_EQ(lineEnds, 5u);
  EXPECT_EQ(std::count(request.begin(), request.end(), '\r'), 5);
  EXPECT_EQ(std::count(request.begin(), request.end(), '\n'), 5);
}

// A script is searched four bytes at a time: a line break is found in every
// position of a word and in the bytes after the last whole word, and other
// control bytes stay.
TEST(SstpRequest, LineBreaksGoWhereverTheyStand) {
  const std::string plain = "ab\tcdefgh\x01i";
  for (size_t at = 0; at <= plain.size(); ++at) {
    for (const char* lineBreak : {"\r", "\n", "\r\n"}) {
      std::string script = plain;
      script.insert(at, lineBreak);
      EXPECT_EQ(BuildSstpRequest(kSender, script.c_str()), Expected(kSender, plain)) << at;
    }
  }
}

TEST(SstpRequest, DoubleByteCharactersSurviveLineBreakRemoval) {
  // "ソ" (0x83 0x5C) and "表" (0x95 0x5C) end in a backslash byte; a CR or LF
  // next to them goes, the characters stay whole.
  const std::string script = "\x83\x5C\r\n\x95\x5C\n\x82\xA0";
  EXPECT_EQ(BuildSstpRequest(kSender, script.c_str()),
            Expected(kSender, "\x83\x5C\x95\x5C\x82\xA0"));
}

// Characters named: their own Script line follows the IfGhost line, then the
// usual one for every other character. An empty name list changes nothing.
TEST(SstpRequest, NamedCharactersGetTheScriptBeforeEveryoneElse) {
  // "さくら,うにゅう" in Shift-JIS.
  const std::string names = "\x82\xB3\x82\xAD\x82\xE7,\x82\xA4\x82\xC9\x82\xE3\x82\xA4";
  const struct {
    const char* ifGhost;
    std::string expected;
  } cases[] = {
      {nullptr, Expected(kSender, "hi")},
      {"", Expected(kSender, "hi")},
      {names.c_str(),
       "SEND SSTP/1.1\r\nSender: " + std::string(kSender) + "\r\nIfGhost: " + names +
           "\r\nScript: hi\r\nScript: hi\r\nCharset: SJIS\r\n\r\n"},
      {"a\r\nScript: b", "SEND SSTP/1.1\r\nSender: " + std::string(kSender) +
                             "\r\nIfGhost: aScript: b\r\nScript: hi\r\nScript: hi\r\n"
                             "Charset: SJIS\r\n\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, BuildSstpRequest(kSender, "hi", c.ifGhost))
        << (c.ifGhost == nullptr ? "(null)" : c.ifGhost);
  }
}

}  // namespace
