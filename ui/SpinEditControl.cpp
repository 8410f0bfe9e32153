#include "ui/SpinEditControl.h"

#include <commctrl.h>

#include "support/Heap.h"
#include "ui/SpinEditText.h"
#include "ui/UpDownMessages.h"

namespace {

constexpr UINT kClassStyles = CS_GLOBALCLASS | CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
constexpr int kStateOffset = 0;
constexpr DWORD kEditExStyle = WS_EX_CLIENTEDGE;
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kUpDownStyle = WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT |
                               UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
static_assert(kClassStyles == 0x4023, "class styles");
static_assert(kEditStyle == 0x50030080, "edit style");
static_assert(kUpDownStyle == 0x500000B6, "up-down style");

void DefaultBeep() { MessageBeep(0); }

void BeepAtUser() {
  if (spinEditBeep != nullptr) spinEditBeep();
}

SpinEditState* StateOf(HWND window) {
  return reinterpret_cast<SpinEditState*>(GetWindowLongPtrA(window, kStateOffset));
}

void StoreState(HWND window, SpinEditState* state) {
  SetWindowLongPtrA(window, kStateOffset, reinterpret_cast<LONG_PTR>(state));
}

int Clamp(long long number, int minimum, int maximum) {
  if (number < minimum) return minimum;
  if (number > maximum) return maximum;
  return static_cast<int>(number);
}

SpinEditText ReadText(HWND edit) {
  SpinEditText text{};
  GetWindowTextA(edit, text.bytes, kSpinEditTextSize);
  return text;
}

// Setting the edit's text runs the typing check again, and the parent's
// reaction to it may destroy the control; the state is therefore looked up
// afresh afterwards (null once it is gone).
SpinEditState* ShowNumber(HWND window, HWND edit, int number) {
  SetWindowTextA(edit, FormatSpinEditNumber(number).bytes);
  return StateOf(window);
}

SpinEditState* ShowNumberSelected(HWND window, HWND edit, int number) {
  SpinEditState* state = ShowNumber(window, edit, number);
  if (state != nullptr) SendMessageA(state->edit, EM_SETSEL, 0, -1);
  return state;
}

SpinEditState* RestoreText(HWND window, const SpinEditState& state) {
  return ShowNumberSelected(window, state.edit, state.value);
}

SpinEditState* ForceValue(HWND window, SpinEditState& state, int bound) {
  BeepAtUser();
  state.value = bound;
  return ShowNumberSelected(window, state.edit, bound);
}

void NotifyOwner(HWND window) { NotifyParentCommand(GetParent(window), GetDlgCtrlID(window), 0); }

LRESULT OnCreate(HWND window, HWND parent) {
  auto* state = static_cast<SpinEditState*>(HeapAllocateZeroed(sizeof(SpinEditState), 1));
  if (state == nullptr) return -1;
  auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  state->edit = CreateWindowExA(kEditExStyle, "Edit", "", kEditStyle, 0, 0, 1, 1, window,
                                reinterpret_cast<HMENU>(kSpinEditEditId), instance, nullptr);
  state->upDown = CreateUpDownControl(kUpDownStyle, 0, 0, 1, 1, window, kSpinEditUpDownId,
                                      instance, state->edit, 0, 0, 0);
  const LRESULT font = SendMessageA(parent, WM_GETFONT, 0, 0);
  SendMessageA(state->edit, WM_SETFONT, font, FALSE);
  SendMessageA(state->upDown, WM_SETFONT, font, FALSE);
  SetUpDownRange(state->upDown, state->minimum, state->maximum);
  SetUpDownPosition(state->upDown, state->minimum, state->maximum, state->value);
  SetWindowTextA(state->edit, FormatSpinEditNumber(state->value).bytes);
  StoreState(window, state);
  return 0;
}

void OnDestroy(HWND window) {
  SpinEditState* state = StateOf(window);
  if (state == nullptr) return;
  StoreState(window, nullptr);
  HeapRelease(state);
}

// Allows or refuses one step of the arrows (non-zero refuses it). An old
// up-down that cannot hold the range would step through its own idea of it.
LRESULT OnDeltaPos(HWND window, SpinEditState& state, const NMUPDOWN& step) {
  if (!UpDownCanFollow(state.upDown, state.minimum, state.maximum) ||
      (step.iPos == state.minimum && step.iDelta < 0) ||
      (step.iPos == state.maximum && step.iDelta > 0)) {
    BeepAtUser();
    return 1;
  }
  state.value = Clamp(static_cast<long long>(step.iPos) + step.iDelta, state.minimum, state.maximum);
  NotifyOwner(window);
  return 0;
}

void OnEditLostFocus(HWND window, SpinEditState& state) {
  if (!IsUnfinishedSpinEditEntry(ReadText(state.edit).bytes)) return;
  BeepAtUser();
  RestoreText(window, state);
}

// Runs on every change of the field's text, including those it makes itself.
void OnEditChanged(HWND window, SpinEditState* state) {
  const SpinEditText text = ReadText(state->edit);
  const int number = ParseSpinEditNumber(text.bytes);
  const bool wellShaped = SpinEditTextHasValidShape(text.bytes, state->minimum);
  if (!wellShaped) {
    BeepAtUser();
    if ((state = RestoreText(window, *state)) == nullptr) return;
  }
  if (number < state->minimum) {
    if ((state = ForceValue(window, *state, state->minimum)) == nullptr) return;
  }
  if (number > state->maximum) {
    if ((state = ForceValue(window, *state, state->maximum)) == nullptr) return;
  }
  // The up-down writes its position back into the field. A corrected text
  // has already moved it (its own change ran this check), and an entry just
  // begun ("" or "-") must stay as typed rather than turn into a number.
  if (wellShaped && !IsUnfinishedSpinEditEntry(text.bytes)) {
    SetUpDownPosition(state->upDown, state->minimum, state->maximum,
                      Clamp(number, state->minimum, state->maximum));
    if ((state = StateOf(window)) == nullptr) return;
  }
  NotifyOwner(window);
}

LRESULT OnSetRange(HWND window, SpinEditState* state, int minimum, int maximum) {
  if (minimum > maximum) return 0;
  state->minimum = minimum;
  state->maximum = maximum;
  SetUpDownRange(state->upDown, minimum, maximum);
  const int value = Clamp(state->value, minimum, maximum);
  if (value != state->value) {
    state->value = value;
    if ((state = ShowNumber(window, state->edit, value)) == nullptr) return 1;
  }
  InvalidateRect(state->upDown, nullptr, TRUE);
  return 1;
}

LRESULT OnSetValue(HWND window, SpinEditState* state, int value) {
  if (value < state->minimum || value > state->maximum) return 0;
  state->value = value;
  SetUpDownPosition(state->upDown, state->minimum, state->maximum, value);
  if ((state = StateOf(window)) != nullptr) ShowNumber(window, state->edit, value);
  return 1;
}

// The field's number as the up-down would read it: a finished, well-shaped
// number within the range, or else the cached value.
int NumberInField(const SpinEditState& state) {
  const SpinEditText text = ReadText(state.edit);
  if (IsUnfinishedSpinEditEntry(text.bytes) ||
      !SpinEditTextHasValidShape(text.bytes, state.minimum)) {
    return state.value;
  }
  const int number = ParseSpinEditNumber(text.bytes);
  return number < state.minimum || number > state.maximum ? state.value : number;
}

// An up-down without the 32-bit messages would answer 0 here; the field then
// says what it holds.
LRESULT OnGetValue(SpinEditState& state) {
  int position = 0;
  switch (ReadUpDownPosition(state.upDown, &position)) {
    case UpDownReading::kPosition:
      state.value = position;
      break;
    case UpDownReading::kError:
      break;
    case UpDownReading::kUnanswered:
      state.value = NumberInField(state);
      break;
  }
  return state.value;
}

}  // namespace

void (*spinEditBeep)() = DefaultBeep;

int RegisterSpinEditClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = kClassStyles;
  windowClass.lpfnWndProc = SpinEditProc;
  windowClass.cbWndExtra = sizeof(SpinEditState*);
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kSpinEditClassName;
  RegisterClassExA(&windowClass);
  return 1;
}

void NotifyParentCommand(HWND parent, int id, int code) {
  const WPARAM command = MAKEWPARAM(id & 0xFFFF, code);
  SendMessageA(parent, WM_COMMAND, command, reinterpret_cast<LPARAM>(GetDlgItem(parent, id)));
}

LRESULT CALLBACK SpinEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // A control is made once: a stray WM_CREATE for a live one, or one without
  // its creation record, changes nothing.
  if (message == WM_CREATE && lParam != 0 && StateOf(window) == nullptr) {
    return OnCreate(window, reinterpret_cast<const CREATESTRUCTA*>(lParam)->hwndParent);
  }
  if (message == WM_DESTROY) {
    OnDestroy(window);
    return 0;
  }
  SpinEditState* state = StateOf(window);
  if (state == nullptr) return DefWindowProcA(window, message, wParam, lParam);

  switch (message) {
    case WM_SIZE:
      MoveWindow(state->edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      SendMessageA(state->upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(state->edit), 0);
      return 0;
    case WM_SETFOCUS:
      SetFocus(state->edit);
      return 0;
    case WM_ENABLE:
      EnableWindow(state->edit, static_cast<BOOL>(wParam));
      EnableWindow(state->upDown, static_cast<BOOL>(wParam));
      return 1;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header == nullptr || header->code != UDN_DELTAPOS) return 0;
      return OnDeltaPos(window, *state, *reinterpret_cast<const NMUPDOWN*>(lParam));
    }
    case WM_COMMAND:
      if (LOWORD(wParam) != kSpinEditEditId) break;
      if (HIWORD(wParam) == EN_KILLFOCUS) {
        OnEditLostFocus(window, *state);
        return 0;
      }
      if (HIWORD(wParam) == EN_CHANGE) {
        OnEditChanged(window, state);
        return 0;
      }
      break;
    case SPEM_SETRANGE:
      return OnSetRange(window, state, static_cast<int>(wParam), static_cast<int>(lParam));
    case SPEM_SETVALUE:
      return OnSetValue(window, state, static_cast<int>(wParam));
    case SPEM_GETVALUE:
      return OnGetValue(*state);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
