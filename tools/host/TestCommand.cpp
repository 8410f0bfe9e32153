#include "TestCommand.h"

#include <string>

#include "plugin/ProductInfo.h"
#include "runtime/ConsoleOutput.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "sstp/SstpRequest.h"
#include "support/PathHelpers.h"

namespace {

bool Taken(const SstpOutcome& outcome) {
  return outcome.result == SstpResult::kAnswered &&
         (outcome.statusCode == 200 || outcome.statusCode == 204);
}

// "port 9801", or for a saved 0 the ports it stands for: "port 9801 (then 11000)".
std::string PortsText(int port) {
  const PortsToTry ports = SstpPortsToTry(port);
  std::string text = "port " + std::to_string(ports.ports[0]);
  if (ports.count > 1) text += " (then " + std::to_string(ports.ports[1]) + ")";
  return text;
}

}  // namespace

int RunTestCommand(const std::string& pluginPath) {
  settings.iniPath = WithExtension(pluginPath, ".ini");
  LoadSettings();
  const char* server = settings.server.empty() ? "127.0.0.1" : settings.server.c_str();
  Print("sending a test notice to %s, %s, as saved in %s\n", server,
        PortsText(settings.sstpPort).c_str(), settings.iniPath.c_str());
  const SstpOutcome outcome =
      SendSstp(settings.server.c_str(), settings.sstpPort, kProductName, settings.noUpdate.c_str(),
               settings.ifGhost.c_str(), kTestNotice);
  Print("%s\n", DescribeOutcome(outcome).c_str());
  return Taken(outcome) ? 0 : 1;
}
