// The real plug-in DLL in a host process: load, tool discovery, unload.
#include <winsock.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "PluginLibrary.h"
#include "TempFolder.h"

namespace {

constexpr unsigned char kFill = 0xA5;
constexpr size_t kInfoSize = 2048;

// "SSTPプロトコルで通知(&S)" in Shift-JIS, with its NUL.
const char kTitle[] = "SSTP\x83\x76\x83\x8D\x83\x67\x83\x52\x83\x8B\x82\xC5\x92\xCA\x92\x6D(&S)";

}  // namespace

TEST(PluginLoad, LoadsAndUnloadsRepeatedly) {
  TempFolder folder;
  for (int round = 0; round < 3; ++round) {
    PluginLibrary plugin(folder);
    ASSERT_NE(nullptr, plugin.handle()) << "round " << round << ", error " << GetLastError();
    plugin.Free();
    EXPECT_EQ(nullptr, GetModuleHandleA(plugin.path().c_str()));
  }
}

// Windows Sockets are started by each exchange, never under the loader lock:
// loading does not start them, and unloading leaves the host's own start-up.
TEST(PluginLoad, LoadingAndUnloadingDoNoSocketWork) {
  const auto socketsWork = [] {
    const SOCKET probe = socket(AF_INET, SOCK_STREAM, 0);
    if (probe == INVALID_SOCKET) return false;
    closesocket(probe);
    return true;
  };
  TempFolder folder;
  ASSERT_TRUE(socketsWork()) << "the test program starts Windows Sockets";
  ASSERT_EQ(0, WSACleanup());
  {
    PluginLibrary plugin(folder);
    ASSERT_NE(nullptr, plugin.handle());
    EXPECT_FALSE(socketsWork()) << "loading started Windows Sockets";
  }
  WSADATA data;
  ASSERT_EQ(0, WSAStartup(MAKEWORD(1, 1), &data));
  PluginLibrary(folder).Free();
  EXPECT_TRUE(socketsWork()) << "unloading released the host's Windows Sockets";
}

TEST(PluginLoad, ExportsOnlyUndecoratedNames) {
  TempFolder folder;
  PluginLibrary plugin(folder);
  ASSERT_NE(nullptr, plugin.handle());
  EXPECT_NE(nullptr, plugin.GetToolList());
  EXPECT_EQ(nullptr, GetProcAddress(plugin.handle(), "GetToolList@8"));
  EXPECT_EQ(nullptr, GetProcAddress(plugin.handle(), "_GetToolList@8"));
}

TEST(GetToolList, FillsTitleExportAndFlagsAndNothingElse) {
  TempFolder folder;
  PluginLibrary plugin(folder);
  ASSERT_NE(nullptr, plugin.GetToolList());

  std::vector<unsigned char> info(kInfoSize, kFill);
  EXPECT_EQ(0, plugin.GetToolList()(0, info.data()));

  std::vector<unsigned char> expected(kInfoSize, kFill);
  std::memcpy(&expected[4], kTitle, sizeof(kTitle));
  std::memcpy(&expected[260], "SSTPNotify", 11);
  const INT32 flags = 96;
  std::memcpy(&expected[776], &flags, sizeof(flags));
  EXPECT_EQ(25u, sizeof(kTitle));
  EXPECT_EQ(expected, info);
}

TEST(GetToolList, OtherIndexesOrNoRecordReturnMinusOneAndTouchNothing) {
  TempFolder folder;
  PluginLibrary plugin(folder);
  ASSERT_NE(nullptr, plugin.GetToolList());
  for (INT32 index : {1, 2, -1, 0x7FFFFFFF, static_cast<INT32>(0x80000000)}) {
    std::vector<unsigned char> info(kInfoSize, kFill);
    EXPECT_EQ(-1, plugin.GetToolList()(index, info.data())) << index;
    EXPECT_EQ(std::vector<unsigned char>(kInfoSize, kFill), info) << index;
  }
  EXPECT_EQ(-1, plugin.GetToolList()(0, nullptr));
}
