#include "output/Emblem.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace verdeval {

Emblem::Emblem(const QString &name, Kind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    setObjectName(name);
    setFixedSize(72, 72);
}

void Emblem::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    draw(p, rect(), m_kind);
}

void Emblem::draw(QPainter &p, const QRectF &r, Kind kind)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = r.adjusted(2, 2, -2, -2);
    const QPointF c = box.center();
    const double radius = std::min(box.width(), box.height()) / 2;
    p.setPen(QPen(QColor(0x00, 0x60, 0x00), 2));
    p.setBrush(QColor(0xF4, 0xF8, 0xE8));
    p.drawEllipse(c, radius, radius);
    if (kind == Kind::Sun) {
        const QPointF sun(c.x(), c.y() - radius * 0.15);
        p.setPen(QPen(QColor(0xE0, 0x90, 0x00), 2));
        for (int k = 0; k < 12; ++k) {
            const double a = k * M_PI / 6;
            p.drawLine(QPointF(sun.x() + std::cos(a) * radius * 0.32, sun.y() + std::sin(a) * radius * 0.32),
                       QPointF(sun.x() + std::cos(a) * radius * 0.5, sun.y() + std::sin(a) * radius * 0.5));
        }
        p.setBrush(QColor(0xFF, 0xC0, 0x20));
        p.drawEllipse(sun, radius * 0.25, radius * 0.25);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0x90, 0x30));
        QPainterPath field;
        field.moveTo(c.x() - radius * 0.85, c.y() + radius * 0.35);
        field.quadTo(c.x(), c.y() + radius * 0.1, c.x() + radius * 0.85, c.y() + radius * 0.35);
        field.arcTo(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), -20, -140);
        field.closeSubpath();
        p.drawPath(field);
    } else {
        QPainterPath leaf;
        leaf.moveTo(c.x() - radius * 0.55, c.y() + radius * 0.55);
        leaf.cubicTo(c.x() - radius * 0.6, c.y() - radius * 0.3, c.x() + radius * 0.1, c.y() - radius * 0.7,
                     c.x() + radius * 0.6, c.y() - radius * 0.6);
        leaf.cubicTo(c.x() + radius * 0.6, c.y() + radius * 0.1, c.x() + radius * 0.1, c.y() + radius * 0.6,
                     c.x() - radius * 0.55, c.y() + radius * 0.55);
        p.setPen(QPen(QColor(0x00, 0x60, 0x00), 1.5));
        p.setBrush(QColor(0x40, 0xA0, 0x40));
        p.drawPath(leaf);
        p.setPen(QPen(QColor(0xE8, 0xF5, 0xE0), 1.5));
        p.drawLine(QPointF(c.x() - radius * 0.5, c.y() + radius * 0.5), QPointF(c.x() + radius * 0.45, c.y() - radius * 0.45));
        // Three drops of rain.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0x70, 0xD0));
        for (int k = 0; k < 3; ++k)
            p.drawEllipse(QPointF(c.x() + radius * (0.25 + 0.18 * k), c.y() + radius * (0.25 + 0.12 * (k % 2))),
                          radius * 0.07, radius * 0.1);
    }
    p.restore();
}

} // namespace verdeval
