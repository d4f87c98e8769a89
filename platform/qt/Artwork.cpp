#include "platform/qt/Artwork.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>
#include <array>

namespace qd::qt {

uint8_t SegmentCodeOf(char c) {
    static constexpr std::array<uint8_t, 10> kDigits = {63, 6, 91, 79, 102, 109, 125, 7, 127, 103};
    if (c >= '0' && c <= '9') return kDigits[static_cast<size_t>(c - '0')];
    if (c == '-') return 64;
    return 0;
}

void DrawSegments(QPainter& p, const QRectF& r, uint8_t code, const QColor& lit,
                  const QColor& unlit) {
    // Segments are hexagons on a slanted grid, as on the real display.
    const double w = r.width(), h = r.height();
    const double t = std::min(w, h) * 0.16;  // stroke thickness
    const double slant = w * 0.12;
    const double x0 = r.left() + t * 0.5 + slant, x1 = r.right() - t * 0.5;
    const double yTop = r.top() + t * 0.5, yMid = r.center().y(), yBot = r.bottom() - t * 0.5;
    auto skew = [&](double x, double y) {
        // The top leans to the right.
        const double f = (yBot - y) / (yBot - yTop);
        return QPointF(x - slant + slant * f, y);
    };
    auto horizontal = [&](double y) {
        const double a = x0 + t * 0.6 - slant, b = x1 - t * 0.6 - slant;
        const double g = t * 0.5;
        return QPolygonF({skew(a + slant, y), skew(a + g + slant, y - g),
                          skew(b - g + slant, y - g), skew(b + slant, y),
                          skew(b - g + slant, y + g), skew(a + g + slant, y + g)});
    };
    auto vertical = [&](double x, double ya, double yb) {
        const double g = t * 0.5;
        ya += t * 0.6;
        yb -= t * 0.6;
        return QPolygonF({skew(x, ya), skew(x + g, ya + g), skew(x + g, yb - g), skew(x, yb),
                          skew(x - g, yb - g), skew(x - g, ya + g)});
    };
    const std::array<QPolygonF, 7> seg = {
        horizontal(yTop),                                // a
        vertical(x1, yTop, yMid),                        // b
        vertical(x1, yMid, yBot),                        // c
        horizontal(yBot),                                // d
        vertical(x0 - slant + 0.0 + slant, yMid, yBot),  // e
        vertical(x0, yTop, yMid),                        // f
        horizontal(yMid),                                // g
    };
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        p.setBrush((code >> i) & 1 ? lit : unlit);
        p.drawPolygon(seg[static_cast<size_t>(i)]);
    }
    p.restore();
}

void DrawSplash(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(r.topLeft(), r.bottomRight());
    bg.setColorAt(0, QColor(22, 48, 92));
    bg.setColorAt(1, QColor(8, 18, 38));
    p.fillRect(r, bg);
    // A small drive on the left.
    const QRectF drive(r.left() + 40, r.top() + 38, 130, 190);
    p.setBrush(QColor(58, 62, 70));
    p.setPen(QPen(QColor(150, 156, 166), 2));
    p.drawRoundedRect(drive, 10, 10);
    const QRectF lcd(drive.left() + 14, drive.top() + 18, drive.width() - 28, 40);
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(lcd, 4, 4);
    const char* text = "60.00";
    double x = lcd.left() + 6;
    for (int i = 0; i < 5; ++i) {
        if (text[i] == '.') continue;
        DrawSegments(p, QRectF(x, lcd.top() + 6, 18, 28), SegmentCodeOf(text[i]), kSegmentLit,
                     kSegmentUnlit);
        x += 24;
    }
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            p.setBrush(QColor(96, 100, 110));
            p.drawRoundedRect(
                QRectF(drive.left() + 16 + col * 34, drive.top() + 78 + row * 34, 28, 24), 4, 4);
        }
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(34);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(r.left() + 200, r.top() + 60, r.width() - 220, 50),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("QD720"));
    f.setPixelSize(24);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRectF(r.left() + 200, r.top() + 110, r.width() - 220, 36),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Programming Simulator"));
    f.setPixelSize(14);
    p.setFont(f);
    p.setPen(QColor(170, 190, 220));
    p.drawText(QRectF(r.left() + 200, r.top() + 190, r.width() - 220, 24),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Torvane  \u2022  Loading..."));
    p.restore();
}

namespace {
QRectF MotorBody(const QRectF& r) {
    const double h = r.height();
    return QRectF(r.left() + r.width() * 0.22, r.top() + h * 0.15, r.width() * 0.56, h * 0.62);
}
}  // namespace

QRectF MotorFanRect(const QRectF& r) {
    const QRectF body = MotorBody(r);
    return QRectF(body.right() - 2, body.top() + 4, r.right() - body.right(), body.height() - 8);
}

void DrawMotor(QPainter& p, const QRectF& r, double fanAngle, bool running) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double h = r.height();
    const QRectF body = MotorBody(r);
    // Feet.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 74, 80));
    p.drawRect(QRectF(body.left() + 8, body.bottom() - 2, 18, h * 0.14));
    p.drawRect(QRectF(body.right() - 26, body.bottom() - 2, 18, h * 0.14));
    p.drawRect(QRectF(body.left(), r.top() + h * 0.9, body.width(), h * 0.06));
    // Shaft.
    p.setBrush(QColor(180, 184, 190));
    p.drawRect(QRectF(r.left() + 2, body.center().y() - 5, body.left() - r.left(), 10));
    // Body with cooling fins.
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, QColor(64, 110, 170));
    g.setColorAt(0.45, QColor(120, 170, 225));
    g.setColorAt(1, QColor(30, 60, 110));
    p.setBrush(g);
    p.setPen(QPen(QColor(20, 40, 80), 1));
    p.drawRoundedRect(body, 6, 6);
    p.setPen(QPen(QColor(25, 50, 95, 160), 1.2));
    for (double y = body.top() + 6; y < body.bottom() - 4; y += 7)
        p.drawLine(QPointF(body.left() + 4, y), QPointF(body.right() - 4, y));
    // Terminal box.
    p.setPen(QPen(QColor(20, 40, 80), 1));
    p.setBrush(QColor(84, 130, 190));
    p.drawRect(QRectF(body.center().x() - 16, body.top() - h * 0.1, 32, h * 0.1));
    // Fan cover with the fan seen through it.
    const QRectF cover = MotorFanRect(r);
    p.setBrush(QColor(46, 50, 58));
    p.drawRoundedRect(cover, 8, 8);
    const QPointF c = cover.center();
    const double rad = std::min(cover.width(), cover.height()) * 0.42;
    p.setPen(Qt::NoPen);
    p.setBrush(running ? QColor(235, 235, 235) : QColor(170, 170, 170));
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(c);
        p.rotate(fanAngle + i * 90);
        QPainterPath blade;
        blade.moveTo(0, 0);
        blade.cubicTo(rad * 0.3, -rad * 0.35, rad * 0.9, -rad * 0.25, rad, 0);
        blade.cubicTo(rad * 0.8, rad * 0.15, rad * 0.3, rad * 0.15, 0, 0);
        p.drawPath(blade);
        p.restore();
    }
    p.setBrush(QColor(90, 94, 100));
    p.drawEllipse(c, rad * 0.18, rad * 0.18);
    p.setPen(QPen(QColor(20, 22, 26, 200), 1.5));
    p.setBrush(Qt::NoBrush);
    for (double d = 0.35; d < 1.01; d += 0.32) p.drawEllipse(c, rad * d, rad * d);
    p.restore();
}

namespace {
void DrawScrews(QPainter& p, const QRectF& row, const QStringList& labels) {
    const double step = row.width() / labels.size();
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    for (int i = 0; i < labels.size(); ++i) {
        const QRectF cell(row.left() + i * step, row.top(), step, row.height());
        const QPointF c(cell.center().x(), cell.top() + cell.height() * 0.35);
        const double rad = std::min(step, cell.height()) * 0.22;
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(200, 200, 196));
        p.drawEllipse(c, rad, rad);
        p.drawLine(QPointF(c.x() - rad * 0.7, c.y()), QPointF(c.x() + rad * 0.7, c.y()));
        p.setPen(Qt::white);
        p.drawText(QRectF(cell.left(), cell.bottom() - 14, cell.width(), 14), Qt::AlignCenter,
                   labels[i]);
    }
}
}  // namespace

void DrawTerminalBoard(QPainter& p, const QRectF& r, bool alternate) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(10, 50, 20), 1));
    p.setBrush(alternate ? QColor(24, 84, 60) : QColor(22, 96, 42));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    // Terminal block along the bottom edge.
    const QRectF block(r.left() + 8, r.bottom() - 40, r.width() - 16, 34);
    p.setBrush(QColor(30, 30, 34));
    p.drawRect(block);
    const QStringList labels =
        alternate
            ? QStringList{"SC", "S1", "S2", "S3", "S4", "S5", "S6", "H1", "HC", "A1", "A2",
                          "+V", "AC", "RP", "MP", "AM", "P1", "P2", "PC", "MA", "MB", "MC"}
            : QStringList{"SC", "S1", "S2", "S3", "S4", "S5", "S6", "S7", "HC", "H1", "A1", "A2",
                          "+V", "AC", "RP", "MP", "AM", "P1", "P2", "PC", "MA", "MB", "MC"};
    DrawScrews(p, block, labels);
    p.restore();
}

void DrawConnector(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(70, 72, 78));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 6, 6);
    const QRectF block(r.left() + 14, r.center().y() - 26, r.width() - 28, 52);
    p.setBrush(QColor(30, 30, 34));
    p.drawRect(block);
    DrawScrews(p, block,
               {"R/L1", "S/L2", "T/L3", "-", "+1", "+2", "B1", "B2", "U/T1", "V/T2", "W/T3"});
    p.setPen(Qt::white);
    p.drawText(QRectF(r.left(), r.top() + 8, r.width(), 20), Qt::AlignCenter,
               QStringLiteral("Main Circuit Terminals"));
    p.restore();
}

void DrawFacePlate(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(120, 124, 132));
    g.setColorAt(1, QColor(80, 84, 92));
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 8, 8);
    p.setPen(QPen(QColor(50, 52, 58), 1.2));
    for (double x = r.left() + 24; x < r.right() - 20; x += 10)
        p.drawLine(QPointF(x, r.top() + 30), QPointF(x, r.top() + 80));
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(18);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(r.left(), r.top() + 96, r.width(), 28), Qt::AlignCenter,
               QStringLiteral("QD720"));
    f.setPixelSize(11);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRectF(r.left(), r.top() + 124, r.width(), 20), Qt::AlignCenter,
               QStringLiteral("Compact AC Drive"));
    p.restore();
}

void DrawRj45(QPainter& p, const QRectF& r, bool open) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(66, 68, 74));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 6, 6);
    const QRectF port(r.center().x() - r.width() * 0.28, r.center().y() - r.height() * 0.22,
                      r.width() * 0.56, r.height() * 0.44);
    if (open) {
        p.setBrush(QColor(20, 20, 22));
        p.drawRect(port);
        p.setPen(QPen(QColor(212, 176, 60), 1.5));
        for (int i = 0; i < 8; ++i) {
            const double x = port.left() + port.width() * (i + 1) / 9.0;
            p.drawLine(QPointF(x, port.top() + 3), QPointF(x, port.top() + port.height() * 0.35));
        }
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(110, 112, 118));
        p.drawRect(QRectF(port.left(), r.top() + 6, port.width(), port.top() - r.top() - 10));
    } else {
        p.setBrush(QColor(110, 112, 118));
        p.drawRoundedRect(port.adjusted(-6, -6, 6, 6), 4, 4);
    }
    p.restore();
}

void DrawDocumentIcon(QPainter& p, const QRectF& r, const QColor& band, const char* tag) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double fold = r.width() * 0.3;
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    const QRectF b(r.left() - 2, r.center().y(), r.width() * 0.8, r.height() * 0.32);
    p.drawRoundedRect(b, 2, 2);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(std::max(7, static_cast<int>(r.height() * 0.22)));
    f.setBold(true);
    p.setFont(f);
    p.drawText(b, Qt::AlignCenter, QString::fromUtf8(tag));
    p.restore();
}

}  // namespace qd::qt
