#pragma once

#include "ui/topictable.h"

#include <QFrame>

class ButtonGrid;
class DocumentBox;
class QHBoxLayout;
class QPushButton;

// An advisor's panel of topics with a document box that lies over the
// topics while a document is read, Ok at the bottom centre and Back at the
// bottom right. Choosing a topic shows the box and Ok; Ok hides them again.
class TopicPanel : public QFrame
{
    Q_OBJECT
public:
    struct Names
    {
        QString panel;
        QString box;
        QString boxText;
        QString ok;
        QString back;
        // What a screen reader calls the box.
        QString boxTitle;
    };

    // Topics of the caller's own, such as a list to choose from.
    TopicPanel(QWidget *parent, const Names &names, QWidget *topics);
    // A grid with a button for each topic of the table; a button opens its
    // topic's document.
    TopicPanel(QWidget *parent, const Names &names, const TopicTable &table, const Environment &environment);

    // Puts another widget into a cell of the grid of topics, such as a picture.
    void addToGrid(QWidget *widget, int row, int column);
    // Puts a button at the bottom left.
    void addLeftButton(QPushButton *button);
    void setOkShown(bool shown);

public slots:
    // Reading: the box over the topics, Ok instead of Back.
    void showDocument();
    // The same with a document of the data folder in the box, shown from its
    // top; one that cannot be loaded leaves the box as it was.
    void showDocumentFile(const QString &path);
    // The same with a sentence in the box instead of a document.
    void showSentence(const QString &text);
    // Choosing: the topics, Back instead of Ok.
    void showTopics();

signals:
    // A topic's document is shown; the sentence goes with it, when it has one.
    void topicOpened(const QString &sentence);
    // Ok: the user has read the document and is back among the topics.
    void readingDone();
    void backRequested();

private:
    void build(const Names &names, QWidget *topics);
    void openTopic(const Topic &topic);

    const TopicTable *m_table = nullptr;
    const Environment *m_environment = nullptr;
    ButtonGrid *m_grid = nullptr;
    DocumentBox *m_box = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_back = nullptr;
    QHBoxLayout *m_buttons = nullptr;
};
