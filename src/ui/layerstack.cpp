#include "ui/layerstack.h"

#include <QEvent>

LayerStack::LayerStack(QWidget *parent) : QWidget(parent)
{}

void LayerStack::addLayer(QWidget *panel)
{
    if (panel->parentWidget() != this)
        panel->setParent(this);
    panel->setGeometry(rect());
    panel->setAutoFillBackground(true);
    panel->raise();
    panel->installEventFilter(this);
    m_layers.append(panel);
    updateCovering();
}

QWidget *LayerStack::topVisibleLayer() const
{
    for (auto it = m_layers.crbegin(); it != m_layers.crend(); ++it) {
        if (!(*it)->isHidden())
            return *it;
    }
    return nullptr;
}

// The room the shown panels need. A hidden panel is not measured until it is
// shown: measuring means laying out every text on it.
QSize LayerStack::sizeHint() const
{
    QSize size(0, 0);
    for (const QWidget *layer : m_layers) {
        if (!layer->isHidden())
            size = size.expandedTo(layer->sizeHint());
    }
    return size;
}

QSize LayerStack::minimumSizeHint() const
{
    QSize size(0, 0);
    for (const QWidget *layer : m_layers) {
        if (!layer->isHidden())
            size = size.expandedTo(layer->minimumSizeHint());
    }
    return size;
}

void LayerStack::resizeEvent(QResizeEvent *)
{
    for (QWidget *layer : std::as_const(m_layers))
        layer->setGeometry(rect());
}

bool LayerStack::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
        updateCovering();
        updateGeometry();
    }
    return QWidget::eventFilter(watched, event);
}

void LayerStack::updateCovering()
{
    const QWidget *top = topVisibleLayer();
    bool covered = false;
    for (auto it = m_layers.crbegin(); it != m_layers.crend(); ++it) {
        QWidget *layer = *it;
        const bool wasDisabledByCover = m_disabledByCover.contains(layer);
        if (covered && !layer->testAttribute(Qt::WA_ForceDisabled) && !wasDisabledByCover) {
            layer->setEnabled(false);
            m_disabledByCover.append(layer);
        } else if (!covered && wasDisabledByCover) {
            m_disabledByCover.removeAll(layer);
            layer->setEnabled(true);
        }
        if (layer == top)
            covered = true;
    }
}
