#include "app/SplashPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace verdeval {

SplashPicture::SplashPicture(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setMinimumSize(360, 220);
    setMaximumSize(560, 340);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SplashPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect().adjusted(1, 1, -1, -1);

    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(0x7F, 0xB8, 0xE8));
    sky.setColorAt(0.6, QColor(0xD8, 0xEC, 0xF8));
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 2));
    p.setBrush(sky);
    p.drawRoundedRect(r, 10, 10);
    p.setClipRect(r.adjusted(1, 1, -1, -1));

    // Sun with rays.
    const QPointF sun(r.left() + r.width() * 0.78, r.top() + r.height() * 0.26);
    const double sr = r.height() * 0.11;
    p.setPen(QPen(QColor(0xF0, 0xA0, 0x00), 3));
    for (int k = 0; k < 16; ++k) {
        const double a = k * M_PI / 8;
        p.drawLine(QPointF(sun.x() + std::cos(a) * sr * 1.3, sun.y() + std::sin(a) * sr * 1.3),
                   QPointF(sun.x() + std::cos(a) * sr * 1.8, sun.y() + std::sin(a) * sr * 1.8));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xC8, 0x30));
    p.drawEllipse(sun, sr, sr);

    // Rolling fields with furrows.
    const QColor fields[] = {QColor(0x6A, 0xA8, 0x3A), QColor(0x4C, 0x8C, 0x2C), QColor(0xB8, 0x9A, 0x50)};
    for (int k = 0; k < 3; ++k) {
        QPainterPath hill;
        const double y = r.top() + r.height() * (0.58 + 0.13 * k);
        hill.moveTo(r.left(), y);
        hill.cubicTo(r.left() + r.width() * 0.3, y - r.height() * 0.08, r.left() + r.width() * 0.6,
                     y + r.height() * 0.06, r.right(), y - r.height() * 0.03);
        hill.lineTo(r.bottomRight());
        hill.lineTo(r.bottomLeft());
        hill.closeSubpath();
        p.setBrush(fields[k]);
        p.drawPath(hill);
    }
    p.setPen(QPen(QColor(0x3A, 0x6A, 0x20), 1.5));
    for (int k = 0; k < 9; ++k) {
        const double x = r.left() + r.width() * (0.05 + k * 0.11);
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.width() * 0.08, r.top() + r.height() * 0.74));
    }

    // Thermometer.
    const QRectF tube(r.left() + r.width() * 0.12, r.top() + r.height() * 0.14, r.width() * 0.035, r.height() * 0.42);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(tube, tube.width() / 2, tube.width() / 2);
    p.setBrush(QColor(0xD0, 0x20, 0x20));
    p.drawEllipse(QPointF(tube.center().x(), tube.bottom()), tube.width() * 0.9, tube.width() * 0.9);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(tube.left() + tube.width() * 0.3, tube.top() + tube.height() * 0.35, tube.width() * 0.4,
                      tube.height() * 0.65));

    // Rain gauge.
    const QRectF gauge(r.left() + r.width() * 0.24, r.top() + r.height() * 0.3, r.width() * 0.07, r.height() * 0.26);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 2));
    p.setBrush(QColor(0xE8, 0xE8, 0xF0));
    p.drawRect(gauge);
    p.setBrush(QColor(0x30, 0x70, 0xD0));
    p.drawRect(QRectF(gauge.left(), gauge.top() + gauge.height() * 0.55, gauge.width(), gauge.height() * 0.45));
    QPainterPath funnel;
    funnel.moveTo(gauge.left() - gauge.width() * 0.25, gauge.top() - gauge.height() * 0.15);
    funnel.lineTo(gauge.right() + gauge.width() * 0.25, gauge.top() - gauge.height() * 0.15);
    funnel.lineTo(gauge.right(), gauge.top());
    funnel.lineTo(gauge.left(), gauge.top());
    funnel.closeSubpath();
    p.setBrush(QColor(0xC0, 0xC0, 0xD0));
    p.drawPath(funnel);
}

} // namespace verdeval
