#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <iostream>

#include "main_window.h"
#include "quorvane/ui/messages.h"

int main(int, char* argv[]) {
    // Arguments make no difference, Qt's own options (-platform, -style, ...) included.
    int program_name_only = 1;
    QApplication application(program_name_only, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvane"));
    // Qt's own words, such as the error box's button, in the user's language.
    QTranslator qt_words;
    if (qt_words.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt_words);

    // The labels are Simplified Chinese whatever the user's language; where the default
    // font has no Chinese characters, take their Simplified Chinese forms.
    QFont font = QApplication::font();
    font.setFamilies({font.family(), QStringLiteral("Noto Sans CJK SC")});
    QApplication::setFont(font);

    quorvane::qt::MainWindow window(quorvane::main_window());
    if (!window.create()) {
        namespace messages = quorvane::messages;
        std::cerr << messages::runtime_error << '\n' << messages::window_not_created << '\n';
        return -1;
    }
    window.show();
    return QApplication::exec();
}
