#pragma once

#include <windows.h>

#include <map>

namespace quorvane::win32 {

// The fonts of the controls by pixel height, made once and deleted with the set.
// Height 0 is the system's default control font, DEFAULT_GUI_FONT.
class Fonts {
  public:
    Fonts() = default;
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;
    ~Fonts();

    // nullptr when the font cannot be made.
    HFONT of_pixel_height(int height);

  private:
    std::map<int, HFONT> made_;
};

}  // namespace quorvane::win32
