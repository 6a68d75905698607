#ifndef SCRATCHFILES_H
#define SCRATCHFILES_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// Files of a test's scratch folder, for tests that check what a failed write
// left behind.

// The whole content of a file; "<unreadable>" when it can't be opened, so a
// missing file never compares equal to an empty one.
QByteArray fileBytes(const QString &path);
// Replaces the file with `bytes`; false when it can't be written whole.
bool writeBytes(const QString &path, const QByteArray &bytes);
// The names of the files in a folder, hidden ones (temporary files) included.
QStringList entries(const QString &dir);

#endif // SCRATCHFILES_H
