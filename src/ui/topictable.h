#pragma once

#include "records/datafiles.h"
#include "ui/buttongrid.h"

#include <QStringList>

#include <span>

struct Environment;

// One topic of an advisor: a button in the grid of topics, the document it
// opens and the sentence the advisor says with it.
struct Topic
{
    ButtonGrid::Topic button; // control name, caption, grid cell
    const char *document;     // file name in the table's folder
    const char *sentence;     // none: the advisor's line stays as it is
};

// An advisor's topics, all of whose documents lie in one folder. Captions and
// sentences are translated in the table's context.
struct TopicTable
{
    const char *context;
    datafiles::File folder;
    std::span<const Topic> topics;
    // Ok empties the box, so a document that cannot be loaded later shows an
    // empty box rather than the one read before.
    bool emptyBoxAfterReading = false;

    QString documentPath(const Environment &environment, const Topic &topic) const
    {
        return datafiles::path(environment, folder, topic.document);
    }
    QStringList documentPaths(const Environment &environment) const
    {
        QStringList paths;
        for (const Topic &topic : topics)
            paths << documentPath(environment, topic);
        return paths;
    }
};
