#include "settings/SettingsStore.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "settings/ProfileText.h"
#include "settings/Settings.h"

namespace {

constexpr char kOptionSection[] = "Option";
constexpr char kSstpSection[] = "SSTP";
constexpr char kCheckTypeKey[] = "CheckType";
constexpr char kAutoCheckKey[] = "AutoCheck";
constexpr char kServerKey[] = "Server";
constexpr char kHeaderKey[] = "Header";
constexpr char kFooterKey[] = "Footer";
constexpr char kNoUpdateKey[] = "NoUpdate";
constexpr char kPortKey[] = "SSTPPort";
constexpr char kIfGhostKey[] = "IfGhost";

constexpr char kDefaultCheckType[] = "15";
constexpr char kDefaultAutoCheck[] = "0";
constexpr char kDefaultServer[] = "127.0.0.1";
// "\s0Vyrexのチェック完了～。\n次のサイトが更新されています。"
constexpr char kDefaultHeader[] =
    "\\s0Vyrex\x82\xCC\x83\x60\x83\x46\x83\x62\x83\x4E\x8A\xAE\x97\xB9\x81\x60\x81\x42\\n"
    "\x8E\x9F\x82\xCC\x83\x54\x83\x43\x83\x67\x82\xAA\x8D\x58\x90\x56\x82\xB3\x82\xEA\x82\xC4"
    "\x82\xA2\x82\xDC\x82\xB7\x81\x42";
// "以上。"
constexpr char kDefaultFooter[] = "\x88\xC8\x8F\xE3\x81\x42";
// "\s4更新されたサイトはありませんでした。\n\n\w5切なさ炸裂。"
constexpr char kDefaultNoUpdate[] =
    "\\s4\x8D\x58\x90\x56\x82\xB3\x82\xEA\x82\xBD\x83\x54\x83\x43\x83\x67\x82\xCD\x82\xA0\x82\xE8"
    "\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD\x81\x42\\n\\n\\w5"
    "\x90\xD8\x82\xC8\x82\xB3\xE0\x79\x97\xF4\x81\x42";
constexpr int kDefaultPort = 9801;

static_assert(sizeof(kDefaultHeader) == 59, "header default is 58 bytes");
static_assert(sizeof(kDefaultFooter) == 7, "footer default is 6 bytes");
static_assert(sizeof(kDefaultNoUpdate) == 59, "no-update default is 58 bytes");

constexpr DWORD kTextBufferSize = kSettingTextLimit + 1;
constexpr int kNumberBufferSize = 100;

class ProfileReader {
 public:
  explicit ProfileReader(const std::string& iniPath) : iniPath_(iniPath) {}

  // The buffer is cleared first: when a value is cut inside a double-byte
  // character, the reader may count a byte it never wrote. Half a character
  // at the end is dropped, so that it cannot join with the text that follows
  // it in a script.
  std::string Text(const char* section, const char* key, const char* defaultText) {
    std::memset(buffer_, 0, sizeof(buffer_));
    const DWORD length = GetPrivateProfileStringA(section, key, defaultText, buffer_,
                                                  kTextBufferSize, iniPath_.c_str());
    const DWORD limit = length < kTextBufferSize ? length : kTextBufferSize - 1;
    std::string text(buffer_, strnlen(buffer_, limit));
    DropDanglingLeadByte(text);
    return text;
  }

  int Integer(const char* section, const char* key, int defaultValue) {
    return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, iniPath_.c_str()));
  }

 private:
  const std::string& iniPath_;
  char buffer_[kTextBufferSize] = {};
};

void WriteText(const std::string& iniPath, const char* section, const char* key,
               const std::string& value) {
  WritePrivateProfileStringA(section, key, ProfileValueToWrite(value).c_str(), iniPath.c_str());
}

void WriteNumber(const std::string& iniPath, const char* section, const char* key, int value) {
  char text[kNumberBufferSize];
  wsprintfA(text, "%d", value);
  WritePrivateProfileStringA(section, key, text, iniPath.c_str());
}

void ApplyDefaults(Settings& record) {
  record.checkType = ParseProfileInteger(kDefaultCheckType);
  record.autoCheck = ParseProfileInteger(kDefaultAutoCheck) != 0 ? 1 : 0;
  record.server = kDefaultServer;
  record.header = kDefaultHeader;
  record.footer = kDefaultFooter;
  record.noUpdate = kDefaultNoUpdate;
  record.sstpPort = kDefaultPort;
  record.ifGhost.clear();
}

}  // namespace

void LoadSettings() {
  // Without a file name the profile functions would fall back to a system
  // file; the defaults are used instead.
  if (settings.iniPath.empty()) {
    ApplyDefaults(settings);
    return;
  }
  ProfileReader reader(settings.iniPath);
  settings.checkType =
      ParseProfileInteger(reader.Text(kOptionSection, kCheckTypeKey, kDefaultCheckType).c_str());
  settings.autoCheck =
      ParseProfileInteger(reader.Text(kOptionSection, kAutoCheckKey, kDefaultAutoCheck).c_str()) != 0
          ? 1
          : 0;
  settings.server = reader.Text(kSstpSection, kServerKey, kDefaultServer);
  settings.header = reader.Text(kSstpSection, kHeaderKey, kDefaultHeader);
  settings.footer = reader.Text(kSstpSection, kFooterKey, kDefaultFooter);
  settings.noUpdate = reader.Text(kSstpSection, kNoUpdateKey, kDefaultNoUpdate);
  settings.sstpPort = reader.Integer(kSstpSection, kPortKey, kDefaultPort);
  settings.ifGhost = reader.Text(kSstpSection, kIfGhostKey, "");
}

void SaveSettings() {
  const std::string& iniPath = settings.iniPath;
  if (iniPath.empty()) return;
  WriteNumber(iniPath, kOptionSection, kCheckTypeKey, settings.checkType);
  WriteNumber(iniPath, kOptionSection, kAutoCheckKey, settings.autoCheck);
  WriteText(iniPath, kSstpSection, kServerKey, settings.server);
  WriteText(iniPath, kSstpSection, kHeaderKey, settings.header);
  WriteText(iniPath, kSstpSection, kFooterKey, settings.footer);
  WriteText(iniPath, kSstpSection, kNoUpdateKey, settings.noUpdate);
  WriteNumber(iniPath, kSstpSection, kPortKey, settings.sstpPort);
  WriteText(iniPath, kSstpSection, kIfGhostKey, settings.ifGhost);
}
