#include "web/webpages.h"

#include "platform/browser.h"
#include "platform/environment.h"
#include "platform/messageservice.h"
#include "records/datafiles.h"
#include "web/webtexts.h"

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
    {Browser::Failure::NotFound, QT_TRANSLATE_NOOP("WebTexts", "Could not find associated Browser"),
     QT_TRANSLATE_NOOP("WebTexts", "Browser Not Found")},
    {Browser::Failure::NotStarted, QT_TRANSLATE_NOOP("WebTexts", "Web Page not Opened"),
     QT_TRANSLATE_NOOP("WebTexts", "URL Failed")},
};

} // namespace

QString uriOf(const QString &page, const QString &fragment)
{
    QUrl url(page);
    if (url.isRelative() || url.scheme().size() <= 1)
        url = QUrl::fromLocalFile(page);
    if (!fragment.isEmpty())
        url.setFragment(fragment);
    return QString::fromUtf8(url.toEncoded());
}

QString quitlinesSection(QLocale::Territory territory)
{
    // The countries whose quitlines the help page gives with their sources.
    static constexpr struct
    {
        QLocale::Territory territory;
        const char *section;
    } sections[] = {{QLocale::UnitedStates, "quitline-us"},
                    {QLocale::UnitedKingdom, "quitline-gb"},
                    {QLocale::Germany, "quitline-de"}};
    for (const auto &known : sections) {
        if (known.territory == territory)
            return QString::fromLatin1(known.section);
    }
    return QStringLiteral("quitlines");
}

void openInBrowser(const Environment &environment, const QString &page, QObject *window, const QString &fragment)
{
    MessageService *messages = environment.messages;
    const auto sayWhy = [messages, window](Browser::Failure failure) {
        for (const FailureMessage &message : failureMessages) {
            if (message.failure == failure)
                messages->show(WebTexts::tr(message.text), MessageService::Icon::Warning,
                               WebTexts::tr(message.title), window);
        }
    };
    environment.browser->open(datafiles::path(environment, datafiles::File::BrowserProbe), uriOf(page, fragment),
                              window, sayWhy);
}

} // namespace web
