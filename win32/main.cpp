// Starts the program: builds the main window and runs the message loop until it closes.
// Command-line arguments are ignored.
#include <windows.h>

#include <string>

#include "main_window.h"
#include "quorvane/ui/messages.h"
#include "window_platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show_command) {
    using namespace quorvane;
    win32::MainWindow window(main_window());
    if (!window.create(show_command)) {
        const std::string message =
            std::string(messages::runtime_error) + "\n" + std::string(messages::window_not_created);
        win32::show_error_box(nullptr, messages::error_caption, message);
        return -1;
    }
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.translate_key(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
