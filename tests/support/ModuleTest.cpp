// The application object and the attach/detach handling, inside a test
// program whose own application object stands in for the plug-in's.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/Application.h"
#include "framework/LibraryEntry.h"
#include "framework/ResourceString.h"
#include "support/ModuleHandles.h"
#include "support/Resources.h"
#include "support/WindowsVersion.h"

namespace {

// Puts the module handles back as the application constructor left them.
class ModuleHandlesGuard {
 public:
  ModuleHandlesGuard()
      : window_(windowInstance()),
        resource_(resourceInstance()),
        instance_(Application::Instance()->instance) {}
  ~ModuleHandlesGuard() {
    SetModuleHandles(window_);
    SetResourceHandle(resource_);
    Application::Instance()->instance = instance_;
  }

 private:
  HINSTANCE window_, resource_, instance_;
};

}  // namespace

TEST(Application, ConstructionTakesExecutableHandlesAndHelpName) {
  Application* app = Application::Instance();
  ASSERT_NE(nullptr, app);
  HINSTANCE exe = GetModuleHandleA(nullptr);
  EXPECT_EQ(exe, app->instance);
  EXPECT_EQ(exe, windowInstance());
  EXPECT_EQ(exe, resourceInstance());
  EXPECT_EQ("Application", app->appName);
  EXPECT_EQ("support_tests.hlp", app->helpPath);
  EXPECT_EQ(nullptr, app->mainWindow);
  EXPECT_EQ(0, app->Shutdown());
  EXPECT_EQ(0, app->SetInstance(GetModuleHandleA("kernel32.dll")));
  EXPECT_EQ(exe, app->instance);
}

TEST(Application, SecondObjectDoesNotReplaceTheInstance) {
  Application* first = Application::Instance();
  {
    Application second;
    EXPECT_EQ(first, Application::Instance());
  }
  EXPECT_EQ(first, Application::Instance());
}

TEST(Application, ModuleFileNameIsTheExecutablePath) {
  const std::string name = Application::Instance()->GetFileName();
  ASSERT_GT(name.size(), 4u);
  EXPECT_EQ(".exe", name.substr(name.size() - 4));
  Module empty;
  EXPECT_EQ("", empty.GetFileName());
  EXPECT_EQ(0, empty.SetInstance(nullptr));
}

TEST(LibraryEntry, ThreadNotificationsChangeNothing) {
  ModuleHandlesGuard guard;
  HINSTANCE before = resourceInstance();
  EXPECT_TRUE(HandleLibraryEntry(GetModuleHandleA("kernel32.dll"), DLL_THREAD_ATTACH, nullptr));
  EXPECT_TRUE(HandleLibraryEntry(GetModuleHandleA("kernel32.dll"), DLL_THREAD_DETACH, nullptr));
  EXPECT_EQ(before, resourceInstance());
  EXPECT_EQ(GetModuleHandleA(nullptr), Application::Instance()->instance);
}

TEST(LibraryEntry, AttachMakesLibraryTheResourceSourceOnly) {
  ModuleHandlesGuard guard;
  HINSTANCE library = GetModuleHandleA("kernel32.dll");
  Application::Instance()->commandLine = "left over";
  ASSERT_TRUE(HandleLibraryEntry(library, DLL_PROCESS_ATTACH, nullptr));
  EXPECT_EQ(library, Application::Instance()->instance);
  EXPECT_EQ(library, resourceInstance());
  EXPECT_EQ(GetModuleHandleA(nullptr), windowInstance());
  EXPECT_EQ("", Application::Instance()->commandLine);

  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  GetStartupInfoA(&startup);
  EXPECT_EQ(startup.wShowWindow, Application::Instance()->showCommand);

  // Wine reports an NT system, so the wheel message is never registered.
  EXPECT_EQ(0, IsWindows95());
  EXPECT_EQ(0u, wheelMessage);
  EXPECT_TRUE(HandleLibraryEntry(library, DLL_PROCESS_DETACH, nullptr));
}

TEST(ResourceString, LoadsTextOrLeavesStringAlone) {
  std::string text = "unchanged";
  EXPECT_FALSE(LoadResourceString(text, 999));
  EXPECT_EQ("unchanged", text);
  EXPECT_TRUE(LoadResourceString(text, 1));
  EXPECT_EQ("short text", text);
  EXPECT_TRUE(LoadResourceString(text, 2));
  EXPECT_EQ(std::string(299, 'x'), text);
}

TEST(ResourceData, FindsResourcesOfTheMainModule) {
  DWORD size = 0;
  // String tables are stored in blocks of 16; identifiers 1 and 2 live in block 1.
  EXPECT_NE(nullptr, LoadResourceData(nullptr, MAKEINTRESOURCEA(1), RT_STRING, &size));
  EXPECT_GT(size, 0u);
  EXPECT_EQ(nullptr, LoadResourceData(nullptr, MAKEINTRESOURCEA(77), RT_DIALOG));
}
