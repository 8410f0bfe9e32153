#include "TestCommand.h"

#include <cstdio>

#include "plugin/ProductInfo.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "sstp/SstpRequest.h"
#include "support/PathHelpers.h"

namespace {

bool Taken(const SstpOutcome& outcome) {
  return outcome.result == SstpResult::kAnswered &&
         (outcome.statusCode == 200 || outcome.statusCode == 204);
}

}  // namespace

int RunTestCommand(const std::string& pluginPath) {
  settings.iniPath = WithExtension(pluginPath, ".ini");
  LoadSettings();
  const char* server = settings.server.empty() ? "127.0.0.1" : settings.server.c_str();
  std::printf("sending a test notice to %s, port %d, as saved in %s\n", server, settings.sstpPort,
              settings.iniPath.c_str());
  std::fflush(stdout);
  const SstpOutcome outcome =
      SendSstp(settings.server.c_str(), settings.sstpPort, kProductName, settings.noUpdate.c_str(),
               settings.ifGhost.c_str(), kTestNotice);
  std::printf("%s\n", DescribeOutcome(outcome).c_str());
  return Taken(outcome) ? 0 : 1;
}
