// Plays the host: loads a tool plug-in, lists the tools it offers, or calls
// the tool as the host does after a check.
//
//   host <plugin.dll>                       list the tools
//   host <plugin.dll> notify <items.tsv> [--kind 0x11] [--call-type 1]
//   host <plugin.dll> notify --none [--kind 0x11] [--call-type 1]
//   host <plugin.dll> configure             open the tool's options sheet
//   host <plugin.dll> test                  send a test notice, print the answer
#include <windows.h>

#include <string>

#include "NotifyCommand.h"
#include "PluginExports.h"
#include "TestCommand.h"
#include "ToolList.h"
#include "runtime/ConsoleOutput.h"

namespace {

constexpr char kUsage[] =
    "usage: host <plugin.dll>\n"
    "       host <plugin.dll> notify <items.tsv> [--kind 0x11] [--call-type 1]\n"
    "       host <plugin.dll> notify --none [--kind 0x11] [--call-type 1]\n"
    "       host <plugin.dll> configure\n"
    "       host <plugin.dll> test\n"
    "items.tsv: UTF-8, one item a line: title, URL, text, view URL, separated by tabs\n";

int RunListCommand(const LoadedPlugin& plugin, const char* path) {
  const GetToolListFunction getToolList = plugin.GetToolList();
  if (getToolList == nullptr) {
    PrintError("%s exports no GetToolList\n", path);
    return 1;
  }
  return ListTools(getToolList) > 0 ? 0 : 1;
}

// The configuration call, as the host makes it from its tool settings.
int RunConfigureCommand(SstpNotifyFunction sstpNotify) {
  constexpr INT32 kConfigurationCall = 0;
  Print("calling SSTPNotify for configuration\n");
  const INT32 result = sstpNotify(nullptr, nullptr, 0, kConfigurationCall, 0);
  Print("SSTPNotify returned %d\n", result);
  return 0;
}

int RunCommand(const LoadedPlugin& plugin, const char* path, int argc, char** argv) {
  if (argc == 0) return RunListCommand(plugin, path);
  const std::string command = argv[0];
  if (command == "test") return RunTestCommand(plugin.path());
  if (command != "notify" && command != "configure") {
    PrintError("unknown command %s\n\n%s", command.c_str(), kUsage);
    return 2;
  }
  const SstpNotifyFunction sstpNotify = plugin.SstpNotify();
  if (sstpNotify == nullptr) {
    PrintError("%s exports no SSTPNotify\n", path);
    return 1;
  }
  if (command == "configure") return RunConfigureCommand(sstpNotify);
  return RunNotifyCommand(sstpNotify, argc - 1, argv + 1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintError("%s", kUsage);
    return 2;
  }
  LoadedPlugin plugin(argv[1]);
  if (!plugin.loaded()) {
    PrintError("cannot load %s (error %lu)\n", argv[1], GetLastError());
    return 1;
  }
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof(version);
  if (GetVersionExA(&version)) {
    Print("Windows %lu.%lu, platform %lu\n", version.dwMajorVersion, version.dwMinorVersion,
          version.dwPlatformId);
  }
  Print("loaded %s\n", plugin.path().c_str());
  const int result = RunCommand(plugin, argv[1], argc - 2, argv + 2);
  if (plugin.Unload()) {
    Print("unloaded\n");
  } else {
    Print("could not unload (error %lu)\n", GetLastError());
  }
  return result;
}
