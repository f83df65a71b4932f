#include "ui/picture.h"

#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>

void SharedImage::setPath(const QString &path)
{
    m_path = path;
    m_renderer = nullptr;
}

QSvgRenderer &SharedImage::renderer() const
{
    if (!m_renderer) {
        static QHash<QString, QPointer<QSvgRenderer>> renderers;
        QPointer<QSvgRenderer> &shared = renderers[m_path];
        if (!shared)
            shared = new QSvgRenderer(m_path, QCoreApplication::instance());
        m_renderer = shared;
    }
    return *m_renderer;
}

QSize SharedImage::size() const
{
    return renderer().isValid() ? renderer().defaultSize() : QSize(32, 32);
}

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
    : QWidget(parent), m_image(image)
{
    setObjectName(objectName);
    setAccessibleDescription(description);
}

void Picture::setImage(const QString &image)
{
    m_image.setPath(image);
    update();
}

QSize Picture::sizeHint() const
{
    return m_image.size();
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintImage(m_image.renderer(), painter, rect());
}

void Picture::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QWidget::mouseMoveEvent(event);
}

PictureButton::PictureButton(const QString &objectName, const QString &image, const QString &description,
                             QWidget *parent)
    : QAbstractButton(parent), m_image(image)
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
    return m_image.size();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintImage(m_image.renderer(), painter, rect().adjusted(2, 2, -2, -2));
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
