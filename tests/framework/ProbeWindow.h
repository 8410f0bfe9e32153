// A framework window for the dispatch tests: every handler writes its name and
// unpacked arguments into `lastCall`, and then either behaves as the base
// handler or, with `keepHandled`, leaves the message marked as processed.
// With `interceptDefault`, default processing is counted instead of done.
#pragma once

#include <windows.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "FrameworkTestSupport.h"
#include "framework/HandleWrappers.h"
#include "framework/Window.h"

class ProbeWindow : public Window {
 public:
  static constexpr LRESULT kDefaultMark = 0x5EED;
  static constexpr int kHandledValue = 9;
  static constexpr LRESULT kHandledBrush = 0x99;
  static constexpr LRESULT kHandledNotifyResult = 5;

  // A hidden window of the framework test class bound to this object.
  int Make(DWORD style = WS_POPUP, HWND parent = nullptr) {
    RegisterTestClasses();
    return CreateWindowObject(kFrameworkClass, "probe", style, 0, 0, 0, 120,
                              80, parent, nullptr, nullptr);
  }

  LRESULT Send(UINT msg, WPARAM first = 0, LPARAM second = 0) {
    lastCall.clear();
    defaultCalls = 0;
    return SendMessageA(hwnd, msg, first, second);
  }

  LRESULT DefaultProc() override {
    if (!interceptDefault) return Window::DefaultProc();
    ++defaultCalls;
    lastDefaultMessage = message;
    return kDefaultMark;
  }

  LRESULT WindowProc(UINT msg, WPARAM first, LPARAM second) override {
    seen.push_back(msg);
    return Window::WindowProc(msg, first, second);
  }

  int CanClose() override { return canClose; }

  int OnSetCursor(Window* w, UINT hitTest, UINT mouse) override {
    Record("OnSetCursor", Describe(w, this), hitTest, mouse);
    return keepHandled ? kHandledValue : Window::OnSetCursor(w, hitTest, mouse);
  }
  void OnSettingChange(WPARAM first, LPARAM second) override {
    Record("OnSettingChange", first, Hex(reinterpret_cast<void*>(second)));
    if (!keepHandled) Window::OnSettingChange(first, second);
  }
  void OnDrawClipboard() override {
    Record("OnDrawClipboard");
    if (!keepHandled) Window::OnDrawClipboard();
  }
  void OnChangeCbChain(Window* removed, Window* next) override {
    Record("OnChangeCbChain", Describe(removed, this), Describe(next, this));
    if (!keepHandled) Window::OnChangeCbChain(removed, next);
  }
  int OnMouseWheel(UINT keys, int delta, int x, int y) override {
    Record("OnMouseWheel", keys, delta, x, y);
    return keepHandled ? 1 : Window::OnMouseWheel(keys, delta, x, y);
  }
  int OnCreate(CREATESTRUCTA* create) override {
    Record("OnCreate", create != nullptr ? create->lpszName : "null");
    return createResult;
  }
  LRESULT OnCtlColor(DeviceContext* dc, Window* control, int type) override {
    Record("OnCtlColor", Describe(dc), Describe(control, this), type);
    return keepHandled ? kHandledBrush : Window::OnCtlColor(dc, control, type);
  }
  void OnPaint() override {
    Record("OnPaint");
    if (!keepHandled) Window::OnPaint();
  }
  int OnEraseBackground(DeviceContext* dc) override {
    Record("OnEraseBackground", Describe(dc));
    return keepHandled ? kHandledValue : Window::OnEraseBackground(dc);
  }
  void OnKey(UINT key, UINT repeat, UINT flags) override {
    Record("OnKey", key, repeat, flags);
  }
  void OnMenuSelect(UINT item, UINT flags, HMENU menu) override {
    Record("OnMenuSelect", item, flags, Hex(menu));
    if (!keepHandled) Window::OnMenuSelect(item, flags, menu);
  }
  int OnNotify(int id, NMHDR* header, LRESULT* result) override {
    Record("OnNotify", id, static_cast<int>(header->code));
    if (!keepHandled) return Window::OnNotify(id, header, result);
    *result = kHandledNotifyResult;
    return 1;
  }
  void OnEnterIdle(UINT reason, Window* w) override {
    Record("OnEnterIdle", reason, Describe(w, this));
    if (!keepHandled) Window::OnEnterIdle(reason, w);
  }
  void OnNcDestroy() override {
    Record("OnNcDestroy");
    Window::OnNcDestroy();
  }
  void OnSysCommand(UINT command, int x, int y) override {
    Record("OnSysCommand", command, x, y);
    if (!keepHandled) Window::OnSysCommand(command, x, y);
  }
  void OnCommand(UINT id, UINT code) override {
    Record("OnCommand", id, code);
    if (!keepHandled) Window::OnCommand(id, code);
  }
  void OnContextMenu(Window* w, int x, int y) override {
    Record("OnContextMenu", Describe(w, this), x, y);
  }
  void OnActivate(UINT state, Window* other, bool minimized) override {
    Record("OnActivate", state, Describe(other, this), minimized);
    if (!keepHandled) Window::OnActivate(state, other, minimized);
  }
  void OnMove(int x, int y) override {
    Record("OnMove", x, y);
    if (!keepHandled) Window::OnMove(x, y);
  }
  void OnClose() override {
    Record("OnClose");
    Window::OnClose();
  }
  void OnTimer(UINT_PTR id) override { Record("OnTimer", id); }
  void OnSize(UINT type, int cx, int cy) override {
    Record("OnSize", type, cx, cy);
    if (!keepHandled) Window::OnSize(type, cx, cy);
  }
  void OnDestroy() override {
    Record("OnDestroy");
    Window::OnDestroy();
  }
  void OnInitMenuPopup(Menu* menu, UINT index, bool system) override {
    Record("OnInitMenuPopup", Describe(menu), index, system);
    if (!keepHandled) Window::OnInitMenuPopup(menu, index, system);
  }
  void OnInitMenu(Menu* menu) override {
    Record("OnInitMenu", Describe(menu));
    if (!keepHandled) Window::OnInitMenu(menu);
  }
  void OnDeleteItem(int id, DELETEITEMSTRUCT* item) override {
    Record("OnDeleteItem", id, item->itemID);
    if (!keepHandled) Window::OnDeleteItem(id, item);
  }
  void OnDrawItem(int id, DRAWITEMSTRUCT* item, DeviceContext* dc) override {
    Record("OnDrawItem", id, item->itemID, Describe(dc));
    if (!keepHandled) Window::OnDrawItem(id, item, dc);
  }
  void OnMeasureItem(int id, MEASUREITEMSTRUCT* item) override {
    Record("OnMeasureItem", id, item->itemID);
    if (!keepHandled) Window::OnMeasureItem(id, item);
  }
  void OnDropFiles(HDROP drop) override {
    Record("OnDropFiles", Hex(drop));
    if (!keepHandled) Window::OnDropFiles(drop);
  }
  void OnMouseMove(UINT k, int x, int y) override {
    Record("OnMouseMove", k, x, y);
    if (!keepHandled) Window::OnMouseMove(k, x, y);
  }
  void OnLButtonDown(UINT k, int x, int y) override {
    Record("OnLButtonDown", k, x, y);
    if (!keepHandled) Window::OnLButtonDown(k, x, y);
  }
  void OnRButtonDown(UINT k, int x, int y) override {
    Record("OnRButtonDown", k, x, y);
    if (!keepHandled) Window::OnRButtonDown(k, x, y);
  }
  void OnMButtonDown(UINT k, int x, int y) override {
    Record("OnMButtonDown", k, x, y);
    if (!keepHandled) Window::OnMButtonDown(k, x, y);
  }
  void OnLButtonUp(UINT k, int x, int y) override {
    Record("OnLButtonUp", k, x, y);
    if (!keepHandled) Window::OnLButtonUp(k, x, y);
  }
  void OnRButtonUp(UINT k, int x, int y) override {
    Record("OnRButtonUp", k, x, y);
    if (!keepHandled) Window::OnRButtonUp(k, x, y);
  }
  void OnMButtonUp(UINT k, int x, int y) override {
    Record("OnMButtonUp", k, x, y);
    if (!keepHandled) Window::OnMButtonUp(k, x, y);
  }
  void OnLButtonDblClk(UINT k, int x, int y) override {
    Record("OnLButtonDblClk", k, x, y);
    if (!keepHandled) Window::OnLButtonDblClk(k, x, y);
  }
  void OnRButtonDblClk(UINT k, int x, int y) override {
    Record("OnRButtonDblClk", k, x, y);
    if (!keepHandled) Window::OnRButtonDblClk(k, x, y);
  }
  void OnMButtonDblClk(UINT k, int x, int y) override {
    Record("OnMButtonDblClk", k, x, y);
    if (!keepHandled) Window::OnMButtonDblClk(k, x, y);
  }
  void OnSysColorChange() override {
    Record("OnSysColorChange");
    if (!keepHandled) Window::OnSysColorChange();
  }
  void OnVScroll(UINT code, UINT position, Window* bar) override {
    Record("OnVScroll", code, position, Describe(bar, this));
  }
  void OnHScroll(UINT code, UINT position, Window* bar) override {
    Record("OnHScroll", code, position, Describe(bar, this));
  }

  bool interceptDefault = false;
  bool keepHandled = false;
  int createResult = 1;
  int canClose = 1;
  std::string lastCall;
  int defaultCalls = 0;
  UINT lastDefaultMessage = 0;
  std::vector<UINT> seen;

 private:
  template <typename... Args>
  void Record(const char* name, const Args&... args) {
    std::ostringstream out;
    out << name;
    ((out << ' ' << args), ...);
    lastCall = out.str();
  }
  static std::string Describe(const DeviceContext* dc) {
    return dc == nullptr ? "null" : "DC" + Hex(dc->hdc);
  }
  static std::string Describe(const Menu* menu) {
    return menu == nullptr ? "null" : "M" + Hex(menu->hmenu);
  }
  static std::string Describe(const Window* w, const Window* self) {
    return ::Describe(w, self);
  }
};
