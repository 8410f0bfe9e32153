// A window object: one window handle bound to an object whose virtual handlers
// receive the window's messages. Windows reach the framework either by being
// created through CreateWindowObject (for a class whose procedure is
// WindowProcedure) or by being subclassed; dialogs, property sheets, pages and
// controls derive from this class.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "framework/Object.h"

class DeviceContext;
class Menu;

class Window : public Object {
 public:
  Window() = default;
  // Neither destroys the window nor restores its procedure nor leaves the
  // registry: an owner destroys the object only after its window is gone.
  ~Window() override = default;

  virtual int Create(LPCSTR className, LPCSTR windowName, DWORD style,
                     DWORD exStyle, int x, int y, int width, int height,
                     HWND parent, HMENU menu, void* param);
  virtual int CreateWindowObject(LPCSTR className, LPCSTR windowName,
                                 DWORD style, DWORD exStyle, int x, int y,
                                 int width, int height, HWND parent,
                                 HMENU menu, void* param);
  virtual int Destroy();
  virtual int Subclass();
  virtual HWND Unsubclass();
  virtual int SetText(LPCSTR text);
  virtual std::string GetText();
  virtual void ReservedHook1(DWORD) {}
  virtual void ReservedHook2(DWORD) {}
  virtual void ReservedHook3(DWORD) {}
  virtual void ReservedHook4(DWORD) {}
  // Default processing of the stored message.
  virtual LRESULT DefaultProc();
  // The message dispatcher (WindowDispatch.cpp).
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual int ReservedQuery() { return 0; }
  virtual void PreSubclass() {}
  virtual int CanClose() { return 1; }

  virtual int OnSetCursor(Window* window, UINT hitTest, UINT mouseMessage);
  virtual void OnSettingChange(WPARAM wParam, LPARAM lParam);
  virtual void OnDrawClipboard();
  virtual void OnChangeCbChain(Window* removedWindow, Window* nextWindow);
  virtual int OnMouseWheel(UINT keys, int delta, int x, int y);
  virtual int OnCreate(CREATESTRUCTA* createStruct);
  virtual LRESULT OnCtlColor(DeviceContext* deviceContext, Window* control,
                             int type);
  virtual void OnPaint();
  virtual int OnEraseBackground(DeviceContext* deviceContext);
  virtual void ReservedHandler(DWORD, DWORD, DWORD) {}
  virtual void OnKey(UINT virtualKey, UINT repeatCount, UINT keyFlags) {}
  virtual void OnMenuSelect(UINT item, UINT flags, HMENU menuHandle);
  virtual int OnNotify(int controlId, NMHDR* notifyHeader,
                       LRESULT* resultOut);
  virtual void OnEnterIdle(UINT reason, Window* window);
  virtual void OnNcDestroy();
  virtual void OnSysCommand(UINT command, int x, int y);
  virtual void OnCommand(UINT id, UINT notifyCode);
  virtual void OnContextMenu(Window* window, int x, int y) {}
  virtual void OnActivate(UINT state, Window* otherWindow, bool minimized);
  virtual void OnMove(int x, int y);
  virtual void OnClose();
  virtual void OnTimer(UINT_PTR timerId) {}
  virtual void OnSize(UINT sizeType, int cx, int cy);
  virtual void OnDestroy();
  virtual void OnInitMenuPopup(Menu* menu, UINT index, bool isSystemMenu);
  virtual void OnInitMenu(Menu* menu);
  virtual void OnDeleteItem(int controlId, DELETEITEMSTRUCT* deleteItemStruct);
  virtual void OnDrawItem(int controlId, DRAWITEMSTRUCT* drawItemStruct,
                          DeviceContext* deviceContext);
  virtual void OnMeasureItem(int controlId,
                             MEASUREITEMSTRUCT* measureItemStruct);
  virtual void OnDropFiles(HDROP dropHandle);
  virtual void OnMouseMove(UINT keys, int x, int y);
  virtual void OnLButtonDown(UINT keys, int x, int y);
  virtual void OnRButtonDown(UINT keys, int x, int y);
  virtual void OnMButtonDown(UINT keys, int x, int y);
  virtual void OnLButtonUp(UINT keys, int x, int y);
  virtual void OnRButtonUp(UINT keys, int x, int y);
  virtual void OnMButtonUp(UINT keys, int x, int y);
  virtual void OnLButtonDblClk(UINT keys, int x, int y);
  virtual void OnRButtonDblClk(UINT keys, int x, int y);
  virtual void OnMButtonDblClk(UINT keys, int x, int y);
  virtual void OnSysColorChange();
  virtual void OnVScroll(UINT code, UINT position, Window* scrollBar) {}
  virtual void OnHScroll(UINT code, UINT position, Window* scrollBar) {}

  // Takes a live handle without registering or subclassing it.
  int Attach(HWND handle);
  Window* GetParentWindow();
  void CenterOnParent();
  // WinHelpA on this window with the application's help file.
  BOOL Help(ULONG_PTR data, UINT command);
  LRESULT CallDefWindowProc(UINT msg, WPARAM first, LPARAM second);

  // The registered object for a handle, or null.
  static Window* FindHandle(HWND hwnd);
  // The registered object, or a temporary wrapper that the framework reclaims
  // once the outermost window procedure call has returned; null for null.
  static Window* FromHandle(HWND hwnd);

  HWND hwnd = nullptr;
  WNDPROC prevWndProc = nullptr;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  UINT message = 0;
  int handled = 0;
};

// The one window procedure of every framework window.
LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                 LPARAM lParam);
