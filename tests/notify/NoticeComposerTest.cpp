// The notice script, built from the item list and the settings.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "DefaultTexts.h"
#include "GuardedText.h"
#include "TestItems.h"
#include "plugin/NoticeComposer.h"
#include "plugin/ScriptText.h"
#include "settings/Settings.h"
#include "support/HeapText.h"

namespace {

Settings DefaultTexts() {
  Settings texts;
  texts.header = kDefaultHeader;
  texts.footer = kDefaultFooter;
  texts.noUpdate = kDefaultNoUpdate;
  return texts;
}

std::string Script(const ToolItem* const* items, int count, const Settings& settings) {
  HeapText script;
  EXPECT_TRUE(ComposeNoticeScript(items, count, settings, script));
  return std::string(script.data(), script.size());
}

std::string Escaped(const std::string& text) {
  std::string script;
  AppendScriptText(script, text.c_str());
  return script;
}

}  // namespace

TEST(NoticeComposer, NoListIsTheNoUpdateTextAlone) {
  EXPECT_EQ(kDefaultNoUpdate, Script(nullptr, 0, DefaultTexts()));
  Settings empty;
  EXPECT_EQ("", Script(nullptr, 0, empty));
}

TEST(NoticeComposer, TwoItemsWithTheDefaultTexts) {
  TestItems items;
  items.AddText("A", "x").AddText("B", "y");
  EXPECT_EQ(kDefaultHeader + "\\n\\n" + kMark + "A" + kIndent + "x\\n" + kMark + "B" + kIndent +
                "y\\n" + "\\n" + kDefaultFooter,
            Script(items.data(), items.count(), DefaultTexts()));
}

TEST(NoticeComposer, EmptyTextsKeepTheSeparators) {
  TestItems items;
  items.Add("T", "", "").Add(nullptr, nullptr, nullptr);
  Settings empty;
  EXPECT_EQ("\\n\\n" + kMark + "T" + kIndent + "\\n" + kMark + kIndent + "\\n\\n",
            Script(items.data(), items.count(), empty));
}

TEST(NoticeComposer, NullEntriesAreLeftOut) {
  TestItems items;
  items.AddNull().AddText("A", "x").AddNull();
  Settings texts;
  texts.header = "H";
  texts.footer = "F";
  EXPECT_EQ("H\\n\\n" + kMark + "A" + kIndent + "x\\n\\nF",
            Script(items.data(), items.count(), texts));
}

TEST(NoticeComposer, SettingsTextsPassUnchangedButItemTextsAreEscaped) {
  TestItems items;
  items.AddText("\\s4 50%", "\\w9");
  Settings texts;
  texts.header = "\\s0%username\\";
  texts.footer = "\\e";
  EXPECT_EQ("\\s0%username\\\\n\\n" + kMark + "\\\\s4 50\\%" + kIndent + "\\\\w9\\n\\n\\e",
            Script(items.data(), items.count(), texts));
}

TEST(ScriptText, BackslashAndPercentShowAsTyped) {
  EXPECT_EQ("\\\\(^o^)/ 50\\%OFF", Escaped("\\(^o^)/ 50%OFF"));
  EXPECT_EQ("plain", Escaped("plain"));
  EXPECT_EQ("", Escaped(""));
}

TEST(ScriptText, TrailBytesEqualToBackslashAreLeftAlone) {
  const std::string so = "\x83\x5C";     // "ソ"
  const std::string hyou = "\x95\x5C";   // "表"
  EXPECT_EQ(so + hyou, Escaped(so + hyou));
  EXPECT_EQ(so + "\\\\" + hyou + "\\%", Escaped(so + "\\" + hyou + "%"));
}

TEST(ScriptText, LineBreaksBecomeBlanks) {
  EXPECT_EQ("a b c d", Escaped("a\r\nb\nc\rd"));
  EXPECT_EQ("  ", Escaped("\n\n"));
}

// Second bytes can lie in the lead-byte range too ("字" is 0x8E 0x9A): lead
// bytes pair off from where a character begins, so a backslash or a line
// break after a run of them is judged by the run's length.
TEST(ScriptText, RunsOfLeadRangeBytesPairOffFromTheirStart) {
  const struct {
    const char* text;
    const char* script;
  } cases[] = {
      {"\x8E\x9A\\", "\x8E\x9A\\\\"},           // "字" then a backslash
      {"\x8E\x9A\x83\\", "\x8E\x9A\x83\\"},       // "字ソ"
      {"a\x83\x83\\", "a\x83\x83\\\\"},           // a pair, then a backslash
      {"\x8E\x9A\x8E\x9A\x83", "\x8E\x9A\x8E\x9A"},  // a lone lead byte at the end
      {"\x8E\x9A\x83\r\nb", "\x8E\x9A b"},         // and before a line break
      {"\x95\x5C%\x95\x5C\\", "\x95\x5C\\%\x95\x5C\\\\"},
  };
  GuardedText guarded;  // and never a byte past the end
  ASSERT_TRUE(guarded.usable());
  for (const auto& c : cases) {
    EXPECT_EQ(c.script, Escaped(c.text)) << c.text;
    std::string script;
    AppendScriptText(script, guarded.Place(c.text));
    EXPECT_EQ(c.script, script) << c.text;
  }
}

// The request declares Shift-JIS, so its lead and second bytes count whatever
// the system's code page is (the suite runs this under code page 1252 too). A
// lead byte before a byte that cannot be a second byte is alone: left out.
TEST(ScriptText, ShiftJisBytesCountWhateverTheCodePage) {
  if (const char* expected = std::getenv("EXPECTED_ANSI_CODE_PAGE")) {
    ASSERT_EQ(static_cast<UINT>(std::atoi(expected)), GetACP());
  }
  const struct {
    const char* text;
    const char* script;
  } cases[] = {
      {"\x83\x5C-", "\x83\x5C-"},       // "ソ-": the backslash is a second byte
      {"\xB1\\-", "\xB1\\\\-"},     // half-width katakana is one byte
      {"\xA1\xDF\\", "\xA1\xDF\\\\"},
      {"\x83%user", "\\%user"},       // % cannot be a second byte
      {"\x83\x83%", "\x83\x83\\%"},   // a pair, then a percent sign
      {"\xE0 x", " x"},
      {"\x9F\x7F", "\x7F"},
      {"\xFC\xFD\\", "\xFD\\\\"},
      {"\x81\x40\xFC\xFC", "\x81\x40\xFC\xFC"},
  };
  GuardedText guarded;
  ASSERT_TRUE(guarded.usable());
  for (const auto& c : cases) {
    std::string script;
    AppendScriptText(script, guarded.Place(c.text));
    EXPECT_EQ(c.script, script) << c.text;
  }
}

TEST(ScriptText, LeadByteAtTheEndIsDropped) {
  EXPECT_EQ("abc", Escaped("abc\x83"));
  // A line break is never a trail byte: the lead byte before it is alone too.
  EXPECT_EQ("a b c", Escaped("a\x83\r\nb\x95\nc"));
  TestItems items;
  items.AddText("t\x83", "i\x95");
  Settings empty;
  EXPECT_EQ("\\n\\n" + kMark + "t" + kIndent + "i\\n\\n",
            Script(items.data(), items.count(), empty));
}
