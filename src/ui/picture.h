#pragma once

#include <QAbstractButton>
#include <QIcon>
#include <QWidget>

class QSvgRenderer;

// One of the program's vector images, read when it is first drawn or
// measured, not when a panel is built. Every picture of the same image shares
// one renderer: ten stars read the star once.
class SharedImage
{
public:
    explicit SharedImage(QString path) : m_path(std::move(path)) {}

    const QString &path() const { return m_path; }
    void setPath(const QString &path);
    QSvgRenderer &renderer() const;
    // The image's own size, or a small square where it cannot be read.
    QSize size() const;

private:
    QString m_path;
    mutable QSvgRenderer *m_renderer = nullptr;
};

// A picture drawn from one of the program's own vector images, crisp at any
// scale. It tells a screen reader what it shows through its description.
class Picture : public QWidget
{
    Q_OBJECT
public:
    Picture(const QString &objectName, const QString &image, const QString &description, QWidget *parent);

    void setImage(const QString &image);
    QString image() const { return m_image.path(); }
    // A picture that lies over another needs no card of its own in the dark look.
    void setBackdropShown(bool shown);
    QSize sizeHint() const override;

signals:
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    SharedImage m_image;
    bool m_backdrop = true;
};

// A picture the user can click: it shows the pointer with a question mark,
// takes the keyboard focus and answers Space and Enter like a button.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    PictureButton(const QString &objectName, const QString &image, const QString &description, QWidget *parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    SharedImage m_image;
};

// An icon drawn from one of the program's images by the program itself, so
// no icon plugin is loaded at start-up.
QIcon pictureIcon(const QString &image);

// Draws an image into a rectangle, keeping its proportions, centred.
void paintImage(QSvgRenderer &renderer, QPainter &painter, const QRect &area);
