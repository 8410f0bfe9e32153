// The configuration call of the real DLL: its options sheet driven from a
// second thread as a user would, and the INI file it leaves behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "OptionsFixture.h"
#include "resources/ResourceIds.h"

namespace {

std::string IniWith(const std::string& option, const std::string& sstp = "") {
  return "[Option]\r\n" + option + "[SSTP]\r\n" + sstp;
}

const int kBitBoxes[] = {IDC_CHECK_ITEM, IDC_CHECK_ALL_ITEMS, IDC_CHECK_HIERARCHY,
                         IDC_CHECK_ERROR_ITEMS};

// Which of the four boxes the check-type page shows for a stored CheckType.
std::string BoxesShownFor(const std::string& checkType) {
  const std::string ini = IniWith("CheckType=" + checkType + "\r\n");
  OptionsFixture fixture(&ini);
  std::string shown;
  fixture.Configure([&](SheetDriver& d) {
    for (int id : kBitBoxes) shown += d.IsChecked(id) ? '1' : '0';
    d.PressCancel();
  });
  return shown;
}

}  // namespace

TEST(OptionsSheet, CancelAfterEditsLeavesIniUntouched) {
  const std::string ini = IniWith("CheckType=3\r\nAutoCheck=0\r\n", "Server=example.invalid\r\n");
  OptionsFixture fixture(&ini);
  ASSERT_TRUE(fixture.loaded());
  EXPECT_EQ(1, fixture.Configure([](SheetDriver& d) {
    d.Click(IDC_CHECK_ERROR_ITEMS);
    d.Click(IDC_AUTO_CHECK_ONLY);
    d.ShowPage(1);
    d.SetText(IDC_SERVER, "changed.invalid");
    d.SetText(IDC_PORT, "1234");
    d.PressCancel();
  }));
  EXPECT_EQ(ini, fixture.IniBytes());

  OptionsFixture fresh;
  EXPECT_EQ(1, fresh.Configure([](SheetDriver& d) { d.PressCancel(); }));
  EXPECT_FALSE(fresh.IniExists());
}

TEST(OptionsSheet, OkWithoutChangesSavesEveryKeyOptionFirst) {
  OptionsFixture fixture;
  ASSERT_TRUE(fixture.loaded());
  EXPECT_EQ(1, fixture.Configure([](SheetDriver& d) { d.PressOk(); }));

  EXPECT_EQ("15", fixture.Value("Option", "CheckType"));
  EXPECT_EQ("0", fixture.Value("Option", "AutoCheck"));
  EXPECT_EQ("127.0.0.1", fixture.Value("SSTP", "Server"));
  EXPECT_EQ("9801", fixture.Value("SSTP", "SSTPPort"));
  // "以上。"
  EXPECT_EQ("\x88\xC8\x8F\xE3\x81\x42", fixture.Value("SSTP", "Footer"));
  const std::string header = fixture.Value("SSTP", "Header");
  EXPECT_EQ(0u, header.find("\\s0Vyrex"));
  EXPECT_NE(std::string::npos, header.find("\x81\x60"));
  EXPECT_EQ(0u, fixture.Value("SSTP", "NoUpdate").find("\\s4"));
  EXPECT_FALSE(fixture.ReportExists());

  const std::string bytes = fixture.IniBytes();
  const size_t option = bytes.find("[Option]");
  const size_t sstp = bytes.find("[SSTP]");
  ASSERT_NE(std::string::npos, option);
  ASSERT_NE(std::string::npos, sstp);
  EXPECT_LT(option, sstp);
  EXPECT_LT(bytes.find("CheckType="), bytes.find("AutoCheck="));
  EXPECT_LT(bytes.find("AutoCheck="), sstp);
}

TEST(OptionsSheet, CheckBoxesFollowTheBitsNotTheIdentifiers) {
  EXPECT_EQ("1111", BoxesShownFor("15"));
  EXPECT_EQ("1010", BoxesShownFor("5"));  // 1024 and 1025: bits 0x1 and 0x4
  EXPECT_EQ("0000", BoxesShownFor("0"));
  EXPECT_EQ("1111", BoxesShownFor("31"));
}

TEST(OptionsSheet, ConfirmedBoxesAreStoredAsBits) {
  const std::string ini = IniWith("CheckType=0\r\nAutoCheck=1\r\n");
  OptionsFixture fixture(&ini);
  bool autoShown = false;
  fixture.Configure([&](SheetDriver& d) {
    autoShown = d.IsChecked(IDC_AUTO_CHECK_ONLY);
    d.Click(IDC_CHECK_ALL_ITEMS);
    d.Click(IDC_CHECK_ERROR_ITEMS);
    d.Click(IDC_AUTO_CHECK_ONLY);
    d.PressOk();
  });
  EXPECT_TRUE(autoShown);
  EXPECT_EQ("10", fixture.Value("Option", "CheckType"));
  EXPECT_EQ("0", fixture.Value("Option", "AutoCheck"));

  const std::string wide = IniWith("CheckType=31\r\n");
  OptionsFixture dropped(&wide);
  dropped.Configure([](SheetDriver& d) { d.PressOk(); });
  EXPECT_EQ("15", dropped.Value("Option", "CheckType"));
}

TEST(OptionsSheet, PortFieldIsReadAsSignedNumberOrZero) {
  const struct {
    const char* typed;
    const char* stored;
  } cases[] = {{"9801", "9801"}, {"", "0"}, {"abc", "0"}, {"99999999999", "0"}, {"-5", "-5"}};
  for (const auto& c : cases) {
    OptionsFixture fixture;
    fixture.Configure([&](SheetDriver& d) {
      d.ShowPage(1);
      d.SetText(IDC_PORT, c.typed);
      d.PressOk();
    });
    EXPECT_EQ(c.stored, fixture.Value("SSTP", "SSTPPort")) << "typed \"" << c.typed << "\"";
  }
}

TEST(OptionsSheet, TextsAreShownAndStoredUpToTheirLimit) {
  const std::string noUpdate = "\\s4" + std::string(1990, 'n');
  const std::string ini = IniWith("", "Server=mascot.invalid\r\nSSTPPort=12345\r\nNoUpdate=" +
                                          noUpdate + "\r\nIfGhost=one,two\r\n");
  OptionsFixture fixture(&ini);
  std::string server, port, ifGhost;
  fixture.Configure([&](SheetDriver& d) {
    d.ShowPage(1);
    server = d.Text(IDC_SERVER);
    port = d.Text(IDC_PORT);
    ifGhost = d.Text(IDC_IF_GHOST);
    d.SetText(IDC_HEADER, std::string(2500, 'h'));
    d.PressOk();
  });
  EXPECT_EQ("mascot.invalid", server);
  EXPECT_EQ("12345", port);
  EXPECT_EQ("one,two", ifGhost);
  EXPECT_EQ("one,two", fixture.Value("SSTP", "IfGhost"));
  EXPECT_EQ(std::string(1999, 'h'), fixture.Value("SSTP", "Header"));
  EXPECT_EQ(noUpdate, fixture.Value("SSTP", "NoUpdate"));
  EXPECT_EQ("mascot.invalid", fixture.Value("SSTP", "Server"));
}

TEST(OptionsSheet, UnopenedSstpPageKeepsLoadedValues) {
  const std::string ini =
      IniWith("CheckType=1\r\n", "Server=far.invalid\r\nSSTPPort=11000\r\nFooter=bye\r\n");
  OptionsFixture fixture(&ini);
  fixture.Configure([](SheetDriver& d) {
    d.Click(IDC_CHECK_ALL_ITEMS);
    d.PressOk();
  });
  EXPECT_EQ("3", fixture.Value("Option", "CheckType"));
  EXPECT_EQ("far.invalid", fixture.Value("SSTP", "Server"));
  EXPECT_EQ("11000", fixture.Value("SSTP", "SSTPPort"));
  EXPECT_EQ("bye", fixture.Value("SSTP", "Footer"));
}

TEST(OptionsSheet, SecondCallInTheSameProcessWorks) {
  OptionsFixture fixture;
  EXPECT_EQ(1, fixture.Configure([](SheetDriver& d) { d.PressCancel(); }));
  EXPECT_EQ(1, fixture.Configure([](SheetDriver& d) {
    d.ShowPage(1);
    d.SetText(IDC_SERVER, "second.invalid");
    d.PressOk();
  }));
  EXPECT_EQ("second.invalid", fixture.Value("SSTP", "Server"));
}

TEST(OptionsSheet, SheetWithoutOwnerIsCentredAndHasNoHelpButton) {
  OptionsFixture fixture;
  RECT placed = {};
  LONG exStyle = 0;
  fixture.Configure([&](SheetDriver& d) {
    GetWindowRect(d.sheet(), &placed);
    exStyle = GetWindowLongA(d.sheet(), GWL_EXSTYLE);
    d.PressCancel();
  });
  EXPECT_EQ(0, exStyle & WS_EX_CONTEXTHELP);
  const int width = placed.right - placed.left;
  const int height = placed.bottom - placed.top;
  EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - width) / 2, placed.left);
  EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - height) / 2, placed.top);
}

TEST(OptionsSheet, SheetIsCentredOverItsOwner) {
  HWND owner = CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 40, 60, 600, 500,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(nullptr, owner);
  OptionsFixture fixture;
  RECT placed = {};
  HWND sheetOwner = nullptr;
  fixture.Configure(
      [&](SheetDriver& d) {
        GetWindowRect(d.sheet(), &placed);
        sheetOwner = GetWindow(d.sheet(), GW_OWNER);
        d.PressCancel();
      },
      owner);
  DestroyWindow(owner);
  EXPECT_EQ(owner, sheetOwner);
  EXPECT_EQ(40 + (600 - (placed.right - placed.left)) / 2, placed.left);
  EXPECT_EQ(60 + (500 - (placed.bottom - placed.top)) / 2, placed.top);
}
