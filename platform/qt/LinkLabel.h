// The hyperlink label: underlined and blue, the hover colour and a hand while
// the mouse is over it; a click opens its target or runs its own click.
#pragma once

#include <QColor>
#include <QCursor>
#include <QLabel>
#include <functional>
#include <string>

#include "app/Platform.h"
#include "core/Controls.h"

namespace qd::qt {

class LinkLabel : public QLabel {
public:
    // `hoverColor` is red for the links of the main window, black for PDFLINK.
    LinkLabel(Link& link, DesktopShell& shell, QWidget* parent = nullptr,
              const QColor& hoverColor = QColor(Qt::red));

    // The ordinary click, run when the link has no target.
    std::function<void()> onClick;
    QColor hoverColor;

    // Shows the link's caption when it changed; true when it did.
    bool Sync();
    // What a click does, also for the picture beside the link.
    void Click();
    bool Hovering() const { return hovering_; }

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void SetColor(const QColor& c);
    QColor TextColor() const;

    Link& link_;
    DesktopShell& shell_;
    std::string caption_;
    bool hovering_ = false;
    QColor savedColor_;
    QCursor savedCursor_;
};

}  // namespace qd::qt
