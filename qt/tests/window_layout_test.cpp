// The window as the description draws it: every control at its place, in its parent,
// with its text, font and alignment, stacked as listed, and texts that survive a
// write and a read unchanged.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>
#include <array>
#include <string>

#include "control_text.h"
#include "test_window.h"
#include "text_conversion.h"

using namespace quorvane;
using namespace quorvane::qt;

namespace {

const WindowDescription& description() { return main_window(); }

Qt::Alignment expected_alignment(Alignment alignment) {
    switch (alignment) {
        case Alignment::left:
            return Qt::AlignLeft;
        case Alignment::centre:
            return Qt::AlignHCenter;
        case Alignment::right:
            return Qt::AlignRight;
    }
    return {};
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void window_frame();
    void a_control_whose_parent_is_missing_fails_creation();
    void control_data();
    void control();
    void earlier_rows_lie_above_overlapping_later_ones();
    void edit_box_texts_read_back_unchanged_data();
    void edit_box_texts_read_back_unchanged();
    void typed_enter_in_an_accumulator_reads_back_as_crlf();
};

void WindowLayoutTest::window_frame() {
    const auto window = test::make_window();
    QVERIFY(window != nullptr);
    QCOMPARE(window->windowTitle(), to_qstring(description().caption));
    // Without a window manager there is no frame: the client area is the outer size.
    const QSize outer(description().outer_width, description().outer_height);
    QCOMPARE(window->minimumSize(), outer);
    QCOMPARE(window->maximumSize(), outer);
    QVERIFY(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

void WindowLayoutTest::a_control_whose_parent_is_missing_fails_creation() {
    const std::array<ControlEntry, 1> orphan{{{"orphan",
                                               ControlKind::label,
                                               "missing",
                                               {0, 0, 10, 10},
                                               "",
                                               &styles::row_label,
                                               false,
                                               0,
                                               {}}}};
    WindowDescription broken = description();
    broken.controls = orphan;
    MainWindow window(broken);
    QVERIFY(!window.create());
}

void WindowLayoutTest::control_data() {
    QTest::addColumn<int>("row");
    for (std::size_t row = 0; row < description().controls.size(); ++row)
        QTest::addRow("%s", std::string(description().controls[row].name).c_str())
            << static_cast<int>(row);
}

void WindowLayoutTest::control() {
    QFETCH(int, row);
    const ControlEntry& entry = description().controls[static_cast<std::size_t>(row)];
    const auto window = test::make_window();
    QVERIFY(window != nullptr);
    const QWidget* widget = window->control(entry.name);
    QVERIFY(widget != nullptr);

    const QWidget* expected_parent =
        entry.parent.empty() ? window.get() : window->control(entry.parent);
    QCOMPARE(test::name_of(widget->parentWidget()), test::name_of(expected_parent));
    QCOMPARE(widget->geometry(),
             QRect(entry.bounds.left, entry.bounds.top, entry.bounds.width, entry.bounds.height));
    QCOMPARE(read_control_text(*widget), std::string(entry.initial_text));
    QCOMPARE(widget->focusPolicy() != Qt::NoFocus, entry.tab_stop);

    const Style& style = *entry.style;
    if (style.font_pixel_height == 0)
        QCOMPARE(widget->font(), QApplication::font(widget));
    else
        QCOMPARE(widget->font().pixelSize(), style.font_pixel_height);

    Qt::Alignment alignment;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) alignment = label->alignment();
    if (const auto* box = qobject_cast<const QLineEdit*>(widget)) alignment = box->alignment();
    if (alignment != Qt::Alignment())
        QCOMPARE(alignment & Qt::AlignHorizontal_Mask, expected_alignment(style.alignment));
}

void WindowLayoutTest::earlier_rows_lie_above_overlapping_later_ones() {
    const auto window = test::make_window();
    QVERIFY(window != nullptr);
    int overlaps = 0;
    const auto& controls = description().controls;
    for (std::size_t upper = 0; upper < controls.size(); ++upper) {
        for (std::size_t lower = upper + 1; lower < controls.size(); ++lower) {
            if (controls[upper].parent != controls[lower].parent) continue;
            QWidget* above = window->control(controls[upper].name);
            const QRect shared =
                above->geometry() & window->control(controls[lower].name)->geometry();
            if (shared.isEmpty()) continue;
            ++overlaps;
            // The control that takes the mouse at the middle of the shared part.
            QWidget* hit = above->parentWidget()->childAt(shared.center());
            while (hit != nullptr && hit->parentWidget() != above->parentWidget())
                hit = hit->parentWidget();
            QVERIFY2(hit == above,
                     qPrintable(test::name_of(above) + " lies below " + test::name_of(hit)));
        }
    }
    // The web-page button over three labels, the batch buttons over the group box.
    QVERIFY(overlaps >= 13);
}

void WindowLayoutTest::edit_box_texts_read_back_unchanged_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    const QString accumulator = to_qstring("编辑框11");
    QTest::newRow("batch of lines") << accumulator << "ab\r\ncd\r\n";
    QTest::newRow("empty lines only") << accumulator << "\r\n\r\n\r\n";
    QTest::newRow("no line break") << accumulator << "x";
    QTest::newRow("empty") << accumulator << "";
    QTest::newRow("Chinese and spaces") << accumulator << to_qstring("密码 a\u00a0b\r\n");
    // A one-line box holds more than a QLineEdit's default limit of 32767 characters.
    QTest::newRow("long password") << to_qstring("编辑框1") << QString(40000, QLatin1Char('x'));
}

void WindowLayoutTest::edit_box_texts_read_back_unchanged() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    const auto window = test::make_window();
    QVERIFY(window != nullptr);
    QWidget* widget = window->control(to_utf8(box));
    QVERIFY(widget != nullptr);
    write_control_text(*widget, to_utf8(text));
    QCOMPARE(read_control_text(*widget), to_utf8(text));
}

void WindowLayoutTest::typed_enter_in_an_accumulator_reads_back_as_crlf() {
    const auto window = test::make_active_window();
    QVERIFY(window != nullptr);
    QWidget* accumulator = window->control("编辑框20");
    accumulator->setFocus();
    QTRY_VERIFY(accumulator->hasFocus());
    QTest::keyClicks(accumulator, "ab");
    QTest::keyClick(accumulator, Qt::Key_Return);
    QTest::keyClicks(accumulator, "cd");
    QCOMPARE(read_control_text(*accumulator), std::string("ab\r\ncd"));
}

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
