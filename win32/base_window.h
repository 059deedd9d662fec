#pragma once

#include <windows.h>

namespace quorvane::win32 {

// The window procedure of a top-level window class that forwards every message to a member
// handle_message of Derived. The object is passed as the creation parameter and kept in
// GWLP_USERDATA; messages before WM_NCCREATE and after WM_NCDESTROY go to DefWindowProcW.
template <class Derived>
class BaseWindow {
  public:
    static LRESULT CALLBACK window_procedure(HWND hwnd, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
        Derived* self = nullptr;
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
            self = static_cast<Derived*>(create->lpCreateParams);
            self->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        if (self == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
            return DefWindowProcW(hwnd, message, wparam, lparam);
        }
        return self->handle_message(message, wparam, lparam);
    }

    HWND window() const { return hwnd_; }

  protected:
    BaseWindow() = default;
    ~BaseWindow() = default;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

    LRESULT default_handling(UINT message, WPARAM wparam, LPARAM lparam) {
        return DefWindowProcW(hwnd_, message, wparam, lparam);
    }

    HWND hwnd_ = nullptr;
};

}  // namespace quorvane::win32
