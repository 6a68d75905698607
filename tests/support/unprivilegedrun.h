#ifndef UNPRIVILEGEDRUN_H
#define UNPRIVILEGEDRUN_H

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs a test helper program where permission bits count. Root ignores them,
// so a test running as root starts the helper as the user "nobody" (through
// setpriv); anyone else starts it as themselves.
namespace UnprivilegedRun {

// Hands `folder` and everything below it to the user that run() starts the
// helper as; false when that fails. Does nothing unless running as root.
bool handOver(const QString &folder);

// Starts the helper named `helper` (from the test helpers' folder) with
// `arguments` and waits for it to end. As root the program, and LeakSanitizer's
// suppressions file when one is named, are first copied into `workFolder` (one
// handed over), so the build folder need not be open to that user. False when
// it could not be started or did not end; `child` then tells why.
bool run(QProcess &child, const QString &helper, const QStringList &arguments,
         const QString &workFolder);

} // namespace UnprivilegedRun

#endif // UNPRIVILEGEDRUN_H
