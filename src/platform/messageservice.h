#pragma once

#include <QString>

// Modal message boxes: a message with a single OK button, or a question
// answered Yes or No. The real service blocks until the user answers; a test
// records what would have been shown and answers for the user.
class MessageService
{
public:
    enum class Icon { None, Information, Warning };

    virtual ~MessageService() = default;
    virtual void show(const QString &text, Icon icon = Icon::None, const QString &title = QString()) = 0;
    // True for Yes. No is the answer a stray key press gives.
    virtual bool ask(const QString &text, const QString &title = QString()) = 0;
};
