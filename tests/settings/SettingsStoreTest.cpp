// The settings store against real INI files through the private-profile
// functions of the system.
#include <gtest/gtest.h>

#include <string>

#include "DefaultTexts.h"
#include "TempFolder.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

namespace {

class SettingsStore : public testing::Test {
 protected:
  void SetUp() override {
    settings = Settings();
    settings.iniPath = folder.File("plug.ini");
  }
  void TearDown() override { settings = Settings(); }

  void WriteIni(const std::string& bytes) { WriteFileBytes(settings.iniPath, bytes); }
  std::string IniBytes() const { return ReadFileBytes(settings.iniPath); }

  // Loads what was saved from a copy of the file, so that the reader parses
  // the file afresh rather than answering from what it cached when writing.
  void ReloadFromCopy() {
    const std::string copy = folder.File("copy" + std::to_string(++copies) + ".ini");
    WriteFileBytes(copy, IniBytes());
    settings.iniPath = copy;
    LoadSettings();
  }

  void ExpectDefaults() const {
    EXPECT_EQ(15, settings.checkType);
    EXPECT_EQ(0, settings.autoCheck);
    EXPECT_EQ("127.0.0.1", settings.server);
    EXPECT_EQ(9801, settings.sstpPort);
    EXPECT_EQ(kDefaultHeader, settings.header);
    EXPECT_EQ(kDefaultFooter, settings.footer);
    EXPECT_EQ(kDefaultNoUpdate, settings.noUpdate);
  }

  TempFolder folder;
  int copies = 0;
};

}  // namespace

TEST_F(SettingsStore, MissingFileGivesTheDefaultsByteForByte) {
  ASSERT_EQ(58u, kDefaultHeader.size());
  EXPECT_EQ(std::string("\x81\x60"), kDefaultHeader.substr(22, 2));
  LoadSettings();
  ExpectDefaults();
  EXPECT_FALSE(FileExists(settings.iniPath));
}

TEST_F(SettingsStore, NoIniPathGivesTheDefaultsAndWritesNothing) {
  settings.iniPath.clear();
  LoadSettings();
  ExpectDefaults();
  SaveSettings();
  EXPECT_TRUE(settings.iniPath.empty());
}

TEST_F(SettingsStore, MissingSectionsAndKeysFallBackOneByOne) {
  WriteIni("[Option]\r\nAutoCheck=1\r\n[Other]\r\nServer=elsewhere\r\n");
  LoadSettings();
  EXPECT_EQ(1, settings.autoCheck);
  EXPECT_EQ(15, settings.checkType);
  EXPECT_EQ("127.0.0.1", settings.server);
  EXPECT_EQ(kDefaultHeader, settings.header);
  EXPECT_EQ(9801, settings.sstpPort);
}

TEST_F(SettingsStore, NumbersConvertAtTheFirstNonDigit) {
  WriteIni("[Option]\r\nCheckType=0x0F\r\nAutoCheck=5\r\n[SSTP]\r\nSSTPPort=12ab\r\n");
  LoadSettings();
  EXPECT_EQ(0, settings.checkType);
  EXPECT_EQ(1, settings.autoCheck);
  EXPECT_EQ(12, settings.sstpPort);

  SaveSettings();
  const std::string ini = IniBytes();
  EXPECT_NE(std::string::npos, ini.find("AutoCheck=1\r\n")) << ini;
  EXPECT_NE(std::string::npos, ini.find("CheckType=0\r\n")) << ini;
}

TEST_F(SettingsStore, NewFileHoldsOptionKeysBeforeSstpKeys) {
  LoadSettings();
  SaveSettings();
  const std::string ini = IniBytes();
  size_t previous = 0;
  for (const char* line : {"[Option]", "CheckType=15", "AutoCheck=0", "[SSTP]", "Server=127.0.0.1",
                           "Header=", "Footer=", "NoUpdate=", "SSTPPort=9801"}) {
    const size_t at = ini.find(line);
    ASSERT_NE(std::string::npos, at) << line << " in\n" << ini;
    EXPECT_LE(previous, at) << line << " out of order in\n" << ini;
    previous = at;
  }
  EXPECT_NE(std::string::npos, ini.find("Header=" + kDefaultHeader + "\r\n"));
}

TEST_F(SettingsStore, SavedTextsReloadByteForByte) {
  LoadSettings();
  settings.header = "\\s1line\\nnext \x83\x5C\x95\x5C %d \\w9";
  settings.footer = "";
  settings.server = "mascot.example";
  settings.sstpPort = 65536;
  settings.checkType = -1;
  SaveSettings();

  const Settings saved = settings;
  settings = Settings();
  settings.iniPath = saved.iniPath;
  ReloadFromCopy();
  EXPECT_EQ(saved.header, settings.header);
  EXPECT_EQ("", settings.footer);
  EXPECT_EQ("mascot.example", settings.server);
  EXPECT_EQ(65536, settings.sstpPort);
  EXPECT_EQ(-1, settings.checkType);
}

// What the system's profile reader does with a value: it trims blanks at both
// ends and drops one pair of enclosing quotes, double or single.
TEST_F(SettingsStore, ReaderTrimsBlanksAndDropsEnclosingQuotes) {
  WriteIni(
      "[SSTP]\r\nServer=   padded host   \r\nHeader=\"quoted\"\r\nFooter='single'\r\n"
      "NoUpdate=\"  inner blanks  \"\r\n[Option]\r\nCheckType=\x1A" "7\x1A\r\n");
  LoadSettings();
  EXPECT_EQ(7, settings.checkType);  // the end-of-file mark counts as a blank
  EXPECT_EQ("padded host", settings.server);
  EXPECT_EQ("quoted", settings.header);
  EXPECT_EQ("single", settings.footer);
  EXPECT_EQ("  inner blanks  ", settings.noUpdate);
}

TEST_F(SettingsStore, ValuesTheReaderWouldChangeSurviveSaving) {
  const std::string values[] = {"  lead", "trail  ", "\"quoted\"", "'single'", " \"mixed' ",
                                "\"", "\t", "\x1A" "eof\x1A"};
  for (const std::string& value : values) {
    settings.server = value;
    settings.header = value;
    settings.footer = "x" + value;
    settings.noUpdate = value + "x";
    settings.iniPath = folder.File("plug.ini");
    SaveSettings();
    settings.server = settings.header = settings.footer = settings.noUpdate = "changed";
    ReloadFromCopy();
    EXPECT_EQ(value, settings.server) << "[" << value << "]";
    EXPECT_EQ(value, settings.header) << "[" << value << "]";
    EXPECT_EQ("x" + value, settings.footer) << "[" << value << "]";
    EXPECT_EQ(value + "x", settings.noUpdate) << "[" << value << "]";
  }
}

TEST_F(SettingsStore, LongValuesAreCutTo1999Bytes) {
  const std::string ascii(10000, 'a');
  std::string japanese;
  for (int i = 0; i < 5000; ++i) japanese += "\x82\xA0";  // "あ"
  WriteIni("[SSTP]\r\nHeader=" + ascii + "\r\nFooter=" + japanese + "\r\nServer=" + ascii +
           "\r\nSSTPPort=" + std::string(10000, '7') + "\r\n");
  LoadSettings();
  EXPECT_TRUE(std::string(1999, 'a') == settings.header) << settings.header.size();
  EXPECT_TRUE(std::string(1999, 'a') == settings.server) << settings.server.size();
  // A cut inside a double-byte character leaves no half of it, and nothing
  // of an earlier, longer value read into the same buffer.
  EXPECT_LE(settings.footer.size(), 1999u);
  EXPECT_GE(settings.footer.size(), 1990u);
  EXPECT_EQ(0u, settings.footer.size() % 2);
  EXPECT_TRUE(japanese.compare(0, settings.footer.size(), settings.footer) == 0);
  EXPECT_EQ(kDefaultNoUpdate, settings.noUpdate);
}

TEST_F(SettingsStore, BinaryGarbageLoadsWithoutHarm) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 131 + 7) & 0xFF);
  WriteIni(garbage + "\r\n[Option]\r\nCheckType=\x01\xFF\x83\r\n[SSTP]\r\nFooter=\x83\r\n" + garbage);
  LoadSettings();
  EXPECT_EQ(0, settings.checkType);
  EXPECT_LE(settings.header.size(), 1999u);
  EXPECT_LE(settings.footer.size(), 1999u);
}
