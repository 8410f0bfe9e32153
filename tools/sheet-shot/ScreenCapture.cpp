#include "ScreenCapture.h"

#include <fstream>
#include <vector>

namespace {

// Releases a screen device context, a memory context and a bitmap.
struct CaptureTarget {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = nullptr;
  ~CaptureTarget() {
    if (bitmap != nullptr) DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
  }
};

}  // namespace

bool CaptureWindowToBitmap(HWND window, const std::string& path) {
  RECT rect;
  if (!GetWindowRect(window, &rect)) return false;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return false;

  CaptureTarget target;
  target.bitmap = CreateCompatibleBitmap(target.screen, width, height);
  if (target.bitmap == nullptr) return false;
  HGDIOBJ previous = SelectObject(target.memory, target.bitmap);
  BitBlt(target.memory, 0, 0, width, height, target.screen, rect.left, rect.top, SRCCOPY);
  SelectObject(target.memory, previous);

  BITMAPINFOHEADER info = {};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const DWORD rowBytes = ((width * 3 + 3) / 4) * 4;
  std::vector<char> pixels(rowBytes * height);
  if (!GetDIBits(target.memory, target.bitmap, 0, height, pixels.data(),
                 reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS)) {
    return false;
  }

  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&info), sizeof(info));
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(out);
}
