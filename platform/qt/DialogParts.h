// Pieces the desktop's dialogs share.
#pragma once

#include <QPushButton>
#include <QString>
#include <string>

#include "app/UpdateWindows.h"

namespace qd::qt {

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// A dialog button from its plain object: name, caption and hint; never the
// default button, so Enter in a field does not close the dialog.
inline QPushButton* Button(QWidget* parent, const DialogButton& b) {
    auto* button = new QPushButton(Q(b.caption), parent);
    button->setObjectName(Q(b.name));
    if (!b.hint.empty()) button->setToolTip(Q(b.hint));
    button->setAutoDefault(false);
    return button;
}

}  // namespace qd::qt
