#include "runtime/ConsoleOutput.h"

#include <windows.h>

#include <cstdarg>

namespace {

void WriteBytes(HANDLE stream, const char* bytes, DWORD size) {
  DWORD written = 0;
  while (size > 0 && WriteFile(stream, bytes, size, &written, nullptr) && written > 0) {
    bytes += written;
    size -= written;
  }
}

// As the C library's streams in text mode: every LF goes out as CR LF.
void Write(HANDLE stream, const char* bytes, DWORD size) {
  const char* run = bytes;
  for (const char* p = bytes; p != bytes + size; ++p) {
    if (*p != '\n') continue;
    WriteBytes(stream, run, static_cast<DWORD>(p - run));
    WriteBytes(stream, "\r\n", 2);
    run = p + 1;
  }
  WriteBytes(stream, run, static_cast<DWORD>(bytes + size - run));
}

// The digits of `value` in `base`, at least `width` of them (zero-padded).
void WriteNumber(HANDLE stream, unsigned long value, bool negative, unsigned base, int width) {
  char digits[16];
  int count = 0;
  do {
    digits[sizeof(digits) - 1 - count++] = "0123456789ABCDEF"[value % base];
    value /= base;
  } while (value != 0);
  while (count < width && count < static_cast<int>(sizeof(digits)) - 1) {
    digits[sizeof(digits) - 1 - count++] = '0';
  }
  if (negative) Write(stream, "-", 1);
  Write(stream, digits + sizeof(digits) - count, static_cast<DWORD>(count));
}

void Format(HANDLE stream, const char* format, va_list arguments) {
  const char* run = format;  // not yet written
  for (const char* p = format; *p != '\0'; ++p) {
    if (*p != '%') continue;
    const char* conversion = p + 1;
    int width = 0;
    while (*conversion >= '0' && *conversion <= '9') width = width * 10 + (*conversion++ - '0');
    if (*conversion == 'l') ++conversion;
    const char kind = *conversion;
    if (kind != 's' && kind != 'd' && kind != 'u' && kind != 'X' && kind != '%') continue;
    Write(stream, run, static_cast<DWORD>(p - run));
    switch (kind) {
      case 's': {
        const char* text = va_arg(arguments, const char*);
        if (text == nullptr) text = "(null)";
        Write(stream, text, static_cast<DWORD>(lstrlenA(text)));
        break;
      }
      case 'd': {
        const long value = va_arg(arguments, long);
        const unsigned long magnitude =
            value < 0 ? 0ul - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
        WriteNumber(stream, magnitude, value < 0, 10, width);
        break;
      }
      case 'u': WriteNumber(stream, va_arg(arguments, unsigned long), false, 10, width); break;
      case 'X': WriteNumber(stream, va_arg(arguments, unsigned long), false, 16, width); break;
      default: Write(stream, "%", 1); break;
    }
    p = conversion;
    run = p + 1;
  }
  Write(stream, run, static_cast<DWORD>(lstrlenA(run)));
}

}  // namespace

void Print(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  Format(GetStdHandle(STD_OUTPUT_HANDLE), format, arguments);
  va_end(arguments);
}

void PrintError(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  Format(GetStdHandle(STD_ERROR_HANDLE), format, arguments);
  va_end(arguments);
}
