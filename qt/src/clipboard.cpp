#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace quorvane::qt {

void set_clipboard_text(const QString& text) {
    auto* data = new QMimeData;
    data->setText(text);
    data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

}  // namespace quorvane::qt
