// Keys as the game sees them: Windows virtual-key numbers.
#pragma once

namespace play {

struct KeyEvent {
  bool down = true;  // a press (each key repeat is another press) or a release
  int code = 0;      // virtual-key number, never 0
};

// The virtual-key number of an SDL key (SDL_Keycode and SDL_Scancode, passed as ints so that
// this header stays free of SDL). A key with no number of its own gets a fixed one above 255.
int virtualKey(int sdlKeycode, int sdlScancode);

}  // namespace play
