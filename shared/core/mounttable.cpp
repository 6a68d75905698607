#include "mounttable.h"

#include <QFile>

QList<MountEntry> MountTable::read(const QString &mountInfoPath)
{
    QFile file(mountInfoPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Files under /proc report size 0, so read until the end rather than by size.
    return parse(file.readAll());
}

QList<MountEntry> MountTable::parse(const QByteArray &text)
{
    // mountinfo: id parent major:minor root mount-point options [optional...] - type source super-options
    QList<MountEntry> entries;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        const int dash = fields.indexOf("-");
        if (dash < 6 || dash + 2 >= fields.size())
            continue;
        const QList<QByteArray> device = fields.at(2).split(':');
        if (device.size() != 2)
            continue;
        bool majorOk = false;
        bool minorOk = false;
        MountEntry entry;
        entry.major = device.at(0).toUInt(&majorOk);
        entry.minor = device.at(1).toUInt(&minorOk);
        if (!majorOk || !minorOk)
            continue;
        entry.mountPoint = decodeField(fields.at(4));
        if (entry.mountPoint.size() > 1 && entry.mountPoint.endsWith(QLatin1Char('/')))
            entry.mountPoint.chop(1);
        entry.fileSystemType = decodeField(fields.at(dash + 1));
        entry.source = decodeField(fields.at(dash + 2));
        entries.append(entry);
    }
    return entries;
}

QString MountTable::decodeField(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        const char c = field.at(i);
        if (c == '\\' && i + 3 < field.size()) {
            const QByteArray digits = field.mid(i + 1, 3);
            bool ok = digits.size() == 3;
            for (char d : digits)
                ok = ok && d >= '0' && d <= '7';
            if (ok) {
                out.append(char(digits.toInt(nullptr, 8)));
                i += 3;
                continue;
            }
        }
        out.append(c);
    }
    return QString::fromUtf8(out);
}
