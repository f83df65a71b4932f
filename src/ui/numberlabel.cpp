#include "ui/numberlabel.h"

#include "ui/controls.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace {

// Enough for every second of a minute, kept to a few kilobytes.
constexpr qsizetype mostKept = 64;

} // namespace

NumberLabel::NumberLabel(QWidget *parent, const QString &objectName, const QString &text) : QLabel(text, parent)
{
    controls::nameLabel(this, objectName);
    setAutoFillBackground(true);
}

const QStaticText &NumberLabel::laidOut(const QString &text)
{
    auto found = m_laidOut.find(text);
    if (found == m_laidOut.end()) {
        if (m_laidOut.size() >= mostKept)
            m_laidOut.clear();
        QStaticText line(text);
        line.setTextFormat(Qt::PlainText);
        line.prepare(QTransform(), font());
        found = m_laidOut.insert(text, line);
    }
    return *found;
}

void NumberLabel::paintEvent(QPaintEvent *)
{
    const QStaticText &line = laidOut(text());
    const QRect area = QStyle::alignedRect(layoutDirection(), alignment(), line.size().toSize(), contentsRect());
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawStaticText(area.topLeft(), line);
}

void NumberLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_laidOut.clear();
    QLabel::changeEvent(event);
}
