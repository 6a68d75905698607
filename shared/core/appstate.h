#ifndef APPSTATE_H
#define APPSTATE_H

#include <QString>
#include <QStringList>

// The application-wide values the shell sets at start-up and the portable
// classes read. The main window exposes the same objects as its statics.
class AppState
{
public:
    static QString tempPath;    // this process's private temporary folder
    static QString mountPoint;  // mount point of the working drive, ending with "/"
    static QString curLanguage; // current interface language code, empty until set
    // Decrypted copies whose changes never reached their vault, kept by runs
    // that have ended; found by setTempPath. They are left where they are
    // for the user to save elsewhere or delete.
    static QStringList keptCopies;

    // Makes this process's private temporary folder and stores it in tempPath
    // and FileUtils' temporary path. Every running copy of the program has
    // its own: "<base>/Kolvane Vave/<process id>-XXXXXX", mode 0700 at both
    // levels, base the system's temporary folder or baseFolder when given.
    // When "Kolvane Vave" is a link or belongs to another user, it is left
    // alone and a private "Kolvane Vave-XXXXXX" beside it takes its place.
    //
    // Then the leftovers of runs that have ended are wiped and removed: in
    // "Kolvane Vave" and in every "Kolvane Vave-XXXXXX" of ours, the folder of
    // each process that is gone and anything else of ours that is no
    // process's folder; an emptied "Kolvane Vave-XXXXXX" goes too. Folders of
    // running processes and entries of other users are never touched. A
    // folder whose list of kept copies (keptListName) names copies that are
    // still there is left as it is, and those copies go to keptCopies.
    // False when no private folder could be made; tempPath is then unchanged.
    static bool setTempPath(const QString &baseFolder = QString());

    // Name of the list, in a process's temporary folder, of the copies there
    // whose changes are not in their vault: one path a line, relative to the
    // folder, UTF-8 and percent-encoded. Whoever keeps such copies keeps this
    // list up to date.
    static const char keptListName[];

private:
    AppState() = delete;
};

#endif // APPSTATE_H
