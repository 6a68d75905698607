#include "itemdate.h"

#include <QMutex>
#include <QTimeZone>

namespace {

constexpr quint32 kMsecsPerDay = 86400000;

// Unwritable dates become the invalid date: a spec byte out of range reads
// as a time zone without a zone, which Qt may even call valid but cannot
// write back.
QDateTime writable(const QDateTime &date)
{
    if (date.timeSpec() == Qt::TimeZone && !date.timeZone().isValid())
        return QDateTime();
    return date;
}

QBasicMutex decodeLock;

} // namespace

QDateTime ItemDate::get() const
{
    if (m_kind.load(std::memory_order_acquire) == Decoded)
        return m_value;
    QMutexLocker lock(&decodeLock);
    if (m_kind.load(std::memory_order_relaxed) != Decoded) {
        m_value = decode();
        m_kind.store(Decoded, std::memory_order_release);
    }
    return m_value;
}

QDateTime ItemDate::decode() const
{
    if (m_kind.load(std::memory_order_relaxed) == Clock)
        return QDateTime::fromMSecsSinceEpoch(m_raw, Qt::LocalTime);
    Record record;
    record.julianDay = m_raw;
    record.msecs = m_msecs;
    record.local = true;
    return toDateTime(record);
}

void ItemDate::set(const QDateTime &date)
{
    m_value = date;
    m_kind.store(Decoded, std::memory_order_release);
}

void ItemDate::setNow()
{
    // What QDateTime::currentDateTime() gives, without asking the time zone yet.
    m_raw = QDateTime::currentMSecsSinceEpoch();
    m_value = QDateTime();
    m_kind.store(Clock, std::memory_order_release);
}

void ItemDate::set(const Record &record)
{
    if (!record.local) {
        set(record.decoded);
        return;
    }
    m_raw = record.julianDay;
    m_msecs = record.msecs;
    m_value = QDateTime();
    m_kind.store(Local, std::memory_order_release);
}

ItemDate::Record ItemDate::read(QDataStream &stream)
{
    Record record;
    qint8 spec = 0;
    stream >> record.julianDay >> record.msecs >> spec;
    if (stream.status() != QDataStream::Ok)
        return record;
    const QDate date = QDate::fromJulianDay(record.julianDay);
    const QTime time = QTime::fromMSecsSinceStartOfDay(int(record.msecs));
    // A plain local date and time, as every item carries, is kept as read;
    // anything else is made here as Qt's own reader makes it.
    if (spec == Qt::LocalTime && date.isValid() && record.msecs < kMsecsPerDay) {
        record.local = true;
        return record;
    }
    if (spec == Qt::OffsetFromUTC) {
        qint32 offset = 0;
        stream >> offset;
        record.decoded = QDateTime(date, time, Qt::OffsetFromUTC, offset);
    } else if (spec == Qt::TimeZone) {
        QTimeZone zone;
        stream >> zone;
        record.decoded = QDateTime(date, time, zone);
    } else {
        record.decoded = QDateTime(date, time, Qt::TimeSpec(spec));
    }
    record.decoded = writable(record.decoded);
    return record;
}

QDateTime ItemDate::toDateTime(const Record &record)
{
    if (!record.local)
        return record.decoded;
    return QDateTime(QDate::fromJulianDay(record.julianDay), QTime::fromMSecsSinceStartOfDay(int(record.msecs)),
                     Qt::LocalTime);
}

void ItemDate::write(QDataStream &stream) const
{
    if (m_kind.load(std::memory_order_acquire) == Local) {
        stream << m_raw << m_msecs << qint8(Qt::LocalTime);
        return;
    }
    stream << get();
}
