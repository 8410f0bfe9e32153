// Dialogs from the test program's templates, run modally (driven from a
// second thread) and modelessly, and the dialog registry's ticket.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>

#include "FrameworkTestSupport.h"
#include "TestResources.h"
#include "ui/Dialog.h"
#include "ui/DialogRegistry.h"

namespace {

constexpr char kCaption[] = "Framework test dialog";
constexpr int kMissingTemplate = 999;

class TestDialog : public Dialog {
 public:
  TestDialog() : Dialog(nullptr, IDD_PLAIN_DIALOG) {}
  int OnInitDialog() override {
    ++initCalls;
    boundDuringInit = Window::FindHandle(hwnd) == this;
    Window* text = GetControl(IDC_TEXT);
    controlFound = text != nullptr && text->hwnd == GetDlgItem(hwnd, IDC_TEXT);
    missingControl = GetControl(4242) == nullptr;
    return 1;
  }
  int initCalls = 0;
  bool boundDuringInit = false;
  bool controlFound = false;
  bool missingControl = false;
};

TEST(Dialog, MissingTemplateShowsNothing) {
  Dialog dialog(nullptr, kMissingTemplate);
  EXPECT_EQ(0, dialog.hasTemplate);
  EXPECT_EQ(0, dialog.RunModal(0));
  EXPECT_EQ(0, dialog.CreateModeless(0));
  EXPECT_EQ(nullptr, dialog.hwnd);
  EXPECT_TRUE(dialog_registry::pendingDialogs().empty());
  EXPECT_EQ(0, dialog.Create(kPlainClass, "", WS_POPUP, 0, 0, 0, 10, 10,
                             nullptr, nullptr, nullptr));
}

TEST(Dialog, ModalDialogEndsWithOneOnOk) {
  TestDialog dialog;
  ASSERT_EQ(1, dialog.hasTemplate);
  std::atomic<HWND> shown{nullptr};
  INT_PTR result;
  {
    UiDriver driver([&] {
      shown = WaitForWindow(kCaption);
      if (shown != nullptr) PostMessageA(shown, WM_COMMAND, IDOK, 0);
    });
    result = dialog.RunModal(0);
  }
  ASSERT_NE(nullptr, shown.load());
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ(1, dialog.isModal);
  EXPECT_EQ(1, dialog.initCalls);
  EXPECT_TRUE(dialog.boundDuringInit);
  EXPECT_TRUE(dialog.controlFound);
  EXPECT_TRUE(dialog.missingControl);
  EXPECT_EQ(nullptr, Window::FindHandle(shown));  // left with its last message
  EXPECT_TRUE(dialog_registry::pendingDialogs().empty());
}

TEST(Dialog, ModalDialogEndsWithTwoOnEscape) {
  TestDialog dialog;
  std::atomic<HWND> shown{nullptr};
  std::atomic<bool> endedByEscape{false};
  INT_PTR result;
  {
    UiDriver driver([&] {
      shown = WaitForWindow(kCaption);
      if (shown == nullptr) return;
      // The caption is there before the controls: wait for the edit field.
      HWND text = nullptr;
      WaitUntil([&] { return (text = GetDlgItem(shown, IDC_TEXT)) != nullptr; });
      // The dialog manager turns Esc in the edit control into IDCANCEL.
      PostMessageA(text, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
      endedByEscape = WaitUntil([&] { return !IsWindow(shown); }, 3000);
      if (!endedByEscape) PostMessageA(shown, WM_COMMAND, IDCANCEL, 0);
    });
    result = dialog.RunModal(0);
  }
  ASSERT_NE(nullptr, shown.load()) << "the dialog never appeared";
  EXPECT_TRUE(endedByEscape) << "Esc in the edit field did not end the dialog";
  EXPECT_EQ(IDCANCEL, result);
}

TEST(Dialog, ModelessDialogIsBoundAndDestroyedByEnd) {
  TestDialog dialog;
  ASSERT_EQ(1, dialog.CreateModeless(0));
  WindowCleanup cleanup(dialog);
  const HWND hwnd = dialog.hwnd;
  ASSERT_NE(nullptr, hwnd);
  EXPECT_EQ(0, dialog.isModal);
  EXPECT_EQ(&dialog, Window::FindHandle(hwnd));
  EXPECT_EQ(1, dialog.initCalls);
  EXPECT_TRUE(dialog.boundDuringInit);

  // IDOK from the button reaches OnOK, which ends a modeless dialog by
  // destroying it.
  SendMessageA(hwnd, WM_COMMAND, IDOK, 0);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(nullptr, dialog.hwnd);
  EXPECT_EQ(nullptr, Window::FindHandle(hwnd));
}

TEST(DialogRegistry, TicketAtItsLimitStartsAgainAtZero) {
  const int saved = dialog_registry::dialogTicket();
  Dialog dialog;
  dialog_registry::SetDialogTicket(dialog_registry::kTicketLimit);
  RegisterPendingDialog(&dialog);
  EXPECT_EQ(0, dialog_registry::dialogTicket());
  ASSERT_EQ(1u, dialog_registry::pendingDialogs().count(0));
  EXPECT_EQ(&dialog, dialog_registry::pendingDialogs()[0]);

  // A later registration under the same ticket replaces the entry.
  Dialog other;
  RegisterPendingDialog(&other);
  EXPECT_EQ(&other, dialog_registry::pendingDialogs()[0]);
  dialog_registry::WithdrawPendingDialog(&other);
  EXPECT_TRUE(dialog_registry::pendingDialogs().empty());
  dialog_registry::SetDialogTicket(saved);
}

TEST(DialogRegistry, DestroyedDialogLeavesNoPendingEntry) {
  {
    Dialog dialog;
    RegisterPendingDialog(&dialog);
    ASSERT_FALSE(dialog_registry::pendingDialogs().empty());
  }
  EXPECT_TRUE(dialog_registry::pendingDialogs().empty());
}

TEST(DialogRegistry, DyingDialogDoesNotTakeAPendingObject) {
  TestDialog dialog;
  ASSERT_EQ(1, dialog.CreateModeless(0));
  WindowCleanup cleanup(dialog);
  const HWND hwnd = dialog.hwnd;

  // Another dialog waits for its window while this one goes away.
  Dialog waiting;
  RegisterPendingDialog(&waiting);
  const int ticket = dialog_registry::dialogTicket();
  EXPECT_EQ(1, dialog.End(IDCANCEL));
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(nullptr, waiting.hwnd);
  EXPECT_EQ(nullptr, Window::FindHandle(hwnd));
  EXPECT_EQ(ticket, dialog_registry::dialogTicket());
  EXPECT_EQ(&waiting, dialog_registry::pendingDialogs()[ticket]);
}

TEST(DialogRegistry, UnclaimedWindowPassesThrough) {
  OwnedWindow plain(MakePlainWindow());
  EXPECT_EQ(FALSE, InitialDialogProc(plain.get(), WM_NULL, 0, 0));
  EXPECT_EQ(nullptr, Window::FindHandle(plain.get()));
}

}  // namespace
