// Reads and writes the settings record in its INI file (sections "Option"
// and "SSTP"), named by the record's iniPath. Loaded once at start-up; saved
// when the user confirms the options sheet.
#pragma once

// Fills the record from the INI file; missing keys (or a missing file, or no
// INI path at all) give the defaults.
void LoadSettings();

// Writes every value back; with no INI path nothing is written.
void SaveSettings();

// Longest text a setting keeps when loaded.
constexpr int kSettingTextLimit = 1999;
