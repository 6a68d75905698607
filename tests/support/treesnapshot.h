#ifndef TREESNAPSHOT_H
#define TREESNAPSHOT_H

#include <QString>
#include <QStringList>

// Everything below a folder, hidden entries included and links not
// followed, sorted: "sub/" for a folder, "name -> target" for a link,
// "name=content" for a file (content as UTF-8 text). Two snapshots that
// compare equal mean nothing was added, removed or changed there.
QStringList treeSnapshot(const QString &root);

#endif // TREESNAPSHOT_H
