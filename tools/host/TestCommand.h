// `host <dll> test`: the test notice of the options page, with the settings
// saved beside the DLL. It sends the no-update text to the saved server and
// port with the plug-in's own SSTP code, waits for the mascot's answer (at
// most about 3 seconds) and prints what became of it.
#pragma once

#include <string>

// Exit status: 0 when the mascot took the notice (200 or 204), else 1.
int RunTestCommand(const std::string& pluginPath);
