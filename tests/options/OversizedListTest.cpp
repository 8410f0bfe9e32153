// The tool's entry point is called by a host that is no C++ program: a list
// too large to compose must end inside the plug-in, never unwind into the
// host. The options tests hold it because they already drive the real DLL.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PluginLibrary.h"
#include "TempFolder.h"

namespace {

constexpr INT32 kNotificationCall = 1;
constexpr INT32 kItemCheck = 0x01;
constexpr int kTitleWord = 2;
constexpr int kItemWords = 11;
// Far more text than one script may hold in a 32-bit process, from one item
// listed many times: nothing of that size is ever allocated.
constexpr size_t kTitleBytes = 1 << 20;
constexpr INT32 kItemCount = 2200;

TEST(OversizedList, NotificationEndsInsideThePlugin) {
  TempFolder folder;
  // The report cannot be created, so only the notice deals with the list.
  ASSERT_TRUE(CreateDirectoryA(folder.File("sstpnotify.htm").c_str(), nullptr));
  PluginLibrary plugin(folder);
  ASSERT_NE(nullptr, plugin.handle());

  const std::string title(kTitleBytes, 'a');
  const void* record[kItemWords] = {};
  record[kTitleWord] = title.c_str();
  std::vector<const void*> items(kItemCount, record);

  EXPECT_EQ(1, plugin.SstpNotify()(nullptr, items.data(), kItemCount,
                                   kNotificationCall, kItemCheck));
}

}  // namespace
