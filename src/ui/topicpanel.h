#pragma once

#include <QFrame>

class DocumentBox;
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

    TopicPanel(QWidget *parent, const Names &names, QWidget *topics);

    DocumentBox *box() const { return m_box; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *backButton() const { return m_back; }
    // Puts a button at the bottom left.
    void addLeftButton(QPushButton *button);

    // Reading: the box over the topics, Ok instead of Back.
    void showDocument();
    // Choosing: the topics, Back instead of Ok.
    void showTopics();

private:
    DocumentBox *m_box;
    QPushButton *m_ok;
    QPushButton *m_back;
    class QHBoxLayout *m_buttons;
};
