#include "platform/giobrowser.h"

#include <QFile>
#include <QLibrary>

#include <memory>

// GLib's headers use "signals" as a name, which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace {

// GIO is loaded when the first page is opened, not at start-up: with the
// libraries it pulls in, it would make every start slower and larger.
struct Gio
{
    decltype(&g_file_new_for_path) fileNewForPath = nullptr;
    decltype(&g_file_query_info) fileQueryInfo = nullptr;
    decltype(&g_file_info_get_content_type) fileInfoGetContentType = nullptr;
    decltype(&g_app_info_get_default_for_type) appInfoGetDefaultForType = nullptr;
    decltype(&g_app_info_launch_uris) appInfoLaunchUris = nullptr;
    decltype(&g_error_free) errorFree = nullptr;
    decltype(&g_object_unref) objectUnref = nullptr;

    bool loaded() const
    {
        return fileNewForPath && fileQueryInfo && fileInfoGetContentType && appInfoGetDefaultForType &&
               appInfoLaunchUris && errorFree && objectUnref;
    }
};

template<typename Function>
void resolve(QLibrary &library, Function &function, const char *name)
{
    function = reinterpret_cast<Function>(library.resolve(name));
}

const Gio &gio()
{
    static const Gio functions = [] {
        Gio loaded;
        QLibrary library(QStringLiteral("gio-2.0"), 0);
        resolve(library, loaded.fileNewForPath, "g_file_new_for_path");
        resolve(library, loaded.fileQueryInfo, "g_file_query_info");
        resolve(library, loaded.fileInfoGetContentType, "g_file_info_get_content_type");
        resolve(library, loaded.appInfoGetDefaultForType, "g_app_info_get_default_for_type");
        resolve(library, loaded.appInfoLaunchUris, "g_app_info_launch_uris");
        resolve(library, loaded.errorFree, "g_error_free");
        resolve(library, loaded.objectUnref, "g_object_unref");
        return loaded;
    }();
    return functions;
}

struct ObjectUnref
{
    void operator()(gpointer object) const { gio().objectUnref(object); }
};
template<typename T>
using GioPointer = std::unique_ptr<T, ObjectUnref>;

GioPointer<GAppInfo> programOpening(const QString &probeFile)
{
    const Gio &g = gio();
    const GioPointer<GFile> probe(g.fileNewForPath(QFile::encodeName(probeFile).constData()));
    const GioPointer<GFileInfo> info(
        g.fileQueryInfo(probe.get(), G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE, G_FILE_QUERY_INFO_NONE, nullptr, nullptr));
    if (!info)
        return nullptr;
    const char *contentType = g.fileInfoGetContentType(info.get());
    if (!contentType)
        return nullptr;
    return GioPointer<GAppInfo>(g.appInfoGetDefaultForType(contentType, FALSE));
}

} // namespace

Browser::Outcome GioBrowser::open(const QString &probeFile, const QString &pageUri)
{
    if (!gio().loaded())
        return Outcome::NotFound;
    const GioPointer<GAppInfo> program = programOpening(probeFile);
    if (!program)
        return Outcome::NotFound;
    QByteArray uri = pageUri.toUtf8();
    GList uris = {uri.data(), nullptr, nullptr};
    GError *error = nullptr;
    const bool started = gio().appInfoLaunchUris(program.get(), &uris, nullptr, &error);
    if (error)
        gio().errorFree(error);
    return started ? Outcome::Opened : Outcome::NotStarted;
}
