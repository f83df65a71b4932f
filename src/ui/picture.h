#pragma once

#include <QAbstractButton>
#include <QWidget>

class QSvgRenderer;

// A picture drawn from one of the program's own vector images, crisp at any
// scale. It tells a screen reader what it shows through its description.
class Picture : public QWidget
{
    Q_OBJECT
public:
    Picture(const QString &objectName, const QString &image, const QString &description, QWidget *parent);

    void setImage(const QString &image);
    QString image() const { return m_image; }
    QSize sizeHint() const override;

signals:
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QString m_image;
    QSvgRenderer *m_renderer;
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
    QSvgRenderer *m_renderer;
};

// Draws an image into a rectangle, keeping its proportions, centred.
void paintImage(QSvgRenderer &renderer, QPainter &painter, const QRect &area);
