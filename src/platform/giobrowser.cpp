#include "platform/giobrowser.h"

#include "platform/launchwatch.h"

#include <QFile>
#include <QLibrary>
#include <QList>

#include <memory>

// GLib's headers use "signals" as a name, which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gdesktopappinfo.h>
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
    decltype(&g_desktop_app_info_get_type) desktopAppInfoGetType = nullptr;
    decltype(&g_desktop_app_info_launch_uris_as_manager) desktopAppInfoLaunchUrisAsManager = nullptr;
    decltype(&g_type_check_instance_is_a) typeCheckInstanceIsA = nullptr;
    decltype(&g_error_free) errorFree = nullptr;
    decltype(&g_object_unref) objectUnref = nullptr;

    bool loaded() const
    {
        return fileNewForPath && fileQueryInfo && fileInfoGetContentType && appInfoGetDefaultForType &&
               appInfoLaunchUris && desktopAppInfoGetType && desktopAppInfoLaunchUrisAsManager &&
               typeCheckInstanceIsA && errorFree && objectUnref;
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
        resolve(library, loaded.desktopAppInfoGetType, "g_desktop_app_info_get_type");
        resolve(library, loaded.desktopAppInfoLaunchUrisAsManager, "g_desktop_app_info_launch_uris_as_manager");
        resolve(library, loaded.typeCheckInstanceIsA, "g_type_check_instance_is_a");
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

void recordChild(GDesktopAppInfo *, GPid child, gpointer children)
{
    static_cast<QList<pid_t> *>(children)->append(child);
}

// A program of a desktop entry is started as a child of this process that GIO
// leaves unreaped, so that it can be watched; any other program as GIO
// starts it. The children to watch are added to the list.
bool launch(GAppInfo *program, const QString &pageUri, QList<pid_t> &children)
{
    const Gio &g = gio();
    QByteArray uri = pageUri.toUtf8();
    GList uris = {uri.data(), nullptr, nullptr};
    const bool desktopEntry =
        g.typeCheckInstanceIsA(reinterpret_cast<GTypeInstance *>(program), g.desktopAppInfoGetType());
    GError *error = nullptr;
    const bool started =
        desktopEntry && LaunchWatch::available()
            ? g.desktopAppInfoLaunchUrisAsManager(reinterpret_cast<GDesktopAppInfo *>(program), &uris, nullptr,
                                                  GSpawnFlags(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD), nullptr,
                                                  nullptr, &recordChild, &children, &error)
            : g.appInfoLaunchUris(program, &uris, nullptr, &error);
    if (error)
        g.errorFree(error);
    return started;
}

} // namespace

void GioBrowser::open(const QString &probeFile, const QString &pageUri, QObject *context, FailureHandler whenFailed)
{
    if (!gio().loaded())
        return whenFailed(Failure::NotFound);
    const GioPointer<GAppInfo> program = programOpening(probeFile);
    if (!program)
        return whenFailed(Failure::NotFound);
    QList<pid_t> children;
    if (!launch(program.get(), pageUri, children))
        return whenFailed(Failure::NotStarted);
    for (const pid_t child : children)
        LaunchWatch::watch(child, context, [whenFailed] { whenFailed(Failure::NotStarted); });
}
