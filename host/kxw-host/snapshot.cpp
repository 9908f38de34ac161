#include "host/kxw-host/snapshot.h"

#include <wincodec.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kxwhost {
namespace {

// The DIB is filled with this before capturing, to see which pixels the capture painted.
constexpr uint32_t kUnpainted = 0x00FE01FD;

enum class Source { kPrintWindow, kClientDc };

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> bgrx;  // top-down rows
};

bool IsUnpainted(uint32_t pixel) { return (pixel & 0x00FFFFFF) == kUnpainted; }

// Draws the window into a 32-bit DIB section. PrintWindow must paint every pixel of the
// window (some systems print only the client background, without frame or child
// windows). The fallback copies the client area from the window's device context, where
// the children are drawn too; a frame that the display's window manager draws, if any,
// is then left out. It must paint at least one pixel.
bool Capture(HWND window, Source source, Pixels& pixels) {
  RECT rect;
  const bool found = source == Source::kPrintWindow ? GetWindowRect(window, &rect)
                                                    : GetClientRect(window, &rect);
  if (!found) return false;
  pixels.width = rect.right - rect.left;
  pixels.height = rect.bottom - rect.top;
  if (pixels.width <= 0 || pixels.height <= 0) return false;

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels.width;
  info.bmiHeader.biHeight = -pixels.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool ok = memory != nullptr && bitmap != nullptr;
  if (ok) {
    const size_t count = static_cast<size_t>(pixels.width) * pixels.height;
    uint32_t* data = static_cast<uint32_t*>(bits);
    std::fill(data, data + count, kUnpainted);
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (source == Source::kPrintWindow) {
      ok = PrintWindow(window, memory, 0) != FALSE;
    } else {
      HDC clientDc = GetDC(window);
      ok = BitBlt(memory, 0, 0, pixels.width, pixels.height, clientDc, 0, 0, SRCCOPY) != FALSE;
      ReleaseDC(window, clientDc);
    }
    GdiFlush();
    SelectObject(memory, old);
    pixels.bgrx.assign(data, data + count);
    ok = ok && (source == Source::kPrintWindow
                    ? std::none_of(pixels.bgrx.begin(), pixels.bgrx.end(), IsUnpainted)
                    : !std::all_of(pixels.bgrx.begin(), pixels.bgrx.end(), IsUnpainted));
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (memory != nullptr) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

template <typename T>
void Release(T*& p) {
  if (p != nullptr) p->Release();
  p = nullptr;
}

// Encodes 24-bit rows (the alpha byte of a captured window is meaningless).
HRESULT EncodePng(const Pixels& pixels, const std::wstring& path) {
  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(&factory));
  if (SUCCEEDED(hr)) hr = factory->CreateStream(&stream);
  if (SUCCEEDED(hr)) hr = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE);
  if (SUCCEEDED(hr)) hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder);
  if (SUCCEEDED(hr)) hr = encoder->Initialize(stream, WICBitmapEncoderNoCache);
  if (SUCCEEDED(hr)) hr = encoder->CreateNewFrame(&frame, nullptr);
  if (SUCCEEDED(hr)) hr = frame->Initialize(nullptr);
  if (SUCCEEDED(hr)) hr = frame->SetSize(pixels.width, pixels.height);
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (SUCCEEDED(hr)) hr = frame->SetPixelFormat(&format);
  if (SUCCEEDED(hr) && !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) hr = E_NOTIMPL;
  if (SUCCEEDED(hr)) {
    const UINT stride = (static_cast<UINT>(pixels.width) * 3 + 3) & ~3u;
    std::vector<BYTE> rows(static_cast<size_t>(stride) * pixels.height);
    for (int y = 0; y < pixels.height; ++y) {
      BYTE* out = rows.data() + static_cast<size_t>(y) * stride;
      for (int x = 0; x < pixels.width; ++x) {
        const uint32_t p = pixels.bgrx[static_cast<size_t>(y) * pixels.width + x];
        out[3 * x] = static_cast<BYTE>(p);
        out[3 * x + 1] = static_cast<BYTE>(p >> 8);
        out[3 * x + 2] = static_cast<BYTE>(p >> 16);
      }
    }
    hr = frame->WritePixels(pixels.height, stride, static_cast<UINT>(rows.size()), rows.data());
  }
  if (SUCCEEDED(hr)) hr = frame->Commit();
  if (SUCCEEDED(hr)) hr = encoder->Commit();
  Release(frame);
  Release(encoder);
  Release(stream);
  Release(factory);
  return hr;
}

std::wstring Widen(const std::string& text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(n > 0 ? n : 1, L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
  wide.resize(wide.size() - 1);
  return wide;
}

// Where a capture's first pixel is on the screen.
POINT CaptureOrigin(HWND window, Source source) {
  RECT rect = {};
  if (source == Source::kPrintWindow) {
    GetWindowRect(window, &rect);
    return POINT{rect.left, rect.top};
  }
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return origin;
}

bool CaptureAny(HWND window, Pixels& pixels, POINT& origin) {
  for (Source source : {Source::kPrintWindow, Source::kClientDc}) {
    if (Capture(window, source, pixels)) {
      origin = CaptureOrigin(window, source);
      return true;
    }
  }
  return false;
}

// Copies `top` over `base` at its screen place; the picture grows to hold both, with the
// dialog face colour where neither reaches.
void Overlay(Pixels& base, POINT& origin, const Pixels& top, POINT topOrigin) {
  const LONG left = std::min(origin.x, topOrigin.x);
  const LONG up = std::min(origin.y, topOrigin.y);
  const LONG right = std::max(origin.x + base.width, topOrigin.x + top.width);
  const LONG down = std::max(origin.y + base.height, topOrigin.y + top.height);
  Pixels out;
  out.width = static_cast<int>(right - left);
  out.height = static_cast<int>(down - up);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const uint32_t facePixel = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
  out.bgrx.assign(static_cast<size_t>(out.width) * out.height, facePixel);
  auto paste = [&](const Pixels& part, POINT at) {
    for (int y = 0; y < part.height; ++y) {
      const size_t row = static_cast<size_t>(y + at.y - up) * out.width + (at.x - left);
      std::copy_n(part.bgrx.begin() + static_cast<ptrdiff_t>(y) * part.width, part.width, out.bgrx.begin() + row);
    }
  };
  paste(base, origin);
  paste(top, topOrigin);
  base = std::move(out);
  origin = POINT{left, up};
}

BOOL CALLBACK CollectOpenList(HWND window, LPARAM data) {
  char name[32] = "";
  GetClassNameA(window, name, sizeof name);
  if (IsWindowVisible(window) && lstrcmpiA(name, "ComboLBox") == 0) {
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
  }
  return TRUE;
}

}  // namespace

bool SaveWindowSnapshot(HWND window, const std::string& path, std::string& error) {
  Pixels pixels;
  POINT origin{0, 0};
  if (!IsWindow(window) || !CaptureAny(window, pixels, origin)) {
    error = "snapshot " + path + ": the window could not be captured";
    return false;
  }
  // A list dropped from one of the window's controls is a window of its own; it is drawn
  // in as the screen shows it.
  std::vector<HWND> lists;
  EnumThreadWindows(GetCurrentThreadId(), CollectOpenList, reinterpret_cast<LPARAM>(&lists));
  for (HWND list : lists) {
    Pixels part;
    POINT at{0, 0};
    if (CaptureAny(list, part, at)) Overlay(pixels, origin, part, at);
  }
  const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const HRESULT hr = EncodePng(pixels, Widen(path));
  if (SUCCEEDED(init)) CoUninitialize();
  if (FAILED(hr)) {
    char code[16];
    wsprintfA(code, "0x%08lx", static_cast<unsigned long>(hr));
    error = "snapshot " + path + ": PNG encoding failed (" + code + ")";
    DeleteFileA(path.c_str());
    return false;
  }
  return true;
}

}  // namespace kxwhost
