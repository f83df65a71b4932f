#include "ui/speechbubble.h"

#include "ui/look.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

SpeechBubble::SpeechBubble(QWidget *parent) : QFrame(parent)
{}

void SpeechBubble::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(rect()).adjusted(12.5, 1.5, -1.5, -1.5);
    QPainterPath path;
    path.addRoundedRect(body, 14, 14);
    QPainterPath tail;
    const qreal y = std::min(body.top() + 30.0, body.center().y());
    tail.moveTo(body.left() + 1, y - 8);
    tail.lineTo(1.5, y);
    tail.lineTo(body.left() + 1, y + 8);
    tail.closeSubpath();
    path = path.united(tail);
    painter.setPen(QPen(look::colour(look::Role::BubbleRim), 2));
    painter.setBrush(look::colour(look::Role::BubbleFill));
    painter.drawPath(path);
}
