#include "ui/picture.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>

void paintImage(QSvgRenderer &renderer, QPainter &painter, const QRect &area)
{
    if (!renderer.isValid())
        return;
    QSizeF size = renderer.defaultSize();
    size.scale(area.size(), Qt::KeepAspectRatio);
    const QRectF target(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2,
                        size.width(), size.height());
    renderer.render(&painter, target);
}

Picture::Picture(const QString &objectName, const QString &image, const QString &description, QWidget *parent)
    : QWidget(parent), m_renderer(new QSvgRenderer(this))
{
    setObjectName(objectName);
    setAccessibleDescription(description);
    setImage(image);
}

void Picture::setImage(const QString &image)
{
    m_image = image;
    m_renderer->load(image);
    update();
}

QSize Picture::sizeHint() const
{
    return m_renderer->isValid() ? m_renderer->defaultSize() : QSize(32, 32);
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintImage(*m_renderer, painter, rect());
}

void Picture::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QWidget::mouseMoveEvent(event);
}

PictureButton::PictureButton(const QString &objectName, const QString &image, const QString &description,
                             QWidget *parent)
    : QAbstractButton(parent), m_renderer(new QSvgRenderer(image, this))
{
    setObjectName(objectName);
    setAccessibleName(description);
    setAccessibleDescription(description);
    setToolTip(description);
    setCursor(Qt::WhatsThisCursor);
    setFocusPolicy(Qt::StrongFocus);
}

QSize PictureButton::sizeHint() const
{
    return m_renderer->isValid() ? m_renderer->defaultSize() : QSize(32, 32);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintImage(*m_renderer, painter, rect().adjusted(2, 2, -2, -2));
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
