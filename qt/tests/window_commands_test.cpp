// The buttons run the description's commands against the window's own controls, and a
// copy leaves one plain text on the clipboard, marked secret for clipboard managers.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>
#include <string>

#include "control_text.h"
#include "test_window.h"
#include "text_conversion.h"

using namespace quorvane;
using namespace quorvane::qt;

class WindowCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void copy_buttons_copy_their_rows_box_data();
    void copy_buttons_copy_their_rows_box();
    void a_batch_copy_puts_crlf_lines_on_the_clipboard();
};

void WindowCommandsTest::copy_buttons_copy_their_rows_box_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    for (const ControlEntry& entry : main_window().controls)
        if (entry.click && entry.click->kind == CommandKind::copy)
            QTest::newRow(std::string(entry.name).c_str())
                << to_qstring(entry.name) << to_qstring(entry.click->box);
}

void WindowCommandsTest::copy_buttons_copy_their_rows_box() {
    QFETCH(QString, button);
    QFETCH(QString, box);
    const auto window = test::make_window();
    QVERIFY(window != nullptr);
    // Each box holds its own name, so a copy of the wrong box shows.
    for (const ControlEntry& entry : main_window().controls)
        if (entry.kind == ControlKind::edit_box)
            write_control_text(*window->control(entry.name), entry.name);

    QTest::mouseClick(window->control(to_utf8(button)), Qt::LeftButton);

    const QMimeData* copied = QApplication::clipboard()->mimeData(QClipboard::Clipboard);
    QVERIFY(copied != nullptr);
    QCOMPARE(copied->text(), box);
    QCOMPARE(copied->data(QStringLiteral("text/plain;charset=utf-8")), box.toUtf8());
    QCOMPARE(copied->data(QStringLiteral("x-kde-passwordManagerHint")), QByteArray("secret"));
}

void WindowCommandsTest::a_batch_copy_puts_crlf_lines_on_the_clipboard() {
    const auto window = test::make_window();
    QVERIFY(window != nullptr);
    write_control_text(*window->control("编辑框_密码位数"), "4");
    write_control_text(*window->control("编辑框_批量"), "3");

    QTest::mouseClick(window->control("按钮12"), Qt::LeftButton);

    // Three lines of four digits, each ended by "\r\n", back from the off-screen box.
    const QString copied = QApplication::clipboard()->text();
    QVERIFY2(
        QRegularExpression(QStringLiteral("\\A([0-9]{4}\\r\\n){3}\\z")).match(copied).hasMatch(),
        qPrintable(copied));
}

QTEST_MAIN(WindowCommandsTest)
#include "window_commands_test.moc"
