#include "frame_player.h"

#include <new>

#include "contact_sheet.h"
#include "platform/boundary.h"
#include "png_writer.h"

namespace vta::host {
namespace {

constexpr char kClass[] = "VantaroFramePlayer";
constexpr UINT kFrameMs = 40;
constexpr UINT_PTR kTimer = 1;

struct Player {
  std::vector<render::RgbPicture> frames;
  std::vector<uint8_t> dib;  // the frame shown, as a bottom-up 24-bit DIB
  size_t shown = 0;
};

Player* playerOf(HWND window) {
  return reinterpret_cast<Player*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// Rows bottom-up, blue-green-red, each padded to four bytes.
void toDib(const render::RgbPicture& frame, std::vector<uint8_t>& dib) {
  const size_t stride = (size_t(frame.width) * 3 + 3) & ~size_t{3};
  dib.assign(stride * frame.height, 0);
  for (uint32_t y = 0; y < frame.height; ++y) {
    const uint8_t* p = &frame.rgb[size_t(frame.height - 1 - y) * frame.width * 3];
    uint8_t* q = &dib[y * stride];
    for (uint32_t x = 0; x < frame.width; ++x, p += 3, q += 3)
      q[0] = p[2], q[1] = p[1], q[2] = p[0];
  }
}

void paint(HWND window, Player& player) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  if (!player.frames.empty()) {
    const render::RgbPicture& frame = player.frames[player.shown];
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(frame.width);
    info.bmiHeader.biHeight = static_cast<LONG>(frame.height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, 0, 0, frame.width, frame.height, 0, 0, 0, frame.height, player.dib.data(),
                      &info, DIB_RGB_COLORS);
  }
  EndPaint(window, &ps);
}

void advance(HWND window, Player& player) {
  if (player.frames.empty()) return;
  player.shown = (player.shown + 1) % player.frames.size();
  toDib(player.frames[player.shown], player.dib);
  InvalidateRect(window, nullptr, FALSE);
}

LRESULT saveSheet(const Player& player, const char* path) {
  const render::RgbPicture sheet = render::contactSheet(player.frames);
  return !sheet.empty() && writePng(path, int(sheet.width), int(sheet.height), sheet.rgb.data());
}

LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Player* player = playerOf(window);
  switch (message) {
    case WM_PAINT: paint(window, *player); return 0;
    case WM_TIMER: advance(window, *player); return 0;
    case kSaveContactSheet: return saveSheet(*player, reinterpret_cast<const char*>(lParam));
    case WM_NCDESTROY:
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      delete player;
      return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

LRESULT CALLBACK playerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    Player* player = new (std::nothrow) Player;
    if (!player) return FALSE;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(player));
  }
  if (!playerOf(window)) return DefWindowProcA(window, message, wParam, lParam);
  return guarded<LRESULT>(0, [&] { return handle(window, message, wParam, lParam); });
}

}  // namespace

HWND createFramePlayer(HWND parent, int id) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = playerProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kClass;
  RegisterClassA(&windowClass);
  return CreateWindowExA(WS_EX_CLIENTEDGE, kClass, "", WS_CHILD, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), windowClass.hInstance,
                         nullptr);
}

void playFrames(HWND player, std::vector<render::RgbPicture> frames) {
  Player* state = playerOf(player);
  if (!state) return;
  state->frames = std::move(frames);
  state->shown = 0;
  if (!state->frames.empty()) toDib(state->frames[0], state->dib);
  SetTimer(player, kTimer, kFrameMs, nullptr);
  InvalidateRect(player, nullptr, TRUE);
}

}  // namespace vta::host
