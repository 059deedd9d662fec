#pragma once

#include <QLineEdit>

#include "quorvane/ui/window_description.h"

namespace quorvane::qt {

// A one-line edit box that drops the typed characters its style refuses. Only typing
// is filtered: pasted or written text goes in as it is.
class SingleLineBox : public QLineEdit {
  public:
    SingleLineBox(const Style& style, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    QString accepted_part(const QString& typed) const;

    const Style& style_;
};

}  // namespace quorvane::qt
