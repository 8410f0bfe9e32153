#include "framework/WindowPlacement.h"

void CenterWindowOver(HWND window, HWND reference) {
  if (!IsWindow(window) || IsIconic(window) || IsZoomed(window)) return;

  RECT area;
  if (reference != nullptr && IsWindowVisible(reference) &&
      IsWindow(reference)) {
    GetWindowRect(reference, &area);
  } else {
    SetRect(&area, 0, 0, GetSystemMetrics(SM_CXSCREEN),
            GetSystemMetrics(SM_CYSCREEN));
  }

  RECT own;
  GetWindowRect(window, &own);
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;

  int x = area.left + (area.right - area.left - width) / 2;
  int y = area.top + (area.bottom - area.top - height) / 2;
  if (x < 0) x = 0;
  if (y < 0) y = 0;
  // Applied last, so a window larger than the area ends up at a negative
  // position with its right or lower edge on the area's edge.
  const int lastX = GetSystemMetrics(SM_CXFULLSCREEN) - width;
  const int lastY = GetSystemMetrics(SM_CYFULLSCREEN) - height;
  if (x >= lastX) x = lastX;
  if (y >= lastY) y = lastY;

  MoveWindow(window, x, y, width, height, IsWindowVisible(window));
}
