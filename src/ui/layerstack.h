#pragma once

#include <QList>
#include <QPointer>
#include <QSet>
#include <QWidget>

// Panels that lie in the same place, stacked from bottom to top. The program
// shows and hides panels as it always has; the stack then lets only the top
// shown panel be seen: the panels under it are hidden while they are covered,
// so neither the mouse, the keyboard nor a screen reader reaches them, and
// they come back as they were when the panel over them goes. Whether a panel
// is shown is asked of controls::isShown(), which knows about covering.
class LayerStack : public QWidget
{
    Q_OBJECT
public:
    explicit LayerStack(QWidget *parent = nullptr);

    // Adds a panel on top of those already added, or right under one of them.
    void addLayer(QWidget *panel, QWidget *under = nullptr);
    // The top panel the program shows: the one that can be seen.
    QWidget *topVisibleLayer() const;
    // Whether the program shows the panel, covered or not.
    bool isShown(const QWidget *panel) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateCovering();

    QList<QWidget *> m_layers;
    // The panels the program shows, whether they can be seen or are covered.
    QSet<const QWidget *> m_shown;
    // Set while the stack itself hides or shows its panels.
    bool m_covering = false;
    QPointer<QWidget> m_front;
};
