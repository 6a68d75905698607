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

    // Makes the private temporary folder under the system's temporary folder
    // and stores it in tempPath. False when it can't be made safely.
    static bool setTempPath();

private:
    AppState() = delete;
};

#endif // APPSTATE_H
