#include "platform/qt/HelpViewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QPushButton>
#include <QVBoxLayout>

namespace qd::qt {

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (engine_ && name.scheme() == QLatin1String("qthelp")) {
        const QByteArray bytes = engine_->fileData(name);
        if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
            return QString::fromUtf8(bytes);
        return bytes;
    }
    return QTextBrowser::loadResource(type, name);
}

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("QD720 Programming Simulator Help"));
    resize(820, 640);

    browser_ = new HelpBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    // Links to other sites go to the desktop's browser.
    browser_->setOpenExternalLinks(true);

    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    back->setObjectName(QStringLiteral("HelpBack"));
    auto* contents = new QPushButton(QStringLiteral("C&ontents"), this);
    contents->setObjectName(QStringLiteral("HelpContents"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("HelpClose"));
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
    connect(contents, &QPushButton::clicked, this,
            [this] { Open(collection_, QStringLiteral("Welcome")); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);
}

HelpViewer::~HelpViewer() = default;

bool HelpViewer::Open(const QString& collectionFile, const QString& topic) {
    const QString file = QFileInfo(collectionFile).absoluteFilePath();
    if (!engine_ || collection_ != file) {
        browser_->SetEngine(nullptr);
        engine_.reset();
        collection_.clear();
        if (!QFileInfo(file).isFile()) return false;
        auto engine = std::make_unique<QHelpEngineCore>(file);
        // The program's folder may not be writable; the collection is only read.
        engine->setReadOnly(true);
        if (!engine->setupData()) return false;
        engine_ = std::move(engine);
        collection_ = file;
        browser_->SetEngine(engine_.get());
    }
    const QUrl page = FindPage(topic);
    if (!page.isValid() || engine_->fileData(page).isEmpty()) return false;
    browser_->setSource(page);
    return true;
}

QUrl HelpViewer::FindPage(const QString& topic) const {
    // "ProgramSetup", "ProgramSetup.htm" and "ProgramSetup.html" are one topic.
    QString id = topic;
    for (const char* suffix : {".html", ".htm"})
        if (id.endsWith(QLatin1String(suffix), Qt::CaseInsensitive)) {
            id.chop(static_cast<int>(qstrlen(suffix)));
            break;
        }
    const QList<QHelpLink> links = engine_->documentsForIdentifier(id);
    if (!links.isEmpty()) return links.first().url;
    const QString page = id + QStringLiteral(".html");
    for (const QString& ns : engine_->registeredDocumentations()) {
        const QList<QUrl> files = engine_->files(ns, QString(), QStringLiteral("html"));
        for (const QUrl& url : files)
            if (url.fileName().compare(page, Qt::CaseInsensitive) == 0) return url;
    }
    return {};
}

}  // namespace qd::qt
