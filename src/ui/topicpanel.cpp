#include "ui/topicpanel.h"

#include "ui/controls.h"
#include "ui/documentbox.h"
#include "ui/layerstack.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TopicPanel::TopicPanel(QWidget *parent, const Names &names, QWidget *topics) : QFrame(parent)
{
    setObjectName(names.panel);
    hide();

    auto *area = new LayerStack(this);
    m_box = new DocumentBox(area, names.box, names.boxText);
    m_box->setAccessibleName(names.boxTitle);
    m_box->hide();
    area->addLayer(topics);
    area->addLayer(m_box);

    m_ok = controls::button(this, names.ok, tr("Ok"));
    m_ok->hide();
    m_back = controls::button(this, names.back, tr("Back"));

    m_buttons = new QHBoxLayout;
    m_buttons->addStretch(1);
    m_buttons->addWidget(m_ok);
    m_buttons->addStretch(1);
    m_buttons->addWidget(m_back);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(area, 1);
    layout->addLayout(m_buttons);
}

void TopicPanel::addLeftButton(QPushButton *button)
{
    m_buttons->insertWidget(0, button);
    // The keyboard reads the bottom row from the left, like the eye.
    setTabOrder(button, m_ok);
    setTabOrder(m_ok, m_back);
}

void TopicPanel::showDocument()
{
    m_box->show();
    m_back->hide();
    m_ok->show();
}

void TopicPanel::showTopics()
{
    m_box->hide();
    m_back->show();
    m_ok->hide();
}
