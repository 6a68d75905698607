#include "tavsettings.h"

#include "safefile.h"
#include "tavlogging.h"

#include <QBuffer>
#include <QDataStream>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QtEndian>
#include <cerrno>
#include <unistd.h>

TAVSettings *TAVSettings::instance = nullptr;

namespace {

// Files written by earlier releases use this stream version; so must we.
constexpr int kStreamVersion = 15;

// A value's stream form starts with its 32-bit type id and an 8-bit null flag.
// A date-time then holds an 8-byte date and a 4-byte time before its time spec.
constexpr int kVariantHeader = 5;
constexpr int kDateTimeSpecOffset = kVariantHeader + 8 + 4;

bool storableTypeId(quint32 type)
{
    switch (type) {
    case QMetaType::UnknownType:
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::QDate:
    case QMetaType::QDateTime:
    case QMetaType::QSize:
    case QMetaType::QPoint:
        return true;
    default:
        return false;
    }
}

// Looks at the value about to be read before Qt decodes it. Only the types
// the store keeps are let through: Qt would otherwise decode whatever a
// damaged file names (images, nested lists sized by a count from the file,
// time zones looked up by a name from the file).
bool storableValueAhead(QIODevice &device)
{
    const QByteArray head = device.peek(kDateTimeSpecOffset + 1);
    if (head.size() < kVariantHeader)
        return false;
    const quint32 type = qFromBigEndian<quint32>(head.constData());
    if (!storableTypeId(type))
        return false;
    if (type == QMetaType::QDateTime) {
        if (head.size() <= kDateTimeSpecOffset)
            return false;
        const auto spec = quint8(head.at(kDateTimeSpecOffset));
        return spec == Qt::LocalTime || spec == Qt::UTC || spec == Qt::OffsetFromUTC;
    }
    return true;
}

// Decodes the file's bytes: a 32-bit count and that many key/value pairs, and
// nothing after them. False when anything is short, undecodable or left over.
bool decode(const QByteArray &bytes, QMultiMap<QString, QVariant> &map)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QDataStream stream(&buffer);
    stream.setVersion(kStreamVersion);

    quint32 count = 0;
    stream >> count;
    for (quint32 i = 0; i < count; ++i) {
        QString key;
        stream >> key;
        if (stream.status() != QDataStream::Ok || !storableValueAhead(buffer))
            return false;
        QVariant value;
        stream >> value;
        if (stream.status() != QDataStream::Ok)
            return false;
        map.insert(key, value);
    }
    return stream.status() == QDataStream::Ok && buffer.atEnd();
}

QByteArray encode(const QMultiMap<QString, QVariant> &map)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream stream(&buffer);
    stream.setVersion(kStreamVersion);
    // Qt's map output: the count, then the pairs from the greatest key down,
    // so that reading them back in order keeps value() on the same copy.
    stream << static_cast<const QMap<QString, QVariant> &>(map);
    return bytes;
}

} // namespace

TAVSettings *TAVSettings::getInstance()
{
    if (!instance)
        instance = new TAVSettings;
    return instance;
}

void TAVSettings::setFileName(const QString &path)
{
    LOG_INFO << "Settings file name set to" << path;
    m_fileName = path;
}

int TAVSettings::read()
{
    LOG_DEBUG << "read settings";
    m_map.clear();
    m_keptDamaged.clear();

    if (m_fileName.isEmpty())
        return ReadNoFile;
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return ReadNoFile;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        LOG_ERROR << "settings file could not be read:" << m_fileName << file.errorString();
        return ReadNoFile;
    }
    file.close();

    QMultiMap<QString, QVariant> loaded;
    if (!decode(bytes, loaded)) {
        LOG_ERROR << "settings file is damaged:" << m_fileName;
        // Its values may still be worth having: renamed, never overwritten.
        if (!bytes.isEmpty()) {
            const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
            for (int n = 1; n < 100 && m_keptDamaged.isEmpty(); ++n) {
                const QString kept = m_fileName + QStringLiteral(".damaged-") + stamp
                    + (n > 1 ? QLatin1Char('-') + QString::number(n) : QString());
                // link() never replaces an existing file; the old name goes after.
                if (::link(QFile::encodeName(m_fileName).constData(), QFile::encodeName(kept).constData()) == 0) {
                    ::unlink(QFile::encodeName(m_fileName).constData());
                    m_keptDamaged = kept;
                } else if (errno != EEXIST) {
                    break;
                }
            }
            if (m_keptDamaged.isEmpty())
                LOG_ERROR << "the damaged settings file could not be set aside:" << m_fileName;
            else
                LOG_WARNING << "the damaged settings file was kept as" << m_keptDamaged;
        }
        return ReadDamaged;
    }
    m_map = loaded;
    // Saves killed half-way may have left their temporary files beside it.
    const QFileInfo info(m_fileName);
    SafeFile::removeLeftovers(info.absolutePath(),
                              QRegularExpression(SafeFile::temporaryNames(
                                  QRegularExpression::escape(info.fileName()))));
    return ReadOk;
}

int TAVSettings::write()
{
    LOG_DEBUG << "write settings";

    for (auto it = m_map.cbegin(); it != m_map.cend(); ++it) {
        if (!isStorable(it.value())) {
            LOG_ERROR << "settings not written: the settings file cannot keep the value of"
                      << it.key() << "of type" << it.value().typeName();
            return WriteFailed;
        }
    }
    const QByteArray bytes = encode(m_map);

    // Written whole beside the old file and renamed over it, so a drive pulled
    // out half-way leaves the old settings, never half of the new ones.
    // An empty name is refused here (QSaveFile would only warn about it), with
    // the reason an unopened file gives.
    QString reason = QSaveFile().errorString();
    const SafeFile::Result result =
        m_fileName.isEmpty() ? SafeFile::OpenFailed : SafeFile::writeWhole(m_fileName, bytes, &reason);
    switch (result) {
    case SafeFile::Written:
        return WriteOk;
    case SafeFile::OpenFailed:
        LOG_ERROR << "settings file could not be opened for writing:" << m_fileName << reason;
        break;
    case SafeFile::WriteFailed:
        LOG_ERROR << "settings file could not be written:" << m_fileName << reason;
        break;
    case SafeFile::CommitFailed:
        LOG_ERROR << "settings file could not be replaced:" << m_fileName << reason;
        break;
    }
    return WriteFailed;
}

void TAVSettings::beginGroup(const QString &group)
{
    m_groups.append(group);
}

void TAVSettings::endGroup()
{
    if (!m_groups.isEmpty())
        m_groups.removeLast();
}

QString TAVSettings::makekey(const QString &key) const
{
    return m_groups.join(QLatin1Char('/')) + QLatin1Char('/') + key;
}

void TAVSettings::setValue(const QString &key, const QVariant &value)
{
    m_map.replace(makekey(key), value);
}

QVariant TAVSettings::value(const QString &key) const
{
    return m_map.value(makekey(key));
}

QVariant TAVSettings::value(const QString &key, const QVariant &defaultValue) const
{
    return m_map.value(makekey(key), defaultValue);
}

bool TAVSettings::isStorable(const QVariant &value)
{
    if (!storableTypeId(quint32(value.userType())))
        return false;
    if (value.userType() == QMetaType::QDateTime)
        return value.toDateTime().timeSpec() != Qt::TimeZone;
    return true;
}
