// The program's own pictures, drawn as vectors so they stay sharp at any
// device pixel ratio.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <cstdint>

namespace qd::qt {

inline const QColor kSegmentLit{255, 40, 32};
inline const QColor kSegmentUnlit{62, 14, 12};

// One seven-segment character (bit 0 = a ... bit 6 = g) inside `r`.
void DrawSegments(QPainter& p, const QRectF& r, uint8_t code, const QColor& lit,
                  const QColor& unlit);
// The code of a digit or '-' or ' ' through the display's font.
uint8_t SegmentCodeOf(char c);

void DrawSplash(QPainter& p, const QRectF& r);
void DrawMotor(QPainter& p, const QRectF& r, double fanAngle, bool running);
// Where DrawMotor puts the fan: all a turn of the fan repaints.
QRectF MotorFanRect(const QRectF& r);
void DrawTerminalBoard(QPainter& p, const QRectF& r, bool alternate);
void DrawConnector(QPainter& p, const QRectF& r);
void DrawFacePlate(QPainter& p, const QRectF& r);
void DrawRj45(QPainter& p, const QRectF& r, bool open);
void DrawDocumentIcon(QPainter& p, const QRectF& r, const QColor& band, const char* tag);

}  // namespace qd::qt
