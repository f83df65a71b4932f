#include "web/webpages.h"

#include "platform/browser.h"
#include "platform/environment.h"
#include "platform/messageservice.h"
#include "records/datafiles.h"

#include <QCoreApplication>
#include <QUrl>

namespace web {

namespace {

struct Failure
{
    Browser::Outcome outcome;
    const char *text;
    const char *title;
};

constexpr Failure failures[] = {
    {Browser::Outcome::NotFound, QT_TRANSLATE_NOOP("web", "Could not find associated Browser"),
     QT_TRANSLATE_NOOP("web", "Browser Not Found")},
    {Browser::Outcome::NotStarted, QT_TRANSLATE_NOOP("web", "Web Page not Opened"),
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

void openInBrowser(const Environment &environment, const QString &page)
{
    const Browser::Outcome outcome =
        environment.browser->open(datafiles::path(environment, datafiles::File::BrowserProbe), uriOf(page));
    for (const Failure &failure : failures) {
        if (failure.outcome == outcome)
            environment.messages->show(QCoreApplication::translate("web", failure.text), MessageService::Icon::Warning,
                                       QCoreApplication::translate("web", failure.title));
    }
}

} // namespace web
