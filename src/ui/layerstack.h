#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// Panels that lie in the same place, stacked from bottom to top. A shown
// panel hides every panel under it, and the panels it covers cannot take the
// keyboard focus or the mouse. Showing and hiding stay plain visibility: a
// hidden panel keeps its content and the state of its controls.
class LayerStack : public QWidget
{
    Q_OBJECT
public:
    explicit LayerStack(QWidget *parent = nullptr);

    // Adds a panel on top of those already added.
    void addLayer(QWidget *panel);
    QWidget *topVisibleLayer() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateCovering();

    QList<QWidget *> m_layers;
    QList<QPointer<QWidget>> m_disabledByCover;
};
