// Property sheets with the test program's page templates: modal runs driven
// from a second thread, a modeless sheet pumped here, binding of the sheet
// and its pages, the page notifications and the sheet's errors.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>

#include "FrameworkTestSupport.h"
#include "TestResources.h"
#include "ui/DialogRegistry.h"
#include "ui/PropertySheet.h"

namespace {

constexpr char kModalCaption[] = "Framework modal sheet";
constexpr char kModelessCaption[] = "Framework modeless sheet";

class TestPage : public PropertyPage {
 public:
  TestPage(int templateId, int titleId) : PropertyPage(templateId, titleId) {}

  int OnInitDialog() override {
    ++initCalls;
    bound = Window::FindHandle(hwnd) == this;
    sheetObject = GetParentWindow();
    return 1;
  }
  void OnOK() override { ++okCalls; }
  void OnReset() override {
    ++resetCalls;
    PropertyPage::OnReset();
  }
  void OnCommand(UINT id, UINT code) override {
    if (id == IDC_CLOSE_SHEET) End(IDOK);
    PropertyPage::OnCommand(id, code);
  }

  int initCalls = 0;
  int okCalls = 0;
  int resetCalls = 0;
  bool bound = false;
  Window* sheetObject = nullptr;
};

// A page whose answers all refuse, while `refuse` is set.
class RefusingPage : public TestPage {
 public:
  RefusingPage() : TestPage(IDD_PAGE_TWO, 0) {}
  int OnApply() override { return refuse ? 0 : TestPage::OnApply(); }
  int OnSetActive() override { return refuse ? 0 : 1; }
  int OnKillActive() override { return refuse ? 1 : 0; }
  int OnQueryCancel() override { return refuse ? 0 : 1; }
  int OnWizardBack() override { return -1; }
  int OnWizardNext() override { return IDD_PAGE_ONE; }
  int OnWizardFinish() override { return refuse ? 0 : 1; }
  bool refuse = true;
};

class ModalSheet : public testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    sheet.AddPage(&first);
    sheet.AddPage(&second);
  }

  // Runs the sheet while `steps` drive it from a second thread.
  INT_PTR Run(const std::function<void(HWND)>& steps) {
    INT_PTR result;
    UiDriver driver([&] {
      const HWND shown = WaitForWindow(kModalCaption);
      if (shown == nullptr) return;
      // The caption is there before the first page: wait for the page.
      WaitUntil([&] { return SendWithTimeout(shown, PSM_GETCURRENTPAGEHWND, 0, 0) != 0; });
      steps(shown);
      // Whatever happened, the sheet must not outlive the test.
      if (!WaitUntil([&] { return !IsWindow(shown); }, 5000)) {
        PostMessageA(shown, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
      }
    });
    result = sheet.RunModal(0);
    return result;
  }

  TestPage first{IDD_PAGE_ONE, IDS_PAGE_ONE};
  TestPage second{IDD_PAGE_TWO, IDS_PAGE_TWO};
  PropertySheet sheet{kModalCaption, nullptr, 0};
};

TEST_F(ModalSheet, OkBindsEveryShownPageAndAppliesThem) {
  std::atomic<HWND> firstPage{nullptr}, secondPage{nullptr};
  const INT_PTR result = Run([&](HWND shown) {
    firstPage = reinterpret_cast<HWND>(
        SendWithTimeout(shown, PSM_GETCURRENTPAGEHWND, 0, 0));
    SendWithTimeout(shown, PSM_SETCURSEL, 1, 0);
    secondPage = reinterpret_cast<HWND>(
        SendWithTimeout(shown, PSM_GETCURRENTPAGEHWND, 0, 0));
    PostMessageA(shown, PSM_PRESSBUTTON, PSBTN_OK, 0);
  });

  EXPECT_EQ(1, result);
  EXPECT_EQ(1, sheet.isModal);
  for (TestPage* page : {&first, &second}) {
    EXPECT_EQ(1, page->initCalls);
    EXPECT_TRUE(page->bound);
    EXPECT_EQ(&sheet, page->sheetObject);  // the sheet was bound first
    EXPECT_EQ(1, page->okCalls);
  }
  EXPECT_EQ(firstPage.load(), first.hwnd);
  EXPECT_EQ(secondPage.load(), second.hwnd);
  EXPECT_EQ(nullptr, Window::FindHandle(first.hwnd));
  EXPECT_EQ(nullptr, Window::FindHandle(sheet.hwnd));
  EXPECT_TRUE(dialog_registry::pendingDialogs().empty());
  EXPECT_EQ("First", first.title);
}

TEST_F(ModalSheet, CancelGivesTwoAndResetsTheOpenedPages) {
  const INT_PTR result = Run([](HWND shown) {
    PostMessageA(shown, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  });
  EXPECT_EQ(2, result);
  EXPECT_EQ(1, first.initCalls);
  EXPECT_EQ(0, second.initCalls);  // never shown, never made
  EXPECT_EQ(1, first.resetCalls);
  EXPECT_EQ(0, first.okCalls);
}

TEST_F(ModalSheet, PageEndAsksTheSheetToCloseAsCancel) {
  const INT_PTR result = Run([](HWND shown) {
    const HWND page = reinterpret_cast<HWND>(
        SendWithTimeout(shown, PSM_GETCURRENTPAGEHWND, 0, 0));
    SendWithTimeout(GetDlgItem(page, IDC_CLOSE_SHEET), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(2, result);
  EXPECT_EQ(1, first.resetCalls);
}

TEST(PropertySheet, PlatformResultsMapToOneAndTwo) {
  EXPECT_EQ(1, ModalSheetResult(1));
  EXPECT_EQ(1, ModalSheetResult(ID_PSREBOOTSYSTEM));
  EXPECT_EQ(2, ModalSheetResult(0));
  EXPECT_EQ(2, ModalSheetResult(-1));
}

TEST(PropertySheet, SheetWithoutPagesIsNotShownAndStaysUnregistered) {
  PropertySheet sheet("Framework empty sheet", nullptr, 0);
  EXPECT_EQ(2, sheet.RunModal(0));  // as when cancelled: nothing is saved
  EXPECT_EQ(0, sheet.CreateModeless(0));
  EXPECT_EQ(nullptr, sheet.hwnd);
  EXPECT_TRUE(dialog_registry::pendingDialogs().empty());
  EXPECT_EQ(nullptr, FindWindowA(nullptr, "Framework empty sheet"));
}

TEST(PropertySheet, PageRecordsAsBuilt) {
  TestPage titled(IDD_PAGE_ONE, IDS_PAGE_TWO);
  EXPECT_EQ(40u, titled.pageRecord.dwSize);
  EXPECT_EQ(static_cast<DWORD>(PSP_USECALLBACK | PSP_USETITLE),
            titled.pageRecord.dwFlags);
  EXPECT_STREQ("Second", titled.PageRecord().pszTitle);
  EXPECT_EQ(reinterpret_cast<LPARAM>(&titled), titled.pageRecord.lParam);

  TestPage untitled(IDD_PAGE_ONE, 0);
  EXPECT_EQ(static_cast<DWORD>(PSP_USECALLBACK), untitled.pageRecord.dwFlags);
  // A title identifier without a string still names the tab: it is empty.
  TestPage missingTitle(IDD_PAGE_ONE, 399);
  EXPECT_EQ(static_cast<DWORD>(PSP_USECALLBACK | PSP_USETITLE),
            missingTitle.pageRecord.dwFlags);
  EXPECT_STREQ("", missingTitle.PageRecord().pszTitle);
  EXPECT_EQ(0, missingTitle.hasTemplate);

  PropertySheet sheet("caption", nullptr, 1);
  EXPECT_EQ(40u, sheet.sheetHeader.dwSize);
  EXPECT_EQ(static_cast<DWORD>(PSH_PROPSHEETPAGE | PSH_USECALLBACK),
            sheet.sheetHeader.dwFlags);
  EXPECT_EQ(1u, sheet.sheetHeader.nStartPage);
  EXPECT_EQ(0, sheet.hasTemplate);
}

LRESULT Notify(HWND page, HWND sheet, int code) {
  NMHDR header = {};
  header.hwndFrom = sheet;
  header.code = static_cast<UINT>(code);
  return SendMessageA(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
}

class ModelessSheet : public testing::Test {
 protected:
  void SetUp() override { InitCommonControls(); }
  void TearDown() override {
    if (sheet.hwnd != nullptr && IsWindow(sheet.hwnd)) sheet.End(0);
  }

  HWND CurrentPage() {
    return reinterpret_cast<HWND>(
        SendMessageA(sheet.hwnd, PSM_GETCURRENTPAGEHWND, 0, 0));
  }

  TestPage plain{IDD_PAGE_ONE, IDS_PAGE_ONE};
  RefusingPage refusing;
  TestPage added{IDD_PAGE_TWO, 0};
  PropertySheet sheet{kModelessCaption, nullptr, 0};
};

TEST_F(ModelessSheet, RunsBindsAndTakesAPageWhileOpen) {
  sheet.AddPage(&plain);
  ASSERT_EQ(1, sheet.CreateModeless(0));
  ASSERT_NE(nullptr, sheet.hwnd);
  EXPECT_EQ(0, sheet.isModal);
  EXPECT_EQ(&sheet, Window::FindHandle(sheet.hwnd));
  EXPECT_EQ(plain.hwnd, CurrentPage());
  EXPECT_EQ(1, plain.initCalls);
  EXPECT_TRUE(plain.bound);

  sheet.AddPage(&added);
  EXPECT_EQ(2u, sheet.pages.size());
  const HWND tabs =
      reinterpret_cast<HWND>(SendMessageA(sheet.hwnd, PSM_GETTABCONTROL, 0, 0));
  EXPECT_EQ(2, SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  SendMessageA(sheet.hwnd, PSM_SETCURSEL, 1, 0);
  EXPECT_EQ(1, added.initCalls);
  EXPECT_TRUE(added.bound);
  EXPECT_EQ(added.hwnd, CurrentPage());

  PostMessageA(sheet.hwnd, PSM_PRESSBUTTON, PSBTN_OK, 0);
  EXPECT_TRUE(PumpUntil([&] { return CurrentPage() == nullptr; }));
  EXPECT_EQ(1, plain.okCalls);
  EXPECT_EQ(1, added.okCalls);

  const HWND hwnd = sheet.hwnd;
  EXPECT_EQ(1, sheet.End(0));
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(nullptr, sheet.hwnd);
  EXPECT_EQ(nullptr, Window::FindHandle(hwnd));
}

TEST_F(ModelessSheet, NotificationsMapToTheirResults) {
  sheet.AddPage(&plain);
  sheet.AddPage(&refusing);
  ASSERT_EQ(1, sheet.CreateModeless(0));
  SendMessageA(sheet.hwnd, PSM_SETCURSEL, 1, 0);
  ASSERT_TRUE(refusing.bound);
  ASSERT_TRUE(plain.bound);

  // With the defaults every answer is "go on".
  EXPECT_EQ(1, Notify(plain.hwnd, sheet.hwnd, PSN_SETACTIVE));
  EXPECT_EQ(0, Notify(plain.hwnd, sheet.hwnd, PSN_KILLACTIVE));
  EXPECT_EQ(PSNRET_NOERROR, Notify(plain.hwnd, sheet.hwnd, PSN_APPLY));
  EXPECT_EQ(1, plain.okCalls);
  EXPECT_EQ(0, Notify(plain.hwnd, sheet.hwnd, PSN_RESET));
  EXPECT_EQ(1, plain.resetCalls);
  EXPECT_EQ(0, Notify(plain.hwnd, sheet.hwnd, PSN_WIZBACK));
  EXPECT_EQ(0, Notify(plain.hwnd, sheet.hwnd, PSN_WIZNEXT));
  EXPECT_EQ(0, Notify(plain.hwnd, sheet.hwnd, PSN_WIZFINISH));
  EXPECT_EQ(0, Notify(plain.hwnd, sheet.hwnd, PSN_QUERYCANCEL));
  EXPECT_EQ(0, Notify(plain.hwnd, sheet.hwnd, PSN_HELP));
  EXPECT_EQ(0, SendMessageA(plain.hwnd, WM_NOTIFY, 0, 0));  // no header

  EXPECT_EQ(0, Notify(refusing.hwnd, sheet.hwnd, PSN_SETACTIVE));
  EXPECT_EQ(1, Notify(refusing.hwnd, sheet.hwnd, PSN_KILLACTIVE));
  EXPECT_EQ(PSNRET_INVALID, Notify(refusing.hwnd, sheet.hwnd, PSN_APPLY));
  EXPECT_EQ(0, refusing.okCalls);
  EXPECT_EQ(-1, Notify(refusing.hwnd, sheet.hwnd, PSN_WIZBACK));
  EXPECT_EQ(IDD_PAGE_ONE, Notify(refusing.hwnd, sheet.hwnd, PSN_WIZNEXT));
  EXPECT_EQ(1, Notify(refusing.hwnd, sheet.hwnd, PSN_WIZFINISH));
  EXPECT_EQ(1, Notify(refusing.hwnd, sheet.hwnd, PSN_QUERYCANCEL));

  // The platform takes the refusals: OK leaves the sheet open.
  PostMessageA(sheet.hwnd, PSM_PRESSBUTTON, PSBTN_OK, 0);
  PumpUntil([] { return false; }, 300);
  EXPECT_EQ(refusing.hwnd, CurrentPage());
  EXPECT_EQ(0, refusing.okCalls);

  refusing.refuse = false;
  PostMessageA(sheet.hwnd, PSM_PRESSBUTTON, PSBTN_OK, 0);
  EXPECT_TRUE(PumpUntil([&] { return CurrentPage() == nullptr; }));
  EXPECT_EQ(1, refusing.okCalls);
}

}  // namespace
