// The plug-in's name, home page and rights notice, shown in the report's
// credit lines, sent as the SSTP sender and shown on the options page.
#pragma once

constexpr char kProductName[] = "Vyrex plugin for Olmira";
constexpr char kHomePageAddress[] = "https://www.example.jp/vyrex/sstpnotify/";
// One line that fits the options page.
constexpr char kRightsNotice[] =
    "Copyright (C) 2026 Vyrex plugin for Olmira project";
