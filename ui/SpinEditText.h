// How the spin-edit reads and writes its numbers: the lenient reading of a
// typed text, the one canonical "%d" form it writes, and the rule that says
// whether a typed text has an acceptable shape. Plain functions over bytes.
#pragma once

// Texts read from or written to the edit field fit this buffer (99 bytes).
constexpr int kSpinEditTextSize = 100;

struct SpinEditText {
  char bytes[kSpinEditTextSize];
};

// Leading white space, one optional sign, then digits up to the first
// non-digit; no digits gives 0. Numbers beyond the int range saturate.
int ParseSpinEditNumber(const char* text);

// Decimal, a minus sign for negatives, no separators or padding.
SpinEditText FormatSpinEditNumber(int value);

// Empty, the canonical text of its own number, or (only when negative values
// are allowed) a lone "-" so that a negative number can be typed.
bool SpinEditTextHasValidShape(const char* text, int minimum);

// An empty field or a lone "-": accepted while typing, but not a number yet.
bool IsUnfinishedSpinEditEntry(const char* text);
