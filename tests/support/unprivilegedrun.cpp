#include "unprivilegedrun.h"

#include <QDirIterator>
#include <QFile>
#include <QProcessEnvironment>

#include <pwd.h>
#include <unistd.h>

namespace {

const char *const UnprivilegedUser = "nobody";

bool isRoot()
{
    return ::geteuid() == 0;
}

// LSAN_OPTIONS with its suppressions file replaced by a copy in `folder`.
QString optionsWithCopiedSuppressions(const QString &options, const QString &folder)
{
    QStringList parts = options.split(QLatin1Char(':'));
    for (QString &part : parts) {
        if (!part.startsWith(QLatin1String("suppressions=")))
            continue;
        const QString copy = folder + QStringLiteral("/lsan.supp");
        QFile::remove(copy);
        if (QFile::copy(part.mid(int(qstrlen("suppressions="))), copy))
            part = QStringLiteral("suppressions=") + copy;
    }
    return parts.join(QLatin1Char(':'));
}

} // namespace

bool UnprivilegedRun::handOver(const QString &folder)
{
    if (!isRoot())
        return true;
    const passwd *user = ::getpwnam(UnprivilegedUser);
    if (!user)
        return false;
    QStringList paths{folder};
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    for (const QString &path : paths) {
        if (::lchown(QFile::encodeName(path).constData(), user->pw_uid, user->pw_gid) != 0)
            return false;
    }
    return true;
}

bool UnprivilegedRun::run(QProcess &child, const QString &helper, const QStringList &arguments,
                          const QString &workFolder)
{
    const QString built = QStringLiteral(KV_HELPER_DIR "/") + helper;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!isRoot()) {
        child.setProcessEnvironment(environment);
        child.start(built, arguments);
        return child.waitForFinished(30000);
    }

    const passwd *user = ::getpwnam(UnprivilegedUser);
    const QString copy = workFolder + QLatin1Char('/') + helper;
    QFile::remove(copy);
    if (!user || !QFile::copy(built, copy))
        return false;
    if (environment.contains(QStringLiteral("LSAN_OPTIONS"))) {
        environment.insert(QStringLiteral("LSAN_OPTIONS"),
                           optionsWithCopiedSuppressions(environment.value(QStringLiteral("LSAN_OPTIONS")),
                                                         workFolder));
    }
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral("setpriv"),
                QStringList{QStringLiteral("--reuid=%1").arg(user->pw_uid),
                            QStringLiteral("--regid=%1").arg(user->pw_gid), QStringLiteral("--clear-groups"),
                            copy}
                    + arguments);
    return child.waitForFinished(30000);
}
