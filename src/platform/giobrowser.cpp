#include "platform/giobrowser.h"

#include <QFile>

#include <memory>

// GLib's headers use "signals" as a name, which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace {

struct ObjectUnref
{
    void operator()(gpointer object) const { g_object_unref(object); }
};
template<typename T>
using GioPointer = std::unique_ptr<T, ObjectUnref>;

GioPointer<GAppInfo> programOpening(const QString &probeFile)
{
    const GioPointer<GFile> probe(g_file_new_for_path(QFile::encodeName(probeFile).constData()));
    const GioPointer<GFileInfo> info(g_file_query_info(probe.get(), G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                                       G_FILE_QUERY_INFO_NONE, nullptr, nullptr));
    if (!info)
        return nullptr;
    const char *contentType = g_file_info_get_content_type(info.get());
    if (!contentType)
        return nullptr;
    return GioPointer<GAppInfo>(g_app_info_get_default_for_type(contentType, FALSE));
}

} // namespace

Browser::Outcome GioBrowser::open(const QString &probeFile, const QString &pageUri)
{
    const GioPointer<GAppInfo> program = programOpening(probeFile);
    if (!program)
        return Outcome::NotFound;
    QByteArray uri = pageUri.toUtf8();
    GList uris = {uri.data(), nullptr, nullptr};
    GError *error = nullptr;
    const bool started = g_app_info_launch_uris(program.get(), &uris, nullptr, &error);
    if (error)
        g_error_free(error);
    return started ? Outcome::Opened : Outcome::NotStarted;
}
