#include "app/qt/button_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <cmath>
#include <numbers>

#include "graphics/palette.h"

namespace zentrel {
namespace {

constexpr int kSide = 32;
const QColor kInk(40, 40, 40);
const QColor kCurve(20, 90, 200);

using Drawing = void (*)(QPainter&);

QIcon drawn(Drawing drawing, QSize size = {kSide, kSide}) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kInk, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    drawing(painter);
    return QIcon(pixmap);
}

// y = sin x across the picture, between x0 and x1.
QPainterPath sineCurve(double x0, double x1, double middle, double height) {
    QPainterPath path;
    for (int i = 0; i <= 40; ++i) {
        const double x = x0 + (x1 - x0) * i / 40.0;
        const double y = middle - height * std::sin((x - x0) / (x1 - x0) * 2 * std::numbers::pi);
        if (i == 0) {
            path.moveTo(x, y);
        } else {
            path.lineTo(x, y);
        }
    }
    return path;
}

void drawAxes(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.drawLine(QPointF(3, 16), QPointF(29, 16));
    p.drawLine(QPointF(16, 3), QPointF(16, 29));
}

void drawCurve(QPainter& p, const QPainterPath& path) {
    p.setPen(QPen(kCurve, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void traceTool(QPainter& p) {
    p.drawLine(QPointF(16, 3), QPointF(16, 29));
    p.drawLine(QPointF(3, 16), QPointF(29, 16));
    p.setPen(QPen(kCurve, 2.5));
    p.drawEllipse(QPointF(16, 16), 6, 6);
}

void handTool(QPainter& p) {
    p.drawLine(QPointF(16, 4), QPointF(16, 28));
    p.drawLine(QPointF(4, 16), QPointF(28, 16));
    for (const auto& [tip, a, b] : {std::array<QPointF, 3>{{{16, 3}, {12, 8}, {20, 8}}},
                                    std::array<QPointF, 3>{{{16, 29}, {12, 24}, {20, 24}}},
                                    std::array<QPointF, 3>{{{3, 16}, {8, 12}, {8, 20}}},
                                    std::array<QPointF, 3>{{{29, 16}, {24, 12}, {24, 20}}}}) {
        p.drawLine(tip, a);
        p.drawLine(tip, b);
    }
}

void boxZoomTool(QPainter& p) {
    p.setPen(QPen(kInk, 2.0, Qt::DashLine));
    p.drawRect(QRectF(4, 4, 18, 14));
    p.setPen(QPen(kCurve, 2.5));
    p.drawEllipse(QPointF(19, 19), 6, 6);
    p.drawLine(QPointF(23.5, 23.5), QPointF(29, 29));
}

void windowSettings(QPainter& p) {
    p.drawRect(QRectF(4, 6, 24, 20));
    p.drawLine(QPointF(4, 11), QPointF(28, 11));
    p.setPen(QPen(kInk, 1.0));
    p.drawLine(QPointF(16, 13), QPointF(16, 24));
    p.drawLine(QPointF(6, 19), QPointF(26, 19));
}

void drawGraph(QPainter& p) {
    drawAxes(p);
    drawCurve(p, sineCurve(3, 29, 16, 10));
}

void clearGraph(QPainter& p) {
    p.drawRect(QRectF(4, 4, 24, 24));
    p.setPen(QPen(QColor(190, 30, 30), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(22, 22));
    p.drawLine(QPointF(22, 10), QPointF(10, 22));
}

void table(QPainter& p) {
    p.drawRect(QRectF(4, 5, 24, 22));
    p.setPen(QPen(kInk, 1.2));
    for (double y : {11.0, 16.5, 22.0})
        p.drawLine(QPointF(4, y), QPointF(28, y));
    p.drawLine(QPointF(14, 5), QPointF(14, 27));
}

void registerPoint(QPainter& p) {
    table(p);
    p.setPen(QPen(kCurve, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(23, 16), QPointF(23, 28));
    p.drawLine(QPointF(17, 22), QPointF(29, 22));
}

void settings(QPainter& p) {
    p.setPen(QPen(kInk, 3.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4;
        p.drawLine(QPointF(16 + 9 * std::cos(a), 16 + 9 * std::sin(a)),
                   QPointF(16 + 13 * std::cos(a), 16 + 13 * std::sin(a)));
    }
    p.setPen(QPen(kInk, 2.5));
    p.drawEllipse(QPointF(16, 16), 8, 8);
    p.drawEllipse(QPointF(16, 16), 3, 3);
}

struct PictureRow {
    ControlId id;
    Drawing drawing;
};
constexpr std::array<PictureRow, 10> kPictures{{
    {ControlId::TraceTool, traceTool},
    {ControlId::HandTool, handTool},
    {ControlId::BoxZoomTool, boxZoomTool},
    {ControlId::WindowButton, windowSettings},
    {ControlId::DrawButton, drawGraph},
    {ControlId::ClearButton, clearGraph},
    {ControlId::ClearKey, clearGraph},
    {ControlId::ShowTableButton, table},
    {ControlId::RegisterButton, registerPoint},
    {ControlId::SettingsButton, settings},
}};

// Scale marks of a logarithmic axis: 1, 2, ..., 9 of two decades.
void logMarks(QPainter& p, bool horizontal) {
    p.setPen(QPen(kInk, 1.0));
    for (int decade = 0; decade < 2; ++decade) {
        for (int k = 1; k <= 9; ++k) {
            const double at = 4 + 12 * decade + 12 * std::log10(k);
            if (horizontal) {
                p.drawLine(QPointF(at, 27), QPointF(at, k == 1 ? 23 : 25));
            } else {
                p.drawLine(QPointF(5, 28 - at), QPointF(k == 1 ? 9 : 7, 28 - at));
            }
        }
    }
}

void rectangular(QPainter& p, bool logX, bool logY) {
    p.setPen(QPen(kInk, 1.5));
    p.drawLine(QPointF(4, 28), QPointF(29, 28));
    p.drawLine(QPointF(4, 3), QPointF(4, 28));
    if (logX) logMarks(p, true);
    if (logY) logMarks(p, false);
    QPainterPath path;
    path.moveTo(6, 26);
    path.cubicTo(14, 24, 20, 16, 28, 5);
    drawCurve(p, path);
}

void parametric(QPainter& p) {
    drawAxes(p);
    QPainterPath path;
    for (int i = 0; i <= 60; ++i) {
        const double t = i * 2 * std::numbers::pi / 60;
        const QPointF point(16 + 11 * std::cos(3 * t), 16 - 11 * std::sin(2 * t));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    drawCurve(p, path);
}

void polar(QPainter& p) {
    p.setPen(QPen(kInk, 1.0));
    p.drawEllipse(QPointF(16, 16), 12, 12);
    p.drawEllipse(QPointF(16, 16), 6, 6);
    p.drawLine(QPointF(3, 16), QPointF(29, 16));
    p.drawLine(QPointF(16, 3), QPointF(16, 29));
    QPainterPath path;
    for (int i = 0; i <= 80; ++i) {
        const double t = i * 4 * std::numbers::pi / 80;
        const double r = 1.0 * t;
        const QPointF point(16 + r * std::cos(t), 16 - r * std::sin(t));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    drawCurve(p, path);
}

}  // namespace

QIcon controlPicture(ControlId id) {
    for (const PictureRow& row : kPictures) {
        if (row.id == id) return drawn(row.drawing);
    }
    return {};
}

QIcon colourSwatch(std::int32_t choice) {
    const Rgb colour = standardPalette()[paletteIndex(static_cast<ColourChoice>(choice))];
    QPixmap pixmap(48, 24);
    pixmap.fill(QColor(colour.r, colour.g, colour.b));
    QPainter painter(&pixmap);
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.drawRect(0, 0, 47, 23);
    return QIcon(pixmap);
}

QIcon coordinatePicture(std::int32_t index) {
    static constexpr std::array<Drawing, 6> kDrawings{
        [](QPainter& p) { rectangular(p, false, false); },
        [](QPainter& p) { rectangular(p, true, false); },
        [](QPainter& p) { rectangular(p, false, true); },
        [](QPainter& p) { rectangular(p, true, true); },
        parametric,
        polar,
    };
    if (index < 0 || static_cast<std::size_t>(index) >= kDrawings.size()) return {};
    return drawn(kDrawings[static_cast<std::size_t>(index)]);
}

}  // namespace zentrel
