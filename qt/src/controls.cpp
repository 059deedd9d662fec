#include "controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "control_text.h"
#include "single_line_box.h"
#include "text_conversion.h"

namespace quorvane::qt {
namespace {

Qt::Alignment horizontal_alignment(Alignment alignment) {
    switch (alignment) {
        case Alignment::left:
            return Qt::AlignLeft;
        case Alignment::centre:
            return Qt::AlignHCenter;
        case Alignment::right:
            return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

QWidget* make_edit_box(const Style& style, QWidget& parent) {
    if (!style.multi_line) {
        auto* box = new SingleLineBox(style, &parent);
        box->setAlignment(horizontal_alignment(style.alignment) | Qt::AlignVCenter);
        box->setFrame(style.sunken_edge);
        return box;
    }
    auto* box = new QPlainTextEdit(&parent);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (!style.sunken_edge) box->setFrameShape(QFrame::NoFrame);
    return box;
}

QWidget* make_button(QWidget& parent) {
    auto* button = new QPushButton(&parent);
    // Enter never clicks a button here.
    button->setAutoDefault(false);
    return button;
}

QWidget* make_label(const Style& style, QWidget& parent) {
    auto* label = new QLabel(&parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(horizontal_alignment(style.alignment) | Qt::AlignVCenter);
    // No background of its own: the frame's face shows through, as one colour.
    return label;
}

QWidget* make_widget(const ControlEntry& entry, QWidget& parent) {
    switch (entry.kind) {
        case ControlKind::edit_box:
            return make_edit_box(*entry.style, parent);
        case ControlKind::button:
            return make_button(parent);
        case ControlKind::label:
            return make_label(*entry.style, parent);
        case ControlKind::group_box:
            return new QGroupBox(&parent);
    }
    return nullptr;
}

void apply_colours(const Style& style, QWidget& control) {
    QPalette palette = control.palette();
    if (style.white_background) {
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
    } else {
        palette.setColor(QPalette::Window, palette.color(QPalette::Button));
        palette.setColor(QPalette::WindowText, Qt::black);
    }
    control.setPalette(palette);
}

void apply_font(const Style& style, QWidget& control) {
    if (style.font_pixel_height == 0) return;  // the default control font
    QFont font = control.font();
    font.setPixelSize(style.font_pixel_height);
    control.setFont(font);
}

}  // namespace

QWidget* make_control(const ControlEntry& entry, QWidget& parent) {
    QWidget* control = make_widget(entry, parent);
    if (control == nullptr) return nullptr;
    control->setObjectName(to_qstring(entry.name));
    control->setGeometry(entry.bounds.left, entry.bounds.top, entry.bounds.width,
                         entry.bounds.height);
    control->setFocusPolicy(entry.tab_stop ? Qt::StrongFocus : Qt::NoFocus);
    apply_colours(*entry.style, *control);
    apply_font(*entry.style, *control);
    write_control_text(*control, entry.initial_text);
    return control;
}

}  // namespace quorvane::qt
