// What the standard library's headers ask of its compiled part: the string
// class, instantiated here for the Pentium, and the functions its inline code
// calls on an error. Without C++ exceptions those errors (a length past the
// maximum, an index out of range, no memory) have no caller to tell; each
// raises a structured exception, which the host's own handler or a debugger
// sees. The plug-in's code makes none of them on purpose.
#include <windows.h>

#include <string>

template class std::basic_string<char>;

namespace {

[[noreturn]] void Fail(DWORD code) {
  RaiseException(code, EXCEPTION_NONCONTINUABLE, 0, nullptr);
  for (;;) {
  }
}

constexpr DWORD kProgramError = 0xE0000001;  // a customer code: bit 29 set

}  // namespace

namespace std {

void __throw_bad_alloc() { Fail(STATUS_NO_MEMORY); }
void __throw_bad_array_new_length() { Fail(STATUS_NO_MEMORY); }
void __throw_length_error(const char*) { Fail(kProgramError); }
void __throw_logic_error(const char*) { Fail(kProgramError); }
void __throw_out_of_range(const char*) { Fail(kProgramError); }
void __throw_out_of_range_fmt(const char*, ...) { Fail(kProgramError); }
void __throw_invalid_argument(const char*) { Fail(kProgramError); }

}  // namespace std

extern "C" void __cxa_pure_virtual() { Fail(kProgramError); }
