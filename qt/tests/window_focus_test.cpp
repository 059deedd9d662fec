// Where the focus is when the window becomes active: in the first control of the focus
// order at start, and back in the control that had it when the window was left.
#include <QApplication>
#include <QtTest>

#include "test_window.h"

using namespace quorvane;
using namespace quorvane::qt;

class WindowFocusTest : public QObject {
    Q_OBJECT

  private slots:
    void starts_in_the_first_control_of_the_focus_order();
    void comes_back_to_the_last_focused_control_on_reactivation();
};

void WindowFocusTest::starts_in_the_first_control_of_the_focus_order() {
    const auto window = test::make_active_window();
    QVERIFY(window != nullptr);
    QTRY_COMPARE(QApplication::focusWidget(),
                 window->control(tab_order(main_window()).front()->name));
}

void WindowFocusTest::comes_back_to_the_last_focused_control_on_reactivation() {
    const auto window = test::make_active_window();
    QVERIFY(window != nullptr);
    QWidget* count_box = window->control("编辑框_批量");
    count_box->setFocus();
    QTRY_VERIFY(count_box->hasFocus());

    QWidget other;
    other.setFocusPolicy(Qt::StrongFocus);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTRY_VERIFY(!count_box->hasFocus());

    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTRY_COMPARE(QApplication::focusWidget(), count_box);
}

QTEST_MAIN(WindowFocusTest)
#include "window_focus_test.moc"
