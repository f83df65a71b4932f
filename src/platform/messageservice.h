#pragma once

#include <QString>

// Modal message boxes with a single OK button. The real service blocks until
// the user presses OK; a test records what would have been shown.
class MessageService
{
public:
    enum class Icon { None, Information, Warning };

    virtual ~MessageService() = default;
    virtual void show(const QString &text, Icon icon = Icon::None, const QString &title = QString()) = 0;
};
