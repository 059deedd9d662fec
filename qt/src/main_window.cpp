#include "main_window.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <vector>

#include "text_conversion.h"
#include "window_keys.h"

namespace quorvane::qt {

MainWindow::MainWindow(const WindowDescription& description)
    : description_(description), platform_(*this, controls_), random_(make_system_random_bytes()) {}

bool MainWindow::create() {
    set_up_frame();
    for (const ControlEntry& entry : description_.controls)
        if (create_control(entry) == nullptr) return false;
    stack_controls();
    set_up_keys();
    bind_commands();
    return true;
}

QWidget* MainWindow::control(std::string_view name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

void MainWindow::set_up_frame() {
    setWindowTitle(to_qstring(description_.caption));
    setWindowIcon(QIcon(QStringLiteral(":/icons/quorvane.png")));
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (description_.minimise_box) flags |= Qt::WindowMinimizeButtonHint;
    if (description_.maximise_box) flags |= Qt::WindowMaximizeButtonHint;
    setWindowFlags(flags);

    QPalette background = palette();
    background.setColor(QPalette::Window, background.color(QPalette::Button));
    setPalette(background);

    // Without a window manager the window has no frame and its client area is the whole
    // outer size; keep_outer_size() shrinks the client area once a frame is known.
    const QSize outer(description_.outer_width, description_.outer_height);
    if (description_.resizable)
        resize(outer);
    else
        setFixedSize(outer);
    // A window's position is that of its frame, so this centres the outer rectangle.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const Point centred = centred_position(description_, screen.width(), screen.height());
    move(screen.topLeft() + QPoint(centred.x, centred.y));
}

QWidget* MainWindow::create_control(const ControlEntry& entry) {
    if (QWidget* made = control(entry.name)) return made;
    QWidget* parent = this;
    if (!entry.parent.empty()) {
        // A parent comes before its children, wherever the table lists it.
        const ControlEntry* parent_entry = find_control(description_, entry.parent);
        parent = parent_entry == nullptr ? nullptr : create_control(*parent_entry);
        if (parent == nullptr) return nullptr;
    }
    QWidget* made = make_control(entry, *parent);
    if (made != nullptr) controls_.emplace(entry.name, made);
    return made;
}

void MainWindow::stack_controls() {
    // Raising from the last row to the first leaves every row above the rows after it.
    for (auto entry = description_.controls.rbegin(); entry != description_.controls.rend();
         ++entry)
        control(entry->name)->raise();
}

void MainWindow::set_up_keys() {
    std::vector<QWidget*> focus_order;
    for (const ControlEntry* entry : tab_order(description_))
        focus_order.push_back(control(entry->name));
    QSet<QWidget*> keep_enter;
    for (const ControlEntry& entry : description_.controls)
        if (entry.kind == ControlKind::edit_box && entry.style->multi_line)
            keep_enter.insert(control(entry.name));

    if (!focus_order.empty()) focus_order.front()->setFocus();
    auto* keys = new WindowKeys(*this, std::move(focus_order), std::move(keep_enter));
    for (const auto& [name, widget] : controls_) keys->watch(*widget);
}

void MainWindow::bind_commands() {
    for (const ControlEntry& entry : description_.controls) {
        auto* button = qobject_cast<QAbstractButton*>(control(entry.name));
        if (button == nullptr || !entry.click) continue;
        const Command command = *entry.click;
        connect(button, &QAbstractButton::clicked, this,
                [this, command] { run_command(command, platform_, *random_); });
    }
}

void MainWindow::keep_outer_size() {
    if (description_.resizable) return;
    // Only a new frame changes the client size, so a window manager that answers a
    // resize with a size of its own is not asked again and again.
    const QSize frame = frameGeometry().size() - geometry().size();
    if (frame == frame_size_) return;
    frame_size_ = frame;
    setFixedSize(QSize(description_.outer_width, description_.outer_height) - frame);
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    keep_outer_size();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    keep_outer_size();
}

}  // namespace quorvane::qt
