#include "health/diseasepanel.h"

#include "ui/controls.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

DiseasePanel::DiseasePanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("frmdesstats"));
    hide();
    m_back = controls::button(this, QStringLiteral("cmddeseaseback"), tr("Back"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_back);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addLayout(buttons);
}

void DiseasePanel::showRisks(const SmokeFreeTime &)
{
}
