#ifndef ITEMDATE_H
#define ITEMDATE_H

#include <QDataStream>
#include <QDateTime>

#include <atomic>

// A date of an item. Dates read from an index stay as the record holds them
// (a local date and time) until someone asks for them, and are written back
// as read: turning a local time into a QDateTime asks the system's time-zone
// rules each time, which would cost more than the rest of loading a large
// index. A new item's "now" is kept as a clock reading the same way.
//
// Reading (get) may happen on several threads at once; changing a date is
// the tree's owner's work, as for every other field of an item.
class ItemDate
{
public:
    // A date as a data stream (version 15) holds it, read but not decoded.
    struct Record
    {
        qint64 julianDay = 0;
        quint32 msecs = 0;
        QDateTime decoded; // when not a plain local date and time
        bool local = false;
    };

    ItemDate() = default;
    ItemDate(const ItemDate &) = delete;
    ItemDate &operator=(const ItemDate &) = delete;

    QDateTime get() const;
    void set(const QDateTime &date);
    // The current local date and time.
    void setNow();
    void set(const Record &record);

    // Reads a date the way Qt's stream operator would; the stream's status
    // tells whether it was there.
    static Record read(QDataStream &stream);
    // The date a record stands for.
    static QDateTime toDateTime(const Record &record);
    // Writes the bytes Qt's stream operator would write for get().
    void write(QDataStream &stream) const;

private:
    enum Kind : quint8 { Decoded, Local, Clock };

    QDateTime decode() const;

    mutable QDateTime m_value;
    qint64 m_raw = 0;      // Julian day (Local) or milliseconds since 1970 UTC (Clock)
    quint32 m_msecs = 0;   // milliseconds since midnight (Local)
    mutable std::atomic<quint8> m_kind{Decoded};
};

#endif // ITEMDATE_H
