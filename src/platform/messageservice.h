#pragma once

#include <QString>

class QObject;

// Modal message boxes: a message with a single OK button, or a question
// answered Yes or No. The real service blocks until the user answers; a test
// records what would have been shown and answers for the user.
class MessageService
{
public:
    enum class Icon { None, Information, Warning };

    virtual ~MessageService() = default;
    // Over the window the message is about (a window of its own beside the
    // main window, say), or over the main window when none is given.
    virtual void show(const QString &text, Icon icon = Icon::None, const QString &title = QString(),
                      QObject *window = nullptr) = 0;
    // True for Yes. No is the answer a stray key press gives.
    virtual bool ask(const QString &text, const QString &title = QString()) = 0;
};
