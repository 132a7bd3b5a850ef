// The game's window on screen: form1 with its caption and icon, scaled by a whole number.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "play/compose.h"
#include "play/keys.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace play {

struct SdlDeleter {
  void operator()(SDL_Window* w) const;
  void operator()(SDL_Renderer* r) const;
  void operator()(SDL_Texture* t) const;
};
template <class T>
using SdlPtr = std::unique_ptr<T, SdlDeleter>;

// SDL's video subsystem, started for the window's lifetime.
struct SdlVideo {
  SdlVideo() = default;
  SdlVideo(const SdlVideo&) = delete;
  SdlVideo& operator=(const SdlVideo&) = delete;
  ~SdlVideo();
  bool started = false;
};

class Window {
 public:
  // Opens the window centred, at `scale` (0: the largest whole scale that fits the screen's
  // usable area). Null, with a one-line reason, when there is no display.
  static std::unique_ptr<Window> open(int scale, std::string& error);
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Appends the key presses and releases that came since the last call. False once the
  // window has been closed.
  bool poll(std::vector<KeyEvent>& keys);
  void present(const Frame& frame);
  // The modal message box over `behind`: returns when OK is chosen (Return, Space, Escape or a
  // click on OK); false if the window was closed instead. Its keys never reach the game.
  // With closeAfterMs >= 0 the box also closes by itself after that long (watching a replay).
  bool messageBox(Frame behind, Composer& composer, const std::string& text,
                  const std::string& title, int closeAfterMs = -1);
  int scale() const { return scale_; }

 private:
  Window() = default;
  void openRenderer();
  void presentThroughSurface(const Frame& frame);

  SdlVideo video_;  // first in, last out: everything below needs it
  SdlPtr<SDL_Window> window_;
  // Where the display can wait for its vertical blank, frames go through a renderer with vsync;
  // elsewhere (Xvfb, software-only displays) straight into the window's own surface.
  SdlPtr<SDL_Renderer> renderer_;
  SdlPtr<SDL_Texture> texture_;
  int scale_ = 1;
  std::set<int> swallowed_;  // keys pressed into the message box: their releases stay there too
};

}  // namespace play
