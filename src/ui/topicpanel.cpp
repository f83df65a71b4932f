#include "ui/topicpanel.h"

#include "ui/buttongrid.h"
#include "ui/controls.h"
#include "ui/documentbox.h"
#include "ui/layerstack.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TopicPanel::TopicPanel(QWidget *parent, const Names &names, QWidget *topics) : QFrame(parent)
{
    build(names, topics);
}

TopicPanel::TopicPanel(QWidget *parent, const Names &names, const TopicTable &table, const Environment &environment)
    : QFrame(parent), m_table(&table), m_environment(&environment)
{
    m_grid = new ButtonGrid(nullptr, table.context);
    for (const Topic &topic : table.topics) {
        QPushButton *button = m_grid->addButton(topic.button);
        connect(button, &QPushButton::clicked, this, [this, &topic] { openTopic(topic); });
    }
    build(names, m_grid);
}

void TopicPanel::build(const Names &names, QWidget *topics)
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
    connect(m_ok, &QPushButton::clicked, this, [this] {
        showTopics();
        if (m_table && m_table->emptyBoxAfterReading)
            m_box->setText(QString());
        emit readingDone();
    });
    connect(m_back, &QPushButton::clicked, this, &TopicPanel::backRequested);

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

void TopicPanel::openTopic(const Topic &topic)
{
    showDocumentFile(m_table->documentPath(*m_environment, topic));
    emit topicOpened(topic.sentence ? QCoreApplication::translate(m_table->context, topic.sentence) : QString());
}

void TopicPanel::addToGrid(QWidget *widget, int row, int column)
{
    m_grid->addWidget(widget, row, column);
}

void TopicPanel::addLeftButton(QPushButton *button)
{
    m_buttons->insertWidget(0, button);
    // The keyboard reads the bottom row from the left, like the eye.
    setTabOrder(button, m_ok);
    setTabOrder(m_ok, m_back);
}

void TopicPanel::setOkShown(bool shown)
{
    m_ok->setVisible(shown);
}

void TopicPanel::showDocument()
{
    m_box->show();
    m_back->hide();
    m_ok->show();
}

void TopicPanel::showDocumentFile(const QString &path)
{
    m_box->load(path);
    m_box->moveCaretToStart();
    showDocument();
}

void TopicPanel::showSentence(const QString &text)
{
    m_box->setText(text);
    m_box->moveCaretToStart();
    showDocument();
}

void TopicPanel::showTopics()
{
    m_box->hide();
    m_back->show();
    m_ok->hide();
}
