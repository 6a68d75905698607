#include "treesnapshot.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QStringList treeSnapshot(const QString &root)
{
    QStringList entries;
    const QDir base(root);
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString relative = base.relativeFilePath(path);
        if (info.isSymLink()) {
            entries << relative + QStringLiteral(" -> ") + info.symLinkTarget();
        } else if (info.isDir()) {
            entries << relative + QLatin1Char('/');
        } else {
            QFile file(path);
            const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
            entries << relative + QLatin1Char('=') + QString::fromUtf8(content);
        }
    }
    entries.sort();
    return entries;
}
