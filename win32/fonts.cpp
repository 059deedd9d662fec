#include "fonts.h"

namespace quorvane::win32 {

Fonts::~Fonts() {
    for (const auto& [height, font] : made_) DeleteObject(font);
}

HFONT Fonts::of_pixel_height(int height) {
    if (height == 0) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (const auto found = made_.find(height); found != made_.end()) return found->second;
    // A negative height asks for the character height; the empty face leaves the face to
    // the system, and its font linking supplies the Chinese glyphs.
    HFONT font = CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, L"");
    if (font != nullptr) made_.emplace(height, font);
    return font;
}

}  // namespace quorvane::win32
