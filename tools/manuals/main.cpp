// qd720-manuals: writes the three PDF manuals that ship beside the simulator.
//
//   qd720-manuals <manual sources folder> <output folder>
//
// Each manual is an HTML page of the sources folder laid out by QTextDocument
// and printed page by page into a QPdfWriter, with a running footer. The
// Technical Manual's reference chapters are generated from the drive data, and
// the Cheat Sheet must fit on exactly one page or the build fails.
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextStream>
#include <cstdio>
#include <exception>
#include <string>

#include "core/DriveData.h"
#include "tools/manuals/CatalogueChapters.h"

namespace qd::qt {
namespace {

struct Manual {
    const char* source;    // HTML file in the sources folder
    const char* fileName;  // PDF written to the output folder
    const char* title;
    bool singlePage;
};

constexpr Manual kManuals[] = {
    {"quick-start.html", "DOCQ482157300.PDF", "QD720 Quick Start Guide", false},
    {"cheat-sheet.html", "TM.QD720.01.PDF", "QD720 Cheat Sheet", true},
    {"technical-manual.html", "DOCR6630915.PDF", "QD720 Technical Manual", false},
};

// Layout happens in CSS pixels (96 per inch); the painter scales to the writer.
constexpr double kLayoutDpi = 96.0;
constexpr double kFooterHeight = 26.0;  // layout pixels kept free below the text

bool ReadText(const QString& path, QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    text = QString::fromUtf8(file.readAll());
    return true;
}

QString Expand(QString html, const DriveData& data) {
    html.replace(QLatin1String("<!-- catalogue:parameters -->"), ParameterChapter(data));
    html.replace(QLatin1String("<!-- catalogue:basic-parameters -->"), BasicParameterTable(data));
    html.replace(QLatin1String("<!-- catalogue:monitors -->"), MonitorChapter(data));
    html.replace(QLatin1String("<!-- catalogue:faults -->"), FaultChapter(data));
    html.replace(QLatin1String("<!-- catalogue:settings -->"), SettingTextChapter());
    return html;
}

// Returns the number of pages written, 0 on failure.
int WritePdf(const Manual& m, const QString& html, const QString& css, const QString& path) {
    QPdfWriter writer(path);
    writer.setResolution(300);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(16, 14, 16, 12), QPageLayout::Millimeter);
    writer.setTitle(QString::fromLatin1(m.title));
    writer.setCreator(QStringLiteral("QD720 Programming Simulator"));

    const QRectF paint = writer.pageLayout().paintRect(QPageLayout::Inch);
    const QSizeF body(paint.width() * kLayoutDpi, paint.height() * kLayoutDpi - kFooterHeight);

    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    doc.setDefaultStyleSheet(css);
    doc.setDocumentMargin(0);
    doc.setHtml(html);
    doc.setPageSize(body);
    const int pages = doc.pageCount();

    QPainter painter;
    if (!painter.begin(&writer)) return 0;
    const double scale = writer.resolution() / kLayoutDpi;
    // The painter is scaled to layout pixels, so the footer font is sized in them.
    QFont footerFont(QStringLiteral("DejaVu Sans"));
    footerFont.setPixelSize(9);
    for (int page = 0; page < pages; ++page) {
        if (page > 0) writer.newPage();
        painter.save();
        painter.scale(scale, scale);
        painter.save();
        painter.translate(0, -page * body.height());
        doc.drawContents(&painter, QRectF(0, page * body.height(), body.width(), body.height()));
        painter.restore();
        const double y = body.height() + 8;
        painter.setPen(QPen(QColor(0x8a, 0x94, 0xa6), 0.6));
        painter.drawLine(QPointF(0, y), QPointF(body.width(), y));
        painter.setPen(QColor(0x44, 0x4c, 0x5c));
        painter.setFont(footerFont);
        const QRectF line(0, y + 2, body.width(), kFooterHeight - 10);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%1 · QD720 Programming Simulator 1.00.600")
                             .arg(QString::fromLatin1(m.title)));
        if (pages > 1) {
            painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
                             QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
        }
        painter.restore();
    }
    painter.end();
    return pages;
}

int Run(const QString& sources, const QString& output) {
    static DriveData data;  // large; built once like the simulator's own
    InitialiseDriveData(data, (output + QStringLiteral("/qd720-manuals")).toStdString());

    QString css;
    if (!ReadText(sources + QStringLiteral("/manual.css"), css)) {
        std::fprintf(stderr, "qd720-manuals: cannot read manual.css in %s\n", qPrintable(sources));
        return 1;
    }
    for (const Manual& m : kManuals) {
        QString html;
        const QString source = sources + QLatin1Char('/') + QString::fromLatin1(m.source);
        if (!ReadText(source, html)) {
            std::fprintf(stderr, "qd720-manuals: cannot read %s\n", qPrintable(source));
            return 1;
        }
        const QString path = output + QLatin1Char('/') + QString::fromLatin1(m.fileName);
        const int pages = WritePdf(m, Expand(html, data), css, path);
        if (pages == 0) {
            std::fprintf(stderr, "qd720-manuals: cannot write %s\n", qPrintable(path));
            return 1;
        }
        if (m.singlePage && pages != 1) {
            std::fprintf(stderr, "qd720-manuals: %s must fit on one page but takes %d\n", m.title,
                         pages);
            QFile::remove(path);
            return 1;
        }
    }
    return 0;
}

}  // namespace
}  // namespace qd::qt

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: qd720-manuals <manual sources folder> <output folder>\n", stderr);
        return 2;
    }
    try {
        return qd::qt::Run(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qd720-manuals: %s\n", e.what());
        return 1;
    }
}
