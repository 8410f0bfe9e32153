// Input that must never crash or hang the host, nor lose the notice: broken
// INI files, odd titles, null fields and entries, a report that cannot be
// written.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DefaultTexts.h"
#include "PluginRig.h"
#include "support/FileStream.h"

namespace {

constexpr DWORD kPromptMs = 10000;

class NotifyBadInput : public PluginRig {
 protected:
  // The one request the last call sent, or an empty text.
  std::string OnlyRequest() {
    const auto requests = listener.WaitForRequests(1);
    EXPECT_EQ(1u, requests.size());
    return requests.empty() ? std::string() : requests[0];
  }
  static std::string ScriptOf(const std::string& request) {
    const size_t start = request.find("\r\nScript: ");
    const size_t end = request.find("\r\nCharset: ");
    if (start == std::string::npos || end == std::string::npos) return std::string();
    return request.substr(start + 10, end - start - 10);
  }
  static std::string OneLine(const std::string& title, const std::string& info) {
    return "\\n\\n" + kMark + title + kIndent + info + "\\n\\n";
  }
  static const char* kEmptyTexts;
};

const char* NotifyBadInput::kEmptyTexts = "Header=\r\nFooter=\r\n";

}  // namespace

TEST_F(NotifyBadInput, IniWithBinaryGarbageStillLoads) {
  std::string garbage;
  for (int i = 0; i < 8192; ++i) garbage += static_cast<char>((i * 37 + 11) & 0xFF);
  LoadWithIni(garbage + "\r\n[SSTP]\r\nSSTPPort=" + std::to_string(listener.port()) +
              "\r\nHeader=\x83\r\n" + garbage);
  TestItems items;
  items.AddText("A", "x");
  EXPECT_EQ(1, Notify(items, 0x01));
  EXPECT_NE(std::string::npos, OnlyRequest().find(kMark + "A" + kIndent + "x"));
}

TEST_F(NotifyBadInput, LongIniValuesAreCut) {
  Load("CheckType=" + std::string(10000, '1') + "\r\n",
       "Header=" + std::string(10000, 'h') + "\r\nFooter=" + std::string(10000, 'f') + "\r\n");
  TestItems items;
  items.AddText("A", "x");
  EXPECT_EQ(1, Notify(items, 0x01));
  EXPECT_EQ(std::string(1999, 'h') + OneLine("A", "x") + std::string(1999, 'f'),
            ScriptOf(OnlyRequest()));
}

TEST_F(NotifyBadInput, IniWithoutSstpSectionUsesTheDefaults) {
  ASSERT_TRUE(listener.listening());
  LoadWithIni("[Option]\r\nCheckType=1\r\n");
  TestItems items;
  items.AddText("A", "x");
  EXPECT_EQ(0, Notify(items, 0x02));
  EXPECT_EQ(1, Notify(items, 0x01));  // to port 9801, where nothing of ours listens
  EXPECT_TRUE(FileExists(ReportPath()));
}

TEST_F(NotifyBadInput, LineBreaksInTitlesStayInsideTheScriptLine) {
  Load("", kEmptyTexts);
  TestItems items;
  items.AddText("one\r\ntwo\nthree\r", "a\rb");
  EXPECT_EQ(1, Notify(items, 0x01));
  const std::string request = OnlyRequest();
  EXPECT_EQ(SstpRequest(OneLine("one two three ", "a b")), request);
  EXPECT_NE(std::string::npos, Report().find("one\r\ntwo\nthree\r"));
}

TEST_F(NotifyBadInput, MegabyteTitleArrivesWhole) {
  Load("", kEmptyTexts);
  const std::string huge(1 << 20, 't');
  TestItems items;
  items.AddText(huge, "x").AddText("B", "y");
  const DWORD start = GetTickCount();
  EXPECT_EQ(1, Notify(items, 0x01));
  EXPECT_LT(GetTickCount() - start, kPromptMs);
  EXPECT_EQ(SstpRequest("\\n\\n" + kMark + huge + kIndent + "x\\n" + kMark + "B" + kIndent +
                        "y\\n\\n"),
            OnlyRequest());
  EXPECT_NE(std::string::npos, Report().find("<p><b>" + huge + "</b>"));
}

TEST_F(NotifyBadInput, ListTooLargeForMemoryThrowsNothingIntoTheHost) {
  Load("", kEmptyTexts);
  ASSERT_TRUE(CreateDirectoryA(ReportPath().c_str(), nullptr));  // no report: gigabytes
  // One megabyte title shared by thousands of entries: a script of gigabytes.
  const std::string title(1 << 20, 't');
  ToolItem item = ToolItem();
  item.Title = title.c_str();
  const std::vector<const ToolItem*> entries(3200, &item);
  EXPECT_EQ(1, Notify(entries.data(), static_cast<INT32>(entries.size()), 0x01));
  EXPECT_TRUE(listener.NothingArrived());
  TestItems small;
  small.AddText("A", "x");
  EXPECT_EQ(1, Notify(small, 0x01));
  EXPECT_EQ(SstpRequest(OneLine("A", "x")), OnlyRequest());
}

TEST_F(NotifyBadInput, LoneLeadByteCannotSwallowTheNextTag) {
  Load("", kEmptyTexts);
  TestItems items;
  items.AddText("title\x83", "text\x95");
  EXPECT_EQ(1, Notify(items, 0x01));
  TestItems beforeLineBreak;
  beforeLineBreak.AddText("title\x83\n", "text\x95\r");
  EXPECT_EQ(1, Notify(beforeLineBreak, 0x01));
  const auto requests = listener.WaitForRequests(2);
  ASSERT_EQ(2u, requests.size());
  EXPECT_EQ(SstpRequest(OneLine("title", "text")), requests[0]);
  EXPECT_EQ(SstpRequest(OneLine("title ", "text ")), requests[1]);
}

TEST_F(NotifyBadInput, NullFieldsAndEntriesAreSkipped) {
  Load("", kEmptyTexts);
  TestItems items;
  items.AddNull().Add(nullptr, nullptr, nullptr, nullptr).AddNull().AddText("B", "y").AddNull();
  EXPECT_EQ(1, Notify(items, 0x01));
  EXPECT_EQ(SstpRequest("\\n\\n" + kMark + kIndent + "\\n" + kMark + "B" + kIndent + "y\\n\\n"),
            OnlyRequest());
  const std::string report = Report();
  EXPECT_NE(std::string::npos,
            report.find("<p><b></b><br><a href=\"\" target=\"_blank\"></a><br></p><p><b>B</b>"));
}

TEST_F(NotifyBadInput, FolderInPlaceOfTheReportStillNotifies) {
  Load();
  ASSERT_TRUE(CreateDirectoryA(ReportPath().c_str(), nullptr));
  TestItems items;
  items.AddText("A", "x");
  EXPECT_EQ(1, Notify(items, 0x01));
  EXPECT_EQ(1u, listener.WaitForRequests(1).size());
}

TEST_F(NotifyBadInput, ReportHeldOpenStillNotifies) {
  Load();
  WriteFileBytes(ReportPath(), "earlier page");
  FileStream holder;
  ASSERT_EQ(1, holder.Open(ReportPath().c_str(), kFileReadAccess, OPEN_EXISTING, false));
  TestItems items;
  items.AddText("A", "x");
  EXPECT_EQ(1, Notify(items, 0x01));
  EXPECT_EQ(1u, listener.WaitForRequests(1).size());
  holder.Close();
  EXPECT_EQ("earlier page", Report());
}

TEST_F(NotifyBadInput, MascotThatAcceptsNothingDoesNotHangTheHost) {
  // A listener whose queue is full: connections to it are never accepted.
  SOCKET full = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = inet_addr("127.0.0.1");
  int size = sizeof(address);
  ASSERT_EQ(0, bind(full, reinterpret_cast<sockaddr*>(&address), sizeof(address)));
  ASSERT_EQ(0, listen(full, 1));
  ASSERT_EQ(0, getsockname(full, reinterpret_cast<sockaddr*>(&address), &size));
  LoadWithIni("[SSTP]\r\nSSTPPort=" + std::to_string(ntohs(address.sin_port)) + "\r\n");
  TestItems items;
  items.AddText(std::string(1 << 20, 'x'), "y");
  const DWORD start = GetTickCount();
  EXPECT_EQ(1, Notify(items, 0x01));
  EXPECT_LT(GetTickCount() - start, 2 * kPromptMs);
  closesocket(full);
}
