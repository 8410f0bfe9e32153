#include "ui/UpDownMessages.h"

#include <commctrl.h>

namespace {

// Neither FALSE nor the TRUE that an up-down writes on an error.
constexpr BOOL kFlagNotWritten = 0x55AA;

bool Speaks32Bits(HWND upDown) {
  int position = 0;
  return ReadUpDownPosition(upDown, &position) != UpDownReading::kUnanswered;
}

}  // namespace

UpDownReading ReadUpDownPosition(HWND upDown, int* position) {
  BOOL failed = kFlagNotWritten;
  const LRESULT answer = SendMessageA(upDown, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed));
  if (failed == kFlagNotWritten) return UpDownReading::kUnanswered;
  if (failed) return UpDownReading::kError;
  *position = static_cast<int>(answer);
  return UpDownReading::kPosition;
}

bool FitsSixteenBitUpDown(int minimum, int maximum) {
  return minimum >= UD_MINVAL && maximum <= UD_MAXVAL &&
         static_cast<long long>(maximum) - minimum <= UD_MAXVAL;
}

bool UpDownCanFollow(HWND upDown, int minimum, int maximum) {
  return FitsSixteenBitUpDown(minimum, maximum) || Speaks32Bits(upDown);
}

void SetUpDownRange(HWND upDown, int minimum, int maximum) {
  if (Speaks32Bits(upDown)) {
    SendMessageA(upDown, UDM_SETRANGE32, minimum, maximum);
  } else if (FitsSixteenBitUpDown(minimum, maximum)) {
    SendMessageA(upDown, UDM_SETRANGE, 0, MAKELPARAM(maximum, minimum));
  }
}

void SetUpDownPosition(HWND upDown, int minimum, int maximum, int position) {
  if (Speaks32Bits(upDown)) {
    SendMessageA(upDown, UDM_SETPOS32, 0, position);
  } else if (FitsSixteenBitUpDown(minimum, maximum)) {
    SendMessageA(upDown, UDM_SETPOS, 0, MAKELPARAM(position, 0));
  }
}
