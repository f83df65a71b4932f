#include "ui/lazypage.h"

void LazyPage::ensurePanels()
{
    if (m_panelsBuilt)
        return;
    m_panelsBuilt = true;
    buildPanels();
    updateGeometry();
}

// Built before the page shows, the panels show with it as they would have.
void LazyPage::setVisible(bool visible)
{
    if (visible && m_buildWhenShown)
        ensurePanels();
    QWidget::setVisible(visible);
}

QSize LazyPage::sizeHint() const
{
    return m_panelsBuilt || !m_buildWhenShown ? QWidget::sizeHint() : QSize(0, 0);
}

QSize LazyPage::minimumSizeHint() const
{
    return m_panelsBuilt || !m_buildWhenShown ? QWidget::minimumSizeHint() : QSize(0, 0);
}
