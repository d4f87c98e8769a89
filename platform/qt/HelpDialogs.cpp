#include "platform/qt/HelpDialogs.h"

#include "platform/qt/DialogParts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/LinkLabel.h"

namespace qd::qt {

namespace {

// Over the window that is in front: a dialog opened from a dialog stays on top.
QWidget* Owner(QWidget* parent) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return parent;
}

QTextBrowser* RichView(QWidget* parent, const RichTextView& view) {
    auto* browser = new QTextBrowser(parent);
    browser->setObjectName(Q(view.name));
    browser->setReadOnly(true);
    browser->setOpenLinks(false);
    browser->setPlainText(Q(view.placeholder));
    return browser;
}

// Fills the view and has its scroll bar match the loaded text.
void ShowPage(QTextBrowser* browser, const RichTextView& view) {
    FillDocument(*browser->document(), view.document);
    browser->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    browser->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Inserting left the cursor, and so the view, at the end.
    browser->moveCursor(QTextCursor::Start);
}

// The about box's picture, drawn here so the program needs no image file.
QPixmap AboutPicture(const QSize& size) {
    QPixmap pix(size);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(20, 52, 96));
    sky.setColorAt(1, QColor(8, 22, 44));
    p.fillRect(pix.rect(), sky);

    // A keypad outline on the right: display window and two rows of keys.
    const QRect pad(size.width() - 150, 26, 112, size.height() - 52);
    p.setPen(QPen(QColor(150, 170, 200), 2));
    p.setBrush(QColor(40, 44, 52));
    p.drawRoundedRect(pad, 10, 10);
    p.setBrush(QColor(10, 30, 10));
    p.drawRect(pad.x() + 12, pad.y() + 14, pad.width() - 24, 30);
    p.setPen(QColor(90, 230, 90));
    QFont seg(QStringLiteral("Monospace"), 15, QFont::Bold);
    p.setFont(seg);
    p.drawText(QRect(pad.x() + 12, pad.y() + 14, pad.width() - 24, 30), Qt::AlignCenter,
               QStringLiteral("60.00"));
    p.setPen(QPen(QColor(120, 130, 150), 1));
    p.setBrush(QColor(70, 76, 88));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawEllipse(QPoint(pad.x() + 26 + col * 30, pad.y() + 72 + row * 30), 10, 10);

    p.setPen(Qt::white);
    QFont title = QApplication::font();
    title.setPointSize(30);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(28, 28, size.width() - 200, 50), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("QD720"));
    QFont sub = QApplication::font();
    sub.setPointSize(13);
    p.setFont(sub);
    p.setPen(QColor(200, 215, 235));
    p.drawText(QRect(30, 84, size.width() - 200, 26), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Programming Simulator"));
    sub.setPointSize(9);
    p.setFont(sub);
    p.drawText(QRect(30, size.height() - 44, size.width() - 200, 20),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Torvane"));
    return pix;
}

}  // namespace

void FillDocument(QTextDocument& document, const RichTextDocument& page) {
    document.clear();
    QTextCursor cursor(&document);
    bool first = true;
    for (const RichTextParagraph& para : page.paragraphs) {
        if (!first) cursor.insertBlock();
        first = false;
        for (const RichTextRun& run : para.runs) {
            QTextCharFormat f;
            f.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
            f.setFontItalic(run.italic);
            f.setFontUnderline(run.underline);
            // A page asking for absurd sizes still reads.
            f.setFontPointSize(std::clamp(run.fontSizeHalfPoints / 2.0, 6.0, 48.0));
            f.setForeground(QColor(static_cast<QRgb>(run.color)));
            cursor.insertText(
                QString::fromUtf8(run.text.data(), static_cast<qsizetype>(run.text.size())), f);
        }
    }
}

void ShowSimulatorInformation(TSimForm& form, QWidget* parent) {
    TSimInformation& d = form.helpWindows.information;
    if (!d.FormShow(form)) return;

    QDialog dialog(Owner(parent));
    dialog.setObjectName(QStringLiteral("TSimInformation"));
    dialog.setWindowTitle(Q(d.caption));
    dialog.resize(640, 540);

    auto* heading = new QLabel(Q(d.heading), &dialog);
    heading->setObjectName(QStringLiteral("Heading"));
    QFont hf = heading->font();
    hf.setPointSize(hf.pointSize() + 4);
    hf.setBold(true);
    heading->setFont(hf);

    QTextBrowser* view = RichView(&dialog, d.view);
    ShowPage(view, d.view);

    auto* hint = new QLabel(Q(d.scrollHint), &dialog);
    hint->setObjectName(QStringLiteral("ScrollHint"));
    auto* hide = new QCheckBox(Q(d.HideDialog.caption), &dialog);
    hide->setObjectName(Q(d.HideDialog.name));
    hide->setToolTip(Q(d.hideDialogHint));
    hide->setChecked(d.HideDialog.checked);
    QPushButton* close = Button(&dialog, d.Close);
    close->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(hide);
    bottom->addStretch();
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(heading);
    layout->addWidget(view, 1);
    layout->addWidget(hint);
    layout->addLayout(bottom);

    dialog.exec();
    d.HideDialog.checked = hide->isChecked();
    d.FormClose(form);
}

void ShowRevisionHistory(TSimForm& form, QWidget* parent) {
    TREVHIS1& d = form.helpWindows.revisionHistory;
    if (!d.FormShow(form)) return;

    QDialog dialog(Owner(parent));
    dialog.setObjectName(QStringLiteral("TREVHIS1"));
    dialog.setWindowTitle(Q(d.caption));
    dialog.resize(600, 480);

    QTextBrowser* view = RichView(&dialog, d.view);
    ShowPage(view, d.view);
    QPushButton* ok = Button(&dialog, d.Ok);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(view, 1);
    layout->addLayout(bottom);
    dialog.exec();
}

void ShowAboutBox(TSimForm& form, QWidget* parent) {
    TAboutBox& d = form.helpWindows.about;
    d.FormShow();

    QDialog dialog(Owner(parent));
    dialog.setObjectName(QStringLiteral("TAboutBox"));
    dialog.setWindowTitle(Q(d.caption));

    auto* picture = new QLabel(&dialog);
    picture->setObjectName(QStringLiteral("AboutPicture"));
    picture->setPixmap(AboutPicture(QSize(560, 230)));
    auto* version = new QLabel(Q(d.versionLabel), &dialog);
    version->setObjectName(QStringLiteral("VersionLabel"));
    auto* link = new LinkLabel(d.URL, form.platform.shell, &dialog);
    link->setText(Q(d.URL.caption));

    QPushButton* history = Button(&dialog, d.RevisionHistory);
    QObject::connect(history, &QPushButton::clicked, &dialog,
                     [&form, &d] { d.RevisionHistoryClick(form); });
    QPushButton* close = Button(&dialog, d.Close);
    // Esc rejects the dialog, which is what Close does.
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(12, 6, 12, 10);
    bottom->addWidget(version);
    bottom->addSpacing(12);
    bottom->addWidget(link);
    bottom->addStretch();
    bottom->addWidget(history);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    dialog.exec();
}

void RegisterHelpDialogs(QtWindowSystem& windows, TSimForm& form) {
    windows.dialogs["TSimInformation"] = [&windows, &form] {
        ShowSimulatorInformation(form, windows.parent);
    };
    windows.dialogs["TREVHIS1"] = [&windows, &form] { ShowRevisionHistory(form, windows.parent); };
    windows.dialogs["TAboutBox"] = [&windows, &form] { ShowAboutBox(form, windows.parent); };
}

}  // namespace qd::qt
