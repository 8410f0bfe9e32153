#include "MascotOptions.h"

#include <cstdlib>
#include <cstring>

const char kMascotUsage[] =
    "usage: mascot [options]\n"
    "Stands in for the mascot program: holds its named mutex, listens for SSTP\n"
    "requests on TCP, answers each one and prints it (Shift-JIS shown as UTF-8).\n"
    "\n"
    "  --port N        port to listen on, 0 for any free one (default 9801)\n"
    "  --bind ADDR     IPv4 address to listen on (default 127.0.0.1)\n"
    "  --mutex NAME    named mutex held while running: sakura, ssp or none\n"
    "                  (default sakura)\n"
    "  --count N       stop after N requests (default: run until ended)\n"
    "  --save FILE     append the exact received bytes of every request to FILE\n"
    "  --timeout SEC   drop a client that has not sent its whole request within\n"
    "                  SEC seconds (default 5)\n"
    "  --answer LIST   how to answer each well-formed request, separated by commas;\n"
    "                  the last one repeats (default 200). A status code (200, 204,\n"
    "                  400, 404, 409 busy, 420 refused, 503, 512 hidden, ...), close\n"
    "                  (no answer), silent (hold the connection, no answer) or\n"
    "                  trickle (200 OK, one byte a second)\n"
    "  --delay MS      wait MS milliseconds before each answer\n"
    "  --elevated      create the mutex so that other programs may only wait on it,\n"
    "                  as a mascot program running as administrator looks to them\n"
    "  --help          show this text\n"
    "\n"
    "It prints \"listening on ADDR:PORT\" once it is ready, then every request.\n";

namespace {

constexpr long kMaxPort = 65535;
constexpr long kMaxTimeoutSeconds = 3600;

bool ParseNumber(const char* text, long low, long high, long& value) {
  char* end = nullptr;
  const long parsed = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || parsed < low || parsed > high) return false;
  value = parsed;
  return true;
}

bool ParseAnswers(const std::string& list, std::vector<Answer>& answers) {
  answers.clear();
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = list.find(',', start);
    Answer answer;
    if (!ParseAnswer(list.substr(start, comma - start), answer)) return false;
    answers.push_back(answer);
    if (comma == std::string::npos) return true;
    start = comma + 1;
  }
}

}  // namespace

bool ParseMascotOptions(int argc, char** argv, MascotOptions& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--help" || option == "-h") {
      options.showHelp = true;
      continue;
    }
    if (option == "--elevated") {
      options.elevated = true;
      continue;
    }
    if (i + 1 >= argc) {
      error = option.rfind("--", 0) == 0 ? option + " needs a value" : "unknown argument " + option;
      return false;
    }
    const char* value = argv[++i];
    long number = 0;
    if (option == "--port") {
      if (!ParseNumber(value, 0, kMaxPort, number)) {
        error = std::string("bad port ") + value;
        return false;
      }
      options.port = static_cast<int>(number);
    } else if (option == "--bind") {
      options.bindAddress = value;
    } else if (option == "--mutex") {
      const std::string name = value;
      if (name != "sakura" && name != "ssp" && name != "none") {
        error = "--mutex takes sakura, ssp or none";
        return false;
      }
      options.mutexName = name == "none" ? std::string() : name;
    } else if (option == "--count") {
      if (!ParseNumber(value, 1, 0x7FFFFFFF, number)) {
        error = std::string("bad count ") + value;
        return false;
      }
      options.count = number;
    } else if (option == "--save") {
      options.saveFile = value;
    } else if (option == "--timeout") {
      if (!ParseNumber(value, 1, kMaxTimeoutSeconds, number)) {
        error = std::string("bad timeout ") + value;
        return false;
      }
      options.timeoutSeconds = static_cast<int>(number);
    } else if (option == "--answer") {
      if (!ParseAnswers(value, options.answers)) {
        error = std::string("bad answer list ") + value;
        return false;
      }
    } else if (option == "--delay") {
      if (!ParseNumber(value, 0, kMaxTimeoutSeconds * 1000, number)) {
        error = std::string("bad delay ") + value;
        return false;
      }
      options.delayMs = static_cast<int>(number);
    } else {
      error = "unknown option " + option;
      return false;
    }
  }
  return true;
}
