// The console program's entry point: splits the command line into argc and
// argv by the rules of Microsoft's C runtime, calls main (which constructs
// the static objects first), destroys them and ends the process with main's
// result.
#include <windows.h>

#include "runtime/StaticObjects.h"

int main(int argc, char** argv);

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Copies the argument at `from` into `to` and returns where the next one
// starts. 2n backslashes before a quote are n backslashes and the quote
// opens or closes a quoted part; 2n+1 are n and a literal quote; other
// backslashes are literal; "" inside a quoted part is one quote.
const char* CopyArgument(const char* from, char* to, char** end) {
  bool quoted = false;
  while (*from != '\0' && (quoted || !IsBlank(*from))) {
    int backslashes = 0;
    while (*from == '\\') {
      ++backslashes;
      ++from;
    }
    if (*from == '"') {
      for (int i = 0; i < backslashes / 2; ++i) *to++ = '\\';
      if (backslashes % 2 == 1) {
        *to++ = '"';
      } else if (quoted && from[1] == '"') {
        *to++ = '"';
        ++from;
      } else {
        quoted = !quoted;
      }
      ++from;
    } else {
      for (int i = 0; i < backslashes; ++i) *to++ = '\\';
      if (*from != '\0' && (quoted || !IsBlank(*from))) *to++ = *from++;
    }
  }
  *to++ = '\0';
  *end = to;
  while (IsBlank(*from)) ++from;
  return from;
}

// The program's name: up to the next blank, or within quotes.
const char* CopyProgramName(const char* from, char* to, char** end) {
  if (*from == '"') {
    ++from;
    while (*from != '\0' && *from != '"') *to++ = *from++;
    if (*from == '"') ++from;
  } else {
    while (*from != '\0' && !IsBlank(*from)) *to++ = *from++;
  }
  *to++ = '\0';
  *end = to;
  while (IsBlank(*from)) ++from;
  return from;
}

}  // namespace

extern "C" void __stdcall ProgramStart() {
  const char* line = GetCommandLineA();
  const int length = lstrlenA(line);
  // No argument is longer than the line, and there are fewer than
  // length / 2 + 2 of them.
  const int slots = length / 2 + 2;
  HANDLE heap = GetProcessHeap();
  auto** argv = static_cast<char**>(HeapAlloc(heap, 0, slots * sizeof(char*) + 2 * length + 2));
  if (argv == nullptr) ExitProcess(255);
  char* text = reinterpret_cast<char*>(argv + slots);
  int argc = 0;
  argv[argc++] = text;
  const char* next = CopyProgramName(line, text, &text);
  while (*next != '\0') {
    argv[argc++] = text;
    next = CopyArgument(next, text, &text);
  }
  argv[argc] = nullptr;
  const int result = main(argc, argv);
  DestroyStaticObjects();
  HeapFree(heap, 0, argv);
  ExitProcess(static_cast<UINT>(result));
}
