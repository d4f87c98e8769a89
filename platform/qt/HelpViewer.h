// The program's own help window: the compiled help collection beside the
// program, shown page by page in a text browser.
#pragma once

#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>
#include <memory>

class QHelpEngineCore;

namespace qd::qt {

// Fetches the pages and their pictures and style sheets from the help engine.
class HelpBrowser : public QTextBrowser {
public:
    explicit HelpBrowser(QWidget* parent = nullptr) : QTextBrowser(parent) {}
    void SetEngine(QHelpEngineCore* engine) { engine_ = engine; }
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngineCore* engine_ = nullptr;
};

class HelpViewer : public QWidget {
public:
    explicit HelpViewer(QWidget* parent = nullptr);
    ~HelpViewer() override;

    // Opens the collection (once per file) and shows the topic's page; false
    // when the collection or the page cannot be found.
    bool Open(const QString& collectionFile, const QString& topic);

    HelpBrowser* Browser() const { return browser_; }
    // The page shown, "qthelp://..." .
    QUrl Page() const { return browser_->source(); }

private:
    QUrl FindPage(const QString& topic) const;

    std::unique_ptr<QHelpEngineCore> engine_;
    QString collection_;
    HelpBrowser* browser_;
};

}  // namespace qd::qt
