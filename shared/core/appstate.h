#ifndef APPSTATE_H
#define APPSTATE_H

#include <QString>

// The application-wide values the shell sets at start-up and the portable
// classes read. The main window exposes the same objects as its statics.
class AppState
{
public:
    static QString tempPath;    // the program's private temporary folder
    static QString mountPoint;  // mount point of the working drive, ending with "/"
    static QString curLanguage; // current interface language code, empty until set

    // Makes the private temporary folder "Kolvane Vave" under the system's
    // temporary folder (or under baseFolder when given) and stores it in
    // tempPath and FileUtils' temporary path. A leftover folder of ours is
    // removed and made anew, mode 0700. A folder or link of that name owned
    // by someone else is left alone and a fresh private folder
    // "Kolvane Vave-XXXXXX" is made beside it instead. False when no private
    // folder could be made; tempPath is then unchanged.
    static bool setTempPath(const QString &baseFolder = QString());

private:
    AppState() = delete;
};

#endif // APPSTATE_H
