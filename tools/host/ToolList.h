// `host <dll>`: asks the plug-in for its tools and prints them.
#pragma once

#include "PluginExports.h"

// The number of tools listed.
int ListTools(GetToolListFunction getToolList);
