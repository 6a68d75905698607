#ifndef WINDOWDRIVE_H
#define WINDOWDRIVE_H

#include <QString>

class FixedDriveLocator;

// The stand-in stick of a test that makes a MainWindow: TMPDIR goes to
// <root>/tmp, the stick "SER1" is <root>/drive/ (with an empty settings file
// when usedBefore, so the window comes up on the login page), and both the
// drive registry and the main window look through `drives`. Returns the
// drive's path ending in "/", or an empty string when a folder couldn't be made.
QString plugWindowDrive(const QString &root, FixedDriveLocator &drives, bool usedBefore = true);

#endif // WINDOWDRIVE_H
