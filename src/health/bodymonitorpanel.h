#pragma once

#include "ui/look.h"

#include <QColor>
#include <QFrame>
#include <QList>

struct SmokeFreeTime;
class Picture;
class QLabel;
class QPushButton;

// The body monitor: seven meters that climb from "smoker" to "normal".
// Everything on it stands where its twips geometry says, at the screen's
// logical resolution, so it grows with the fonts and the scale factor.
class BodyMonitorPanel : public QFrame
{
    Q_OBJECT
public:
    explicit BodyMonitorPanel(QWidget *parent = nullptr);

    // One update of the meters from the smoke-free time as the counter shows it.
    void showMeters(const SmokeFreeTime &time);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    // Back shows only while the meters are looked at; shown before the panel
    // comes to the front, it is where the keyboard lands.
    void setBackShown(bool shown);

signals:
    // The doctor explains what the mouse is over.
    void explanation(const QString &text, look::Role colour);
    void backRequested();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void explainMeters();
    // The pointer over one of the seven meters, told apart by its index.
    void explainMeter(int index);
    // Puts every control where the geometry says at the current resolution.
    void placeControls();
    QRect toPixels(const QRectF &twips) const;
    // The meters stand in the middle of the panel, with room for the captions
    // left of them. In twips.
    double leftmostMeter() const;
    double firstMeterLeft() const;

    QList<Picture *> m_meters;
    QList<Picture *> m_markers;
    QList<double> m_markerTops; // twips, in the order of the meter table
    QLabel *m_normal;
    QLabel *m_smoker;
    QPushButton *m_back;
};
