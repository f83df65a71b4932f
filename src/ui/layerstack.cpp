#include "ui/layerstack.h"

#include <QEvent>

namespace {

bool takesTabFocus(const QWidget *widget)
{
    return widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus);
}

// The keyboard goes where a reader starts: the first control of the panel,
// or the panel itself when it is a control, like a document to read.
void focusFirstControl(QWidget *panel)
{
    if (takesTabFocus(panel)) {
        panel->setFocus(Qt::TabFocusReason);
        return;
    }
    for (QWidget *widget = panel->nextInFocusChain(); widget && widget != panel; widget = widget->nextInFocusChain()) {
        if (panel->isAncestorOf(widget) && takesTabFocus(widget)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace

LayerStack::LayerStack(QWidget *parent) : QWidget(parent)
{}

void LayerStack::addLayer(QWidget *panel, QWidget *under)
{
    if (panel->parentWidget() != this)
        panel->setParent(this);
    panel->setGeometry(rect());
    panel->setAutoFillBackground(true);
    panel->installEventFilter(this);
    const qsizetype place = under ? m_layers.indexOf(under) : -1;
    if (place >= 0) {
        panel->stackUnder(under);
        m_layers.insert(place, panel);
    } else {
        panel->raise();
        m_layers.append(panel);
    }
    if (!panel->isHidden())
        m_shown.insert(panel);
    updateCovering();
}

QWidget *LayerStack::topVisibleLayer() const
{
    for (auto it = m_layers.crbegin(); it != m_layers.crend(); ++it) {
        if (m_shown.contains(*it))
            return *it;
    }
    return nullptr;
}

bool LayerStack::isShown(const QWidget *panel) const
{
    return m_shown.contains(panel);
}

// The room the shown panels need. A hidden panel is not measured until it is
// shown: measuring means laying out every text on it.
QSize LayerStack::sizeHint() const
{
    QSize size(0, 0);
    for (const QWidget *layer : m_layers) {
        if (m_shown.contains(layer))
            size = size.expandedTo(layer->sizeHint());
    }
    return size;
}

QSize LayerStack::minimumSizeHint() const
{
    QSize size(0, 0);
    for (const QWidget *layer : m_layers) {
        if (m_shown.contains(layer))
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
    const bool shown = event->type() == QEvent::ShowToParent;
    if (!m_covering && (shown || event->type() == QEvent::HideToParent)) {
        auto *layer = static_cast<QWidget *>(watched);
        if (shown)
            m_shown.insert(layer);
        else
            m_shown.remove(layer);
        updateCovering();
        updateGeometry();
    }
    return QWidget::eventFilter(watched, event);
}

void LayerStack::updateCovering()
{
    QWidget *top = topVisibleLayer();
    m_covering = true;
    for (QWidget *layer : std::as_const(m_layers)) {
        const bool seen = layer == top;
        if (layer->isHidden() == seen)
            layer->setVisible(seen);
        // Qt ignores hide() on a panel it already counts as hidden on
        // purpose; a panel hidden only by being covered must still hear the
        // program hide it, so the stack forgets that it was shown.
        if (!seen)
            layer->setAttribute(Qt::WA_WState_ExplicitShowHide, false);
    }
    m_covering = false;
    if (top != m_front) {
        m_front = top;
        if (top && isVisible())
            focusFirstControl(top);
    }
}
