#pragma once

#include <QString>

class QObject;
struct Environment;

namespace web {

// The product's home page.
inline constexpr auto homePage = "https://www.clearwind.example/index.html";

// A web address stays as it is; a local file becomes a file:// URI, so a
// folder with blanks reaches the browser as one argument.
QString uriOf(const QString &page);

// Starts the user's browser with the page, or tells the user why it cannot.
// A browser that fails only after it started is told of while the window
// that asked is still there.
void openInBrowser(const Environment &environment, const QString &page, QObject *window);

} // namespace web
