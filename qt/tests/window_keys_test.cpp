// The window's keyboard: Tab and Shift+Tab through the description's focus order with
// wrap-around, Enter that runs nothing, Esc that closes from any control, and the
// number boxes that drop typed characters but take pasted text.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QtTest>
#include <string>
#include <vector>

#include "control_text.h"
#include "test_window.h"
#include "text_conversion.h"

using namespace quorvane;
using namespace quorvane::qt;

namespace {

QStringList focus_order_names() {
    QStringList names;
    for (const ControlEntry* entry : tab_order(main_window())) names << to_qstring(entry->name);
    return names;
}

// Every edit box's text, to see that a key ran no command.
std::vector<std::string> edit_box_texts(const MainWindow& window) {
    std::vector<std::string> texts;
    for (const ControlEntry& entry : main_window().controls)
        if (entry.kind == ControlKind::edit_box)
            texts.push_back(read_control_text(*window.control(entry.name)));
    return texts;
}

void add_focus_order_rows() {
    QTest::addColumn<QString>("control");
    for (const QString& name : focus_order_names()) QTest::newRow(qPrintable(name)) << name;
}

}  // namespace

class WindowKeysTest : public QObject {
    Q_OBJECT

  private slots:
    void tab_walks_the_focus_order_and_wraps_data();
    void tab_walks_the_focus_order_and_wraps();
    void enter_runs_nothing_and_keeps_the_focus_data();
    void enter_runs_nothing_and_keeps_the_focus();
    void escape_closes_the_window_data();
    void escape_closes_the_window();
    void typed_characters_are_filtered_by_the_box_style_data();
    void typed_characters_are_filtered_by_the_box_style();
    void pasted_text_is_not_filtered();
    void input_method_text_is_filtered();
};

void WindowKeysTest::tab_walks_the_focus_order_and_wraps_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Tab") << int(Qt::Key_Tab) << int(Qt::NoModifier);
    QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier);
}

void WindowKeysTest::tab_walks_the_focus_order_and_wraps() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    const auto window = test::make_active_window();
    QVERIFY(window != nullptr);
    const QStringList order = focus_order_names();
    QCOMPARE(order.size(), 45);
    QTRY_COMPARE(test::name_of(QApplication::focusWidget()), order.front());

    // Once round the whole order and back to the first control.
    QStringList visited;
    for (qsizetype step = 0; step < order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
        visited << test::name_of(QApplication::focusWidget());
    }
    QStringList expected;
    for (qsizetype step = 1; step <= order.size(); ++step) {
        const qsizetype index = key == Qt::Key_Tab ? step : order.size() - step;
        expected << order[index % order.size()];
    }
    QCOMPARE(visited, expected);
}

void WindowKeysTest::enter_runs_nothing_and_keeps_the_focus_data() { add_focus_order_rows(); }

void WindowKeysTest::enter_runs_nothing_and_keeps_the_focus() {
    QFETCH(QString, control);
    const ControlEntry& entry = *find_control(main_window(), to_utf8(control));
    const bool keeps_enter = entry.kind == ControlKind::edit_box && entry.style->multi_line;
    const auto window = test::make_active_window();
    QVERIFY(window != nullptr);
    QWidget* widget = window->control(entry.name);
    widget->setFocus();
    QTRY_VERIFY(widget->hasFocus());
    QApplication::clipboard()->setText(QStringLiteral("before"));
    const auto texts_before = edit_box_texts(*window);

    QTest::keyClick(widget, Qt::Key_Return);
    QTest::keyClick(widget, Qt::Key_Enter, Qt::KeypadModifier);

    QVERIFY(widget->hasFocus());
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    // Only an accumulator takes Enter: two line breaks, and nothing else changed.
    if (keeps_enter) {
        QCOMPARE(read_control_text(*widget), std::string("\r\n\r\n"));
        write_control_text(*widget, "");
    }
    QCOMPARE(edit_box_texts(*window), texts_before);
}

void WindowKeysTest::escape_closes_the_window_data() { add_focus_order_rows(); }

void WindowKeysTest::escape_closes_the_window() {
    QFETCH(QString, control);
    const auto window = test::make_active_window();
    QVERIFY(window != nullptr);
    QWidget* widget = window->control(to_utf8(control));
    widget->setFocus();
    QTRY_VERIFY(widget->hasFocus());
    QTest::keyClick(widget, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

void WindowKeysTest::typed_characters_are_filtered_by_the_box_style_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    const QString length = to_qstring("编辑框_密码位数");
    const QString count = to_qstring("编辑框_批量");
    QTest::newRow("letters dropped from the length") << length << "a1b2"
                                                     << "12";
    QTest::newRow("minus kept in the length") << length << "-3"
                                              << "-3";
    QTest::newRow("blank and dot dropped from the count") << count << " 7.5"
                                                          << "75";
    QTest::newRow("prefix takes anything") << to_qstring("编辑框_前缀") << "a1 b-"
                                           << "a1 b-";
    QTest::newRow("result box takes anything") << to_qstring("编辑框1") << "x.y"
                                               << "x.y";
}

void WindowKeysTest::typed_characters_are_filtered_by_the_box_style() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    const auto window = test::make_active_window();
    QVERIFY(window != nullptr);
    QWidget* widget = window->control(to_utf8(box));
    widget->setFocus();
    QTRY_VERIFY(widget->hasFocus());
    write_control_text(*widget, "");
    QTest::keyClicks(widget, typed);
    QCOMPARE(to_qstring(read_control_text(*widget)), expected);
    // Backspace, a character below space, still edits the box.
    QTest::keyClick(widget, Qt::Key_Backspace);
    QCOMPARE(to_qstring(read_control_text(*widget)), expected.chopped(1));
}

void WindowKeysTest::pasted_text_is_not_filtered() {
    const auto window = test::make_active_window();
    QVERIFY(window != nullptr);
    QWidget* box = window->control("编辑框_密码位数");
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    write_control_text(*box, "");
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(read_control_text(*box), std::string("abc"));
}

void WindowKeysTest::input_method_text_is_filtered() {
    const auto window = test::make_active_window();
    QVERIFY(window != nullptr);
    QWidget* box = window->control("编辑框_批量");
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    write_control_text(*box, "");
    QInputMethodEvent commit;
    commit.setCommitString(to_qstring("５x5-"));
    QApplication::sendEvent(box, &commit);
    QCOMPARE(read_control_text(*box), std::string("5-"));
}

QTEST_MAIN(WindowKeysTest)
#include "window_keys_test.moc"
