#include "web/webpages.h"

#include "platform/browser.h"
#include "platform/environment.h"
#include "platform/messageservice.h"
#include "records/datafiles.h"

#include <QCoreApplication>
#include <QUrl>

namespace web {

namespace {

struct FailureMessage
{
    Browser::Failure failure;
    const char *text;
    const char *title;
};

constexpr FailureMessage failureMessages[] = {
    {Browser::Failure::NotFound, QT_TRANSLATE_NOOP("web", "Could not find associated Browser"),
     QT_TRANSLATE_NOOP("web", "Browser Not Found")},
    {Browser::Failure::NotStarted, QT_TRANSLATE_NOOP("web", "Web Page not Opened"),
     QT_TRANSLATE_NOOP("web", "URL Failed")},
};

} // namespace

QString uriOf(const QString &page)
{
    const QUrl url(page);
    if (!url.isRelative() && url.scheme().size() > 1)
        return QString::fromUtf8(url.toEncoded());
    return QString::fromUtf8(QUrl::fromLocalFile(page).toEncoded());
}

void openInBrowser(const Environment &environment, const QString &page, QObject *window)
{
    MessageService *messages = environment.messages;
    const auto sayWhy = [messages, window](Browser::Failure failure) {
        for (const FailureMessage &message : failureMessages) {
            if (message.failure == failure)
                messages->show(QCoreApplication::translate("web", message.text), MessageService::Icon::Warning,
                               QCoreApplication::translate("web", message.title), window);
        }
    };
    environment.browser->open(datafiles::path(environment, datafiles::File::BrowserProbe), uriOf(page), window, sayWhy);
}

} // namespace web
