#pragma once

#include <QString>

struct Environment;

namespace web {

// The product's home page.
inline constexpr auto homePage = "https://www.clearwind.example/index.html";

// A web address stays as it is; a local file becomes a file:// URI, so a
// folder with blanks reaches the browser as one argument.
QString uriOf(const QString &page);

// Starts the user's browser with the page, or tells the user why it cannot.
void openInBrowser(const Environment &environment, const QString &page);

} // namespace web
