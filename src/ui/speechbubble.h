#pragma once

#include <QFrame>

// The rounded bubble drawn behind a character's speech line.
class SpeechBubble : public QFrame
{
public:
    explicit SpeechBubble(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
