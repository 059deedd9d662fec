#include <QApplication>
#include <iostream>

#include "main_window.h"
#include "quorvane/ui/messages.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvane"));

    quorvane::qt::MainWindow window(quorvane::main_window());
    if (!window.create()) {
        namespace messages = quorvane::messages;
        std::cerr << messages::runtime_error << '\n' << messages::window_not_created << '\n';
        return -1;
    }
    window.show();
    return QApplication::exec();
}
