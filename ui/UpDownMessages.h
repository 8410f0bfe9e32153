// The spin-edit's conversation with the platform's up-down control on every
// comctl32. UDM_SETRANGE32 needs version 4.71, UDM_SETPOS32 and UDM_GETPOS32
// need 5.80; an older up-down passes them to the default procedure, which
// ignores them and answers 0. These functions ask the control itself which
// kind it is and use the 16-bit messages on an old one, where they can carry
// the range.
#pragma once

#include <windows.h>

enum class UpDownReading {
  kPosition,    // the position the up-down read from its buddy field
  kError,       // the field holds no number of the up-down's range
  kUnanswered,  // an up-down without the 32-bit messages
};

// UDM_GETPOS32. An up-down that knows the message always writes its error
// flag, so a flag left as it was means that the message went unanswered.
UpDownReading ReadUpDownPosition(HWND upDown, int* position);

// Whether a 16-bit up-down can hold the range: both ends within UD_MINVAL
// and UD_MAXVAL, and at most UD_MAXVAL apart (the documented limits of
// UDM_SETRANGE).
bool FitsSixteenBitUpDown(int minimum, int maximum);

// Whether the up-down can step through the range: a 32-bit one always, an
// old one where the range fits it.
bool UpDownCanFollow(HWND upDown, int minimum, int maximum);

// Give the up-down the range or the position; on an old up-down only where
// the range fits it (otherwise it is left as it was).
void SetUpDownRange(HWND upDown, int minimum, int maximum);
void SetUpDownPosition(HWND upDown, int minimum, int maximum, int position);
