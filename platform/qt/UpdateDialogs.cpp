#include "platform/qt/UpdateDialogs.h"

#include "platform/qt/DialogParts.h"

#include <QCheckBox>
#include <QDialog>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qd::qt {

namespace {

QPushButton* LinkButton(QWidget* parent, const Link& link) {
    auto* button = new QPushButton(Q(link.caption), parent);
    button->setObjectName(Q(link.name));
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    button->setStyleSheet(
        QStringLiteral("color: #0645ad; text-decoration: underline; "
                       "text-align: left; border: none"));
    return button;
}

QCheckBox* Check(QWidget* parent, const Choice& c) {
    auto* box = new QCheckBox(Q(c.caption), parent);
    box->setObjectName(Q(c.name));
    box->setChecked(c.checked);
    return box;
}

// The port field: only digits are typed (backspace is discarded as well), and
// leaving it writes back the value the field stands for.
class PortFilter : public QObject {
public:
    PortFilter(QLineEdit* edit, TProxyForm& proxy) : QObject(edit), edit_(edit), proxy_(proxy) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString text = key->text();
            if (key->key() == Qt::Key_Backspace) return true;
            if (text.size() == 1 && text[0].isPrint() &&
                !TProxyForm::PortKeyAccepted(text[0].toLatin1()))
                return true;
        } else if (event->type() == QEvent::FocusOut) {
            proxy_.ProxyPortNumberExit();
            edit_->setText(Q(proxy_.ProxyPortNumber.text));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit* edit_;
    TProxyForm& proxy_;
};

QLineEdit* Edit(QWidget* parent, QFormLayout* layout, TProxyForm& proxy, EditField& field) {
    auto* edit = new QLineEdit(Q(field.text), parent);
    edit->setObjectName(Q(field.name));
    edit->setMaxLength(static_cast<int>(field.maxLength));
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, &proxy, &field](const QString& t) {
        proxy.SetText(field, t.toStdString());
        if (Q(field.text) != t) edit->setText(Q(field.text));
    });
    layout->addRow(Q(field.label), edit);
    return edit;
}

void ShowProxyForm(TSimForm& form, QWidget* parent) {
    TProxyForm& proxy = form.updateWindows.proxy;
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("TProxyForm"));
    dialog.setWindowTitle(Q(proxy.caption));
    auto* layout = new QVBoxLayout(&dialog);
    QCheckBox* use = Check(&dialog, proxy.UseProxy);
    QObject::connect(use, &QCheckBox::toggled, &dialog,
                     [&proxy](bool on) { proxy.UseProxy.checked = on; });
    layout->addWidget(use);
    auto* fields = new QFormLayout;
    layout->addLayout(fields);
    Edit(&dialog, fields, proxy, proxy.ProxyAddress);
    QLineEdit* port = Edit(&dialog, fields, proxy, proxy.ProxyPortNumber);
    port->installEventFilter(new PortFilter(port, proxy));
    Edit(&dialog, fields, proxy, proxy.ProxyUsername);
    Edit(&dialog, fields, proxy, proxy.ProxyPassword);  // shown in clear, as stored

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = Button(&dialog, proxy.CtrlOK);
    QPushButton* cancel = Button(&dialog, proxy.Cancel);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&] {
        form.Run([&] { proxy.CtrlOKClick(form); });
        port->setText(Q(proxy.ProxyPortNumber.text));
        dialog.accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    dialog.exec();
}

void ShowProgramSetup(TSimForm& form, QWidget* parent) {
    TPSetup& setup = form.updateWindows.setup;
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("TPSetup"));
    dialog.setWindowTitle(Q(setup.caption));
    auto* layout = new QVBoxLayout(&dialog);
    auto* tabs = new QTabWidget(&dialog);
    auto* page = new QWidget(tabs);
    tabs->addTab(page, Q(setup.tabCaption));
    layout->addWidget(tabs);
    auto* pageLayout = new QVBoxLayout(page);
    for (Choice* c : {&setup.L1, &setup.L2, &setup.L3}) {
        QCheckBox* box = Check(page, *c);
        QObject::connect(box, &QCheckBox::toggled, &dialog, [c](bool on) { c->checked = on; });
        pageLayout->addWidget(box);
    }
    QPushButton* url = LinkButton(page, setup.URL);
    pageLayout->addWidget(url);
    pageLayout->addStretch();
    QObject::connect(url, &QPushButton::clicked, &dialog,
                     [&] { form.Run([&] { setup.URLClick(form); }); });

    auto* buttons = new QHBoxLayout;
    QPushButton* help = Button(&dialog, setup.Help);
    QPushButton* cancel = Button(&dialog, setup.Cancel);
    QPushButton* ok = Button(&dialog, setup.CtrlOK);
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    QObject::connect(help, &QPushButton::clicked, &dialog,
                     [&] { form.Run([&] { setup.HelpClick(form); }); });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&] {
        form.Run([&] { setup.CtrlOKClick(form); });
        dialog.accept();
    });
    dialog.exec();
}

// Closing it any other way counts as "&Close" with the choice shown.
class AutoUpdateDialog : public QDialog {
public:
    AutoUpdateDialog(TSimForm& form, QWidget* parent)
        : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
          form_(form) {}
    void done(int result) override {
        if (TAutoUpdateSelection* q = Question(); q && !q->closed)
            form_.Run([this, q] { q->CloseClick(form_); });
        QDialog::done(result);
    }

private:
    TAutoUpdateSelection* Question() {
        return form_.updateWindows.autoUpdate ? &*form_.updateWindows.autoUpdate : nullptr;
    }
    TSimForm& form_;
};

void ShowAutoUpdateSelection(TSimForm& form, QWidget* parent) {
    if (!form.updateWindows.autoUpdate) return;
    TAutoUpdateSelection& q = *form.updateWindows.autoUpdate;
    AutoUpdateDialog dialog(form, parent);
    dialog.setObjectName(QStringLiteral("TAutoUpdateSelection"));
    dialog.setWindowTitle(Q(q.caption));
    auto* layout = new QVBoxLayout(&dialog);
    const auto label = [&](const std::string& text, const char* name, bool bold) {
        auto* l = new QLabel(Q(text), &dialog);
        l->setObjectName(QString::fromLatin1(name));
        l->setWordWrap(true);
        if (bold) l->setStyleSheet(QStringLiteral("font-weight: bold"));
        layout->addWidget(l);
    };
    label(q.title, "Title", true);
    label(q.text1, "Text1", false);
    label(q.text2, "Text2", false);
    auto* choices = new QGroupBox(&dialog);
    auto* choiceLayout = new QVBoxLayout(choices);
    auto* r1 = new QRadioButton(Q(q.R1.caption), choices);
    r1->setObjectName(Q(q.R1.name));
    r1->setChecked(q.R1.checked);
    auto* r2 = new QRadioButton(Q(q.R2.caption), choices);
    r2->setObjectName(Q(q.R2.name));
    r2->setChecked(q.R2.checked);
    choiceLayout->addWidget(r1);
    choiceLayout->addWidget(r2);
    layout->addWidget(choices);
    QObject::connect(r1, &QRadioButton::toggled, &dialog, [&q](bool on) { q.Select(on); });
    QPushButton* url = LinkButton(&dialog, q.URL);
    layout->addWidget(url);
    QObject::connect(url, &QPushButton::clicked, &dialog,
                     [&] { form.Run([&] { q.URLClick(form); }); });
    label(q.manualHeading, "ManualHeading", true);
    label(q.manualText, "ManualText", false);
    label(q.noteHeading, "NoteHeading", true);
    label(q.noteText, "NoteText", false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* close = Button(&dialog, q.Close);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.exec();
}

}  // namespace

void RegisterUpdateDialogs(QtWindowSystem& windows, TSimForm& form) {
    windows.dialogs["TPSetup"] = [&windows, &form] { ShowProgramSetup(form, windows.parent); };
    windows.dialogs["TProxyForm"] = [&windows, &form] { ShowProxyForm(form, windows.parent); };
    windows.dialogs["TAutoUpdateSelection"] = [&windows, &form] {
        ShowAutoUpdateSelection(form, windows.parent);
    };
    if (auto* update = dynamic_cast<QtUpdateComponent*>(&form.platform.update))
        update->parent = windows.parent;
}

}  // namespace qd::qt
