#include "ui/picture.h"

#include "ui/look.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOption>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>

#include <algorithm>

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

namespace {

class PictureIconEngine : public QIconEngine
{
public:
    explicit PictureIconEngine(const QString &image) : m_image(image) {}

    QIconEngine *clone() const override { return new PictureIconEngine(m_image.path()); }

    // The window manager gets these sizes of the window's icon.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {{16, 16}, {32, 32}, {64, 64}}; }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const quint64 key = quint64(size.width()) << 32 | quint64(size.height()) << 8 | quint64(mode);
        if (const auto found = m_drawn.constFind(key); found != m_drawn.cend())
            return *found;
        QPixmap drawn(size);
        drawn.fill(Qt::transparent);
        {
            QPainter painter(&drawn);
            painter.setRenderHint(QPainter::Antialiasing);
            paintImage(m_image.renderer(), painter, QRect(QPoint(0, 0), size));
        }
        if (mode != QIcon::Normal) {
            QStyleOption option;
            option.palette = QApplication::palette();
            drawn = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
        }
        m_drawn.insert(key, drawn);
        return drawn;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device()->devicePixelRatio();
        QPixmap drawn = pixmap(rect.size() * scale, mode, state);
        drawn.setDevicePixelRatio(scale);
        painter->drawPixmap(rect, drawn);
    }

private:
    SharedImage m_image;
    QHash<quint64, QPixmap> m_drawn;
};

} // namespace

QIcon pictureIcon(const QString &image)
{
    return QIcon(new PictureIconEngine(image));
}

namespace {

QRectF imageArea(const QSvgRenderer &renderer, const QRect &area)
{
    QSizeF size = renderer.defaultSize();
    size.scale(area.size(), Qt::KeepAspectRatio);
    return {area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2, size.width(),
            size.height()};
}

// The pictures were drawn for a light window; on a dark one their dark
// outlines would vanish, so they lie on a light card there.
void paintBackdrop(QPainter &painter, const QRectF &image)
{
    const QColor backdrop = look::colour(look::Role::Backdrop);
    if (backdrop.alpha() == 0)
        return;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(backdrop);
    const qreal radius = std::min(image.width(), image.height()) / 6;
    painter.drawRoundedRect(image, radius, radius);
    painter.restore();
}

} // namespace

void paintImage(QSvgRenderer &renderer, QPainter &painter, const QRect &area)
{
    if (!renderer.isValid())
        return;
    renderer.render(&painter, imageArea(renderer, area));
}

Picture::Picture(const QString &objectName, const QString &image, const QString &description, QWidget *parent)
    : QWidget(parent), m_image(image)
{
    setObjectName(objectName);
    setAccessibleDescription(description);
}

void Picture::setBackdropShown(bool shown)
{
    m_backdrop = shown;
    update();
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
    if (m_backdrop && m_image.renderer().isValid())
        paintBackdrop(painter, imageArea(m_image.renderer(), rect()));
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
    if (m_image.renderer().isValid())
        paintBackdrop(painter, imageArea(m_image.renderer(), rect()));
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
