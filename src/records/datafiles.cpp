#include "records/datafiles.h"

#include "platform/environment.h"
#include "records/tables.h"

#include <QFileInfo>

namespace datafiles {
namespace {

using enum File;
using enum Owner;

// clang-format off
constexpr Entry entries[] = {
    {Profile,                   "settings/data.dat",       User},
    {Settings,                  "settings/settings.dat",   User},
    {Preferences,               "settings/preferences.ini", User},
    {History,                   "settings/history",        User},
    {Cravings,                  "journey/cravings.csv",    User},
    {Plans,                     "journey/plans.csv",       User},
    {PersonalReasons,           "coach/personal.rtf",      User},
    {CoachTips,                 "coach/randomcoach.txt",   Shipped},
    {ProfessorTips,             "prof/randomprof.txt",     Shipped},
    {ThingsToDo,                "coach/things.txt",        Shipped},
    {WhyPeopleSmoke,            "prof/whypeoplesmoke.rtf", Shipped},
    {HealthProblems,            "prof/healthproblems.txt", Shipped},
    {Appearance,                "prof/appearance.txt",     Shipped},
    {WaysToStop,                "prof/ways.txt",           Shipped},
    {HelpPage,                  "help/help.html",          Shipped},
    {BrowserProbe,              "bht.html",                Shipped},
    {DoctorWithdrawalDocuments, "doc/withdraw",            Shipped},
    {DoctorWeightDocuments,     "doc/weight",              Shipped},
    {CoachTroubleDocuments,     "coach/withdraw",          Shipped},
    {CoachAnswerDocuments,      "coach/wantsmoke",         Shipped},
};
// clang-format on
static_assert(rowsInOrder(entries, &Entry::file, static_cast<int>(Count)));

QString folderOf(const Environment &environment, Owner owner)
{
    return owner == Shipped ? environment.shippedDataFolder : environment.userDataFolder;
}

// A shipped file in the user's language where the program ships it so, in
// English otherwise: each file stands on its own.
QString shippedPath(const Environment &environment, const QString &relative)
{
    const QString english = environment.shippedDataFolder + u'/' + relative;
    if (environment.language.isEmpty() || environment.language == QLatin1String("en"))
        return english;
    const QString translated = environment.shippedDataFolder + u'/' + environment.language + u'/' + relative;
    return QFileInfo::exists(translated) ? translated : english;
}

} // namespace

const Entry &entry(File file)
{
    return entries[static_cast<int>(file)];
}

QString path(const Environment &environment, File file)
{
    const Entry &row = entry(file);
    if (row.owner == Shipped)
        return shippedPath(environment, QLatin1String(row.path));
    return folderOf(environment, row.owner) + u'/' + QLatin1String(row.path);
}

QString pathToRead(const Environment &environment, File file)
{
    const QString own = path(environment, file);
    if (entry(file).owner == Shipped || QFileInfo::exists(own))
        return own;
    // The first version of a user's file is the same in every language.
    return folderOf(environment, Shipped) + u'/' + QLatin1String(entry(file).path);
}

QString path(const Environment &environment, File folder, const char *document)
{
    const Entry &row = entry(folder);
    if (row.owner == Shipped)
        return shippedPath(environment, QLatin1String(row.path) + u'/' + QLatin1String(document));
    return path(environment, folder) + u'/' + QLatin1String(document);
}

} // namespace datafiles
