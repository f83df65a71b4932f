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

    struct Message
    {
        QString text;
        Icon icon = Icon::None;
        QString title;
        // Why it happened, in the words of the system, under the text.
        QString detail;
        // The window the message is about (a window of its own beside the
        // main window, say); none for the main window.
        QObject *window = nullptr;
    };

    virtual ~MessageService() = default;
    virtual void show(const Message &message) = 0;
    // True for Yes. No is the answer a stray key press gives.
    virtual bool ask(const QString &text, const QString &title = QString()) = 0;

    void show(const QString &text, Icon icon = Icon::None, const QString &title = QString(), QObject *window = nullptr)
    {
        show(Message{text, icon, title, QString(), window});
    }
    // The one way to say that a file could not be saved: SENTENCE names the
    // file as %1 and the reason as %2, for example "The report could not be
    // saved in %1: %2".
    void reportNotSaved(const QString &sentence, const QString &path, const QString &reason, QObject *window = nullptr);
};
