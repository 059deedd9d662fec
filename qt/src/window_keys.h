#pragma once

#include <QObject>
#include <QSet>
#include <vector>

class QKeyEvent;
class QWidget;

namespace quorvane::qt {

// The window's keys, handled before the focused control sees them: Tab and Shift+Tab
// walk the focus order with wrap-around, Esc closes the window, and Enter does nothing
// except in the controls that keep it for a line break.
class WindowKeys : public QObject {
  public:
    WindowKeys(QWidget& window, std::vector<QWidget*> focus_order, QSet<QWidget*> keep_enter);

    // Makes the window's keys apply while this control has the focus.
    void watch(QWidget& control);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool handle(QWidget& control, const QKeyEvent& key);
    void move_focus(QWidget& from, int step);

    QWidget& window_;
    std::vector<QWidget*> focus_order_;
    QSet<QWidget*> keep_enter_;
};

}  // namespace quorvane::qt
