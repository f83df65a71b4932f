#pragma once

#include <QString>

struct Environment;

// Every file and folder of the data folder that the program reads or writes,
// named once. Shipped files come with the program and are only read; the
// user's files hold what the user entered and are written.
namespace datafiles {

enum class Owner { Shipped, User };

enum class File {
    Profile,
    Settings,
    Preferences,
    History,
    Cravings,
    Plans,
    PersonalReasons,
    CoachTips,
    ProfessorTips,
    ThingsToDo,
    WhyPeopleSmoke,
    HealthProblems,
    Appearance,
    WaysToStop,
    HelpPage,
    BrowserProbe,
    // Folders of advice documents: a topic names its document inside one.
    DoctorWithdrawalDocuments,
    DoctorWeightDocuments,
    CoachTroubleDocuments,
    CoachAnswerDocuments,
    Count
};

struct Entry
{
    File file;
    const char *path; // relative to the data folder
    Owner owner;
};

const Entry &entry(File file);

// Where the file is for this run of the program.
QString path(const Environment &environment, File file);
// Where to read it: a user's file that is not there yet is read from the
// default that comes with the program, where there is one.
QString pathToRead(const Environment &environment, File file);
// A document inside one of the folders of advice documents.
QString path(const Environment &environment, File folder, const char *document);

} // namespace datafiles
