#include "desktop_platform.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "clipboard.h"
#include "control_text.h"
#include "text_conversion.h"

namespace quorvane::qt {

DesktopPlatform::DesktopPlatform(QWidget& window, const ControlsByName& controls)
    : window_(window), controls_(controls) {}

QWidget* DesktopPlatform::find(std::string_view control) const {
    const auto found = controls_.find(control);
    return found == controls_.end() ? nullptr : found->second;
}

std::string DesktopPlatform::read(std::string_view control) const {
    const QWidget* widget = find(control);
    return widget == nullptr ? std::string() : read_control_text(*widget);
}

void DesktopPlatform::write(std::string_view control, std::string_view text) {
    if (QWidget* widget = find(control)) write_control_text(*widget, text);
}

void DesktopPlatform::set_clipboard_text(std::string_view text) { qt::set_clipboard_text(text); }

void DesktopPlatform::open_web_page(std::string_view url) {
    // Hands the address to the desktop (xdg-open) and does not wait for the browser.
    QDesktopServices::openUrl(QUrl(to_qstring(url)));
}

void DesktopPlatform::show_error(std::string_view caption, std::string_view message) {
    QMessageBox::critical(&window_, to_qstring(caption), to_qstring(message));
}

}  // namespace quorvane::qt
