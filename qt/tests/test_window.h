#pragma once

#include <QWidget>
#include <QtTest>
#include <memory>
#include <string_view>

#include "main_window.h"
#include "quorvane/ui/window_description.h"

namespace quorvane::qt::test {

// The program's window built from the core's description, as the program builds it.
inline std::unique_ptr<MainWindow> make_window() {
    auto window = std::make_unique<MainWindow>(main_window());
    if (!window->create()) return nullptr;
    return window;
}

// The window shown and active, so that focus and keys behave as for the user.
inline std::unique_ptr<MainWindow> make_active_window() {
    auto window = make_window();
    if (window == nullptr) return nullptr;
    window->show();
    if (!QTest::qWaitForWindowActive(window.get())) return nullptr;
    return window;
}

inline QString name_of(const QWidget* widget) {
    return widget == nullptr ? QStringLiteral("(none)") : widget->objectName();
}

}  // namespace quorvane::qt::test
