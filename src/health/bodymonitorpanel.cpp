#include "health/bodymonitorpanel.h"

#include "ui/controls.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

BodyMonitorPanel::BodyMonitorPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("frmbodyfunctions"));
    hide();
    m_back = controls::button(this, QStringLiteral("cmddocback"), tr("Back"));
    m_back->hide();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_back);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addLayout(buttons);
}

void BodyMonitorPanel::showMeters(const SmokeFreeTime &)
{
}
