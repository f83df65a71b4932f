#pragma once

#include <QString>
#include <QTextDocument>

#include <memory>

// A document in the default font the tests compare in.
std::unique_ptr<QTextDocument> newDocument(const QString &family = QStringLiteral("DejaVu Sans"));
std::unique_ptr<QTextDocument> readRtf(const QByteArray &bytes, const QString &family = QStringLiteral("DejaVu Sans"));
std::unique_ptr<QTextDocument> fromHtml(const QString &html);

// One line a paragraph: its formatting, then its runs, each with its own
// formatting in brackets, in the terms the reader and writer keep. Runs that
// look the same are one run.
QString describe(const QTextDocument &document);
