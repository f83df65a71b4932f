#pragma once

#include <QLocale>
#include <QString>

class QObject;
struct Environment;

namespace web {

// The product's home page.
inline constexpr auto homePage = "https://www.clearwind.example/index.html";

// A web address stays as it is; a local file becomes a file:// URI, so a
// folder with blanks reaches the browser as one argument. FRAGMENT, when
// given, is the place in the page to open at.
QString uriOf(const QString &page, const QString &fragment = QString());

// Starts the user's browser with the page, or tells the user why it cannot.
// A browser that fails only after it started is told of while the window
// that asked is still there.
void openInBrowser(const Environment &environment, const QString &page, QObject *window,
                   const QString &fragment = QString());

// The section of the help page with the quitlines of the user's country, or
// with what helps anywhere else.
QString quitlinesSection(QLocale::Territory territory);

} // namespace web
