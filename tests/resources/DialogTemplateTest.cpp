// The options pages as they are bound into the real DLL: identifiers, control
// kinds, texts, styles, rectangles, size, font and language.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogTemplateReader.h"
#include "PluginLibrary.h"
#include "TempFolder.h"

namespace {

constexpr WORD kButton = 0x80;
constexpr WORD kEdit = 0x81;
constexpr WORD kStatic = 0x82;
constexpr DWORD kPageStyle = 0x48C00040;

struct Expected {
  WORD id;
  WORD classAtom;
  const wchar_t* text;
  DWORD style;
  short x, y, cx, cy;
};

DialogTemplate LoadPage(HMODULE dll, WORD id) {
  DialogTemplate page;
  HRSRC found = FindResourceExA(dll, RT_DIALOG, MAKEINTRESOURCEA(id),
                                MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
  EXPECT_NE(nullptr, found) << "template " << id;
  if (found == nullptr) return page;
  const void* bytes = LockResource(LoadResource(dll, found));
  EXPECT_TRUE(ReadDialogTemplate(bytes, page));
  return page;
}

void ExpectPage(const DialogTemplate& page, const wchar_t* caption,
                const std::vector<Expected>& controls) {
  EXPECT_EQ(kPageStyle, page.style);
  EXPECT_EQ(0u, page.exStyle);
  EXPECT_EQ(195, page.cx);
  EXPECT_EQ(127, page.cy);
  EXPECT_EQ(std::wstring(caption), page.caption);
  EXPECT_EQ(9, page.fontSize);
  EXPECT_EQ(std::wstring(L"ＭＳ Ｐゴシック"), page.fontName);
  ASSERT_EQ(controls.size(), page.items.size());
  for (size_t i = 0; i < controls.size(); ++i) {
    const Expected& want = controls[i];
    const DialogItem& got = page.items[i];
    SCOPED_TRACE(testing::Message() << "control " << i << " (id " << want.id << ")");
    EXPECT_EQ(want.id, got.id);
    EXPECT_EQ(want.classAtom, got.classAtom);
    EXPECT_EQ(std::wstring(want.text), got.text);
    EXPECT_EQ(want.style, got.style);
    EXPECT_EQ(0u, got.exStyle);
    EXPECT_EQ(want.x, got.x);
    EXPECT_EQ(want.y, got.y);
    EXPECT_EQ(want.cx, got.cx);
    EXPECT_EQ(want.cy, got.cy);
  }
}

}  // namespace

TEST(OptionsTemplates, CheckTypePageMatchesLayout) {
  TempFolder folder;
  PluginLibrary plugin(folder);
  ASSERT_NE(nullptr, plugin.handle());
  ExpectPage(LoadPage(plugin.handle(), 102), L"チェックの種類",
             {
                 {65535, kButton, L"処理を行うチェックの種類", 0x50000007, 7, 7, 152, 70},
                 {1024, kButton, L"アイテムをチェック(&1)", 0x50030003, 14, 20, 127, 10},
                 {1026, kButton, L"全てのアイテムをチェック(&2)", 0x50010003, 14, 33, 127, 10},
                 {1025, kButton, L"階層チェック(&3)", 0x50010003, 14, 46, 127, 10},
                 {1027, kButton, L"エラーアイテムをチェック(&4)", 0x50010003, 14, 59, 127, 10},
                 {1028, kButton, L"自動チェックのときだけ通知する(&U)", 0x50030003, 7, 81, 140, 10},
                 {1006, kStatic, L"Static", 0x50020002, 27, 113, 164, 8},
                 {1007, kStatic, L"Static", 0x50020002, 27, 101, 164, 8},
             });
}

TEST(OptionsTemplates, SstpPageMatchesLayout) {
  TempFolder folder;
  PluginLibrary plugin(folder);
  ASSERT_NE(nullptr, plugin.handle());
  ExpectPage(LoadPage(plugin.handle(), 103), L"SSTP設定",
             {
                 {65535, kStatic, L"サーバー(&S) :", 0x50020000, 7, 7, 63, 8},
                 {1000, kEdit, L"", 0x50810080, 7, 19, 182, 14},
                 {65535, kStatic, L"スクリプトヘッダ(&H) :", 0x50020000, 7, 37, 63, 8},
                 {1002, kEdit, L"", 0x50810080, 7, 49, 182, 14},
                 {65535, kStatic, L"スクリプトフッタ(&F) :", 0x50020000, 7, 67, 82, 8},
                 {1003, kEdit, L"", 0x50810080, 7, 79, 182, 14},
                 {65535, kStatic, L"ポート(&P) :", 0x50020000, 7, 97, 31, 8},
                 {1005, kEdit, L"", 0x50812080, 7, 109, 48, 14},
                 {65535, kStatic, L"キャラクター名(&G) :", 0x50020000, 62, 97, 120, 8},
                 {1008, kEdit, L"", 0x50810080, 62, 109, 70, 14},
                 {1009, kButton, L"テスト送信(&T)", 0x50010000, 139, 109, 50, 14},
                 {65535, kStatic, L"更新が無かった場合(&N) :", 0x40020000, 102, 97, 82, 8},
                 {1004, kEdit, L"", 0x40810080, 111, 109, 78, 14},
             });
}

TEST(VersionInfo, NamesTheProduct) {
  TempFolder folder;
  PluginLibrary plugin(folder);
  ASSERT_NE(nullptr, plugin.handle());
  const std::string path = plugin.path();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> data(size);
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, data.data()));
  char* product = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\041104B0\\ProductName",
                             reinterpret_cast<void**>(&product), &length));
  EXPECT_STREQ("Vyrex plugin for Olmira", product);
}
