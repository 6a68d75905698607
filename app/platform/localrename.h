#ifndef LOCALRENAME_H
#define LOCALRENAME_H

#include <QString>

namespace LocalRename {

// Renames a file, folder or link on the local disk without ever replacing
// what stands at the new path: false when something is there (or appears
// there meanwhile) or the rename fails. A link is renamed, never followed.
bool renameNoReplace(const QString &from, const QString &to);

} // namespace LocalRename

#endif // LOCALRENAME_H
