#include "platform/qt/LinkLabel.h"

#include <QMouseEvent>

#include "app/Link.h"

namespace qd::qt {

LinkLabel::LinkLabel(Link& link, DesktopShell& shell, QWidget* parent, const QColor& hover)
    : QLabel(parent), hoverColor(hover), link_(link), shell_(shell) {
    setObjectName(QString::fromStdString(link.name));
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    SetColor(QColor(QString::fromLatin1(kLinkColor)));
    resize(kLinkInitialWidth, sizeHint().height());
    caption_ = link.caption;
    setText(QString::fromStdString(caption_));
    if (!link.target.empty()) setToolTip(QString::fromStdString(link.target));
}

bool LinkLabel::Sync() {
    if (link_.caption == caption_) return false;
    caption_ = link_.caption;
    setText(QString::fromStdString(caption_));
    return true;
}

void LinkLabel::Click() {
    ClickLink(link_, shell_, onClick);
}

QColor LinkLabel::TextColor() const {
    return palette().color(QPalette::WindowText);
}

void LinkLabel::SetColor(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) Click();
    QLabel::mouseReleaseEvent(e);
}

void LinkLabel::enterEvent(QEnterEvent* e) {
    // What was in force on entering comes back on leaving.
    savedColor_ = TextColor();
    savedCursor_ = cursor();
    hovering_ = true;
    SetColor(hoverColor);
    setCursor(Qt::PointingHandCursor);
    QLabel::enterEvent(e);
}

void LinkLabel::leaveEvent(QEvent* e) {
    if (hovering_) {
        hovering_ = false;
        SetColor(savedColor_);
        setCursor(savedCursor_);
    }
    QLabel::leaveEvent(e);
}

}  // namespace qd::qt
