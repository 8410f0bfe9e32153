// `host <dll> notify <items.tsv> [--kind 0x11] [--call-type 1]` and
// `host <dll> notify --none`: calls the tool as the host does after a check
// and prints what it returned.
#pragma once

#include "PluginExports.h"

// Exit status: 0 when the call was made, 2 for a command line not understood,
// 1 when the item file cannot be read.
int RunNotifyCommand(SstpNotifyFunction sstpNotify, int argc, char** argv);
