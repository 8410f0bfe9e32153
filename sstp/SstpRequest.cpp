#include "sstp/SstpRequest.h"

#include <cstring>

#include "sstp/SstpTransport.h"

namespace {

constexpr char kRequestLine[] = "SEND SSTP/";
constexpr char kSstpVersion[] = "1.1";
constexpr char kSenderField[] = "Sender: ";
constexpr char kScriptField[] = "Script: ";
constexpr char kCharsetLine[] = "Charset: SJIS";
constexpr char kLineEnd[] = "\r\n";
// Room for the request's fixed lines.
constexpr std::size_t kFixedRequestSize = 64;

// Neither CR nor LF can be a Shift-JIS trail byte, so dropping them byte by
// byte never splits a double-byte character.
void AppendHeaderValue(std::string& request, const char* value) {
  if (value == nullptr) return;
  while (*value != '\0') {
    const std::size_t run = std::strcspn(value, "\r\n");
    request.append(value, run);
    value += run;
    if (*value != '\0') ++value;
  }
}

}  // namespace

std::string BuildSstpRequest(const char* sender, const char* script) {
  std::string request;
  request.reserve(kFixedRequestSize + (sender != nullptr ? std::strlen(sender) : 0) +
                  (script != nullptr ? std::strlen(script) : 0));
  request += kRequestLine;
  request += kSstpVersion;
  request += kLineEnd;
  request += kSenderField;
  AppendHeaderValue(request, sender);
  request += kLineEnd;
  request += kScriptField;
  AppendHeaderValue(request, script);
  request += kLineEnd;
  request += kCharsetLine;
  request += kLineEnd;
  request += kLineEnd;
  return request;
}

bool SendSstp(const char* host, int port, const char* sender, const char* script) {
  const std::string request = BuildSstpRequest(sender, script);
  return SstpExchange(host, port, request.data(), request.size());
}
