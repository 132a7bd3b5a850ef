#include "play/window.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <algorithm>
#include <string_view>

namespace play {

namespace {

constexpr const char* kCaption = "むにょぺ  EPISODE 1　ver1.00";

int fittingScale() {
  SDL_Rect usable{};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
  // Leave room for the title bar and borders that the window manager adds.
  const int byW = (usable.w - 16) / Frame::W;
  const int byH = (usable.h - 48) / Frame::H;
  return std::clamp(std::min(byW, byH), 1, 8);
}

void setIcon(SDL_Window* w) {
  const Bitmap& icon = artwork("icon");
  SDL_Surface* s =
      SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(icon.px.data()), icon.w, icon.h, 32,
                                         icon.w * 4, SDL_PIXELFORMAT_ARGB8888);
  if (!s) return;
  SDL_SetWindowIcon(w, s);
  SDL_FreeSurface(s);
}

// A display that can wait for its vertical blank: Wayland, or an X server backed by a GPU (it
// offers DRI3 or DRI2). Xvfb offers neither, and a software OpenGL renderer there costs several
// times the CPU and memory of the window's shared-memory surface. MUNYOPE_PRESENT=vsync or
// =surface chooses by hand.
bool displayOffersVsync(SDL_Window* w) {
  if (const char* chosen = SDL_getenv("MUNYOPE_PRESENT"))
    return std::string_view(chosen) == "vsync";
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(w, &info)) return false;
  if (info.subsystem == SDL_SYSWM_WAYLAND) return true;
  if (info.subsystem != SDL_SYSWM_X11) return false;
  int opcode = 0, event = 0, error = 0;
  return XQueryExtension(info.info.x11.display, "DRI3", &opcode, &event, &error) ||
         XQueryExtension(info.info.x11.display, "DRI2", &opcode, &event, &error);
}

}  // namespace

void SdlDeleter::operator()(SDL_Window* w) const {
  SDL_DestroyWindow(w);
}
void SdlDeleter::operator()(SDL_Renderer* r) const {
  SDL_DestroyRenderer(r);
}
void SdlDeleter::operator()(SDL_Texture* t) const {
  SDL_DestroyTexture(t);
}

SdlVideo::~SdlVideo() {
  if (started) SDL_Quit();
}

std::unique_ptr<Window> Window::open(int scale, std::string& error) {
  // Present through the window's own surface (shared memory under X11): far cheaper than a
  // software OpenGL renderer, and pixels stay exact.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  constexpr const char* kNoDisplay =
      "no display to open the window on (DISPLAY is not set); run it on a desktop, under Xvfb, "
      "or use --headless --replay FILE";
  if (!SDL_getenv("DISPLAY") && !SDL_getenv("WAYLAND_DISPLAY") && !SDL_getenv("SDL_VIDEODRIVER")) {
    error = kNoDisplay;
    return nullptr;
  }
  std::unique_ptr<Window> w(new Window());
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    error = std::string("no display to open the window on (") + SDL_GetError() +
            "); run it on a desktop, or under Xvfb";
    return nullptr;
  }
  w->video_.started = true;
  // Without a display SDL falls back to drivers that draw nowhere; a window nobody can see is
  // no window at all, unless those drivers were asked for by name.
  const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
  if ((driver == "offscreen" || driver == "dummy") && !SDL_getenv("SDL_VIDEODRIVER")) {
    error = kNoDisplay;
    return nullptr;
  }
  w->scale_ = scale > 0 ? scale : fittingScale();
  w->window_.reset(SDL_CreateWindow(kCaption, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                    Frame::W * w->scale_, Frame::H * w->scale_, SDL_WINDOW_SHOWN));
  if (!w->window_) {
    error = std::string("cannot open the window: ") + SDL_GetError();
    return nullptr;
  }
  setIcon(w->window_.get());
  if (displayOffersVsync(w->window_.get())) w->openRenderer();
  return w;
}

void Window::openRenderer() {
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  renderer_.reset(
      SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC));
  if (renderer_) {
    texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_ARGB8888,
                                     SDL_TEXTUREACCESS_STREAMING, Frame::W, Frame::H));
  }
  if (!texture_) renderer_.reset();  // the window's surface serves instead
}

Window::~Window() = default;

bool Window::poll(std::vector<KeyEvent>& keys) {
  SDL_Event e;
  bool open = true;
  while (SDL_PollEvent(&e)) {
    if (e.type == SDL_QUIT ||
        (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE)) {
      open = false;
    } else if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) {
      const int code = virtualKey(e.key.keysym.sym, e.key.keysym.scancode);
      if (e.type == SDL_KEYUP && swallowed_.erase(code)) continue;
      keys.push_back({e.type == SDL_KEYDOWN, code});
    }
  }
  return open;
}

void Window::present(const Frame& frame) {
  if (!renderer_) return presentThroughSurface(frame);
  SDL_UpdateTexture(texture_.get(), nullptr, frame.px.data(), Frame::W * 4);
  const SDL_Rect whole{0, 0, Frame::W * scale_, Frame::H * scale_};
  SDL_RenderClear(renderer_.get());
  SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, &whole);
  SDL_RenderPresent(renderer_.get());  // waits for the display's vertical blank
}

void Window::presentThroughSurface(const Frame& frame) {
  SDL_Surface* screen = SDL_GetWindowSurface(window_.get());
  if (!screen) return;
  const int s = scale_;
  const bool direct = screen->format->BytesPerPixel == 4 && screen->format->Rmask == 0xFF0000 &&
                      screen->format->Gmask == 0xFF00 && screen->format->Bmask == 0xFF &&
                      screen->w >= Frame::W * s && screen->h >= Frame::H * s;
  SDL_LockSurface(screen);
  if (direct) {
    // Nearest-neighbour by a whole factor: each frame pixel becomes an s x s block.
    for (int y = 0; y < Frame::H; ++y) {
      auto* first = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(screen->pixels) +
                                                static_cast<ptrdiff_t>(y * s) * screen->pitch);
      const uint32_t* src = &frame.px[static_cast<size_t>(y) * Frame::W];
      for (int x = 0; x < Frame::W; ++x) std::fill_n(first + x * s, s, src[x]);
      for (int k = 1; k < s; ++k)
        std::copy_n(first, Frame::W * s,
                    reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(screen->pixels) +
                                                static_cast<ptrdiff_t>(y * s + k) * screen->pitch));
    }
    SDL_UnlockSurface(screen);
  } else {
    SDL_UnlockSurface(screen);
    SDL_Surface* src =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(frame.px.data()), Frame::W,
                                           Frame::H, 32, Frame::W * 4, SDL_PIXELFORMAT_ARGB8888);
    if (src) {
      SDL_Rect dst{0, 0, Frame::W * s, Frame::H * s};
      SDL_BlitScaled(src, nullptr, screen, &dst);
      SDL_FreeSurface(src);
    }
  }
  SDL_UpdateWindowSurface(window_.get());
}

bool Window::messageBox(Frame behind, Composer& composer, const std::string& text,
                        const std::string& title, int closeAfterMs) {
  const MessageBoxLayout layout = composer.drawMessageBox(behind, text, title);
  present(behind);
  const Uint64 deadline = SDL_GetTicks64() + static_cast<Uint64>(std::max(closeAfterMs, 0));
  SDL_Event e;
  for (;;) {
    if (closeAfterMs < 0) {
      if (!SDL_WaitEvent(&e)) break;
    } else {
      const Uint64 now = SDL_GetTicks64();
      if (now >= deadline) return true;
      if (!SDL_WaitEventTimeout(&e, static_cast<int>(deadline - now))) continue;
    }
    switch (e.type) {
      case SDL_QUIT:
        return false;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) return false;
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED) present(behind);
        break;
      case SDL_KEYDOWN: {
        const int code = virtualKey(e.key.keysym.sym, e.key.keysym.scancode);
        swallowed_.insert(code);
        if (code == 13 || code == 32 || code == 27) return true;
        break;
      }
      case SDL_MOUSEBUTTONUP: {
        const int x = e.button.x / scale_, y = e.button.y / scale_;
        const Rect& ok = layout.ok;
        if (x >= ok.x && x < ok.x + ok.w && y >= ok.y && y < ok.y + ok.h) return true;
        break;
      }
      default:
        break;
    }
  }
  return false;
}

}  // namespace play
