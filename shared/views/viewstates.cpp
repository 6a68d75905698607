#include "viewstates.h"

#include <QDataStream>

namespace {

constexpr qint32 kStateMarker = 0xff; // QHeaderView's and QSplitter's first field
constexpr qint32 kMaxSectionSize = 1 << 20; // pixels; far wider than any screen
constexpr qint32 kLastResizeMode = 3;       // QHeaderView::ResizeToContents

// Reads the states' fields in order, each checked against what is left.
class StateReader
{
public:
    explicit StateReader(const QByteArray &bytes) : m_bytes(bytes), m_stream(bytes)
    {
        m_stream.setVersion(15);
    }

    bool ok() const { return m_stream.status() == QDataStream::Ok; }
    qint64 left() const { return m_bytes.size() - m_stream.device()->pos(); }

    bool readInt(qint32 *value)
    {
        m_stream >> *value;
        return ok();
    }
    bool readByte(quint8 *value)
    {
        m_stream >> *value;
        return ok();
    }
    bool atEnd() const { return left() == 0; }
    bool skip(int bytes)
    {
        return bytes <= left() && m_stream.skipRawData(bytes) == bytes;
    }
    // A list's count, which may claim no more entries than the bytes left
    // can hold; the entries are skipped.
    bool readCount(int entryBytes, quint32 *count)
    {
        m_stream >> *count;
        if (!ok() || quint64(*count) * quint64(entryBytes) > quint64(left()))
            return false;
        return skip(int(*count) * entryBytes);
    }

private:
    const QByteArray &m_bytes;
    QDataStream m_stream;
};

} // namespace

bool ViewStates::sizeFits(const QByteArray &state)
{
    return state.size() <= maxStateBytes;
}

bool ViewStates::headerStateFits(const QByteArray &state, int sections)
{
    if (!sizeFits(state) || sections < 0)
        return false;
    StateReader in(state);
    qint32 marker = 0;
    qint32 version = 0;
    quint32 visual = 0;
    quint32 logical = 0;
    quint32 bits = 0;
    quint32 hidden = 0;
    qint32 length = 0;
    qint32 count = 0;
    quint32 items = 0;
    // Marker and version; orientation, sort order and section, and whether
    // the sort indicator shows.
    if (!in.readInt(&marker) || marker != kStateMarker || !in.readInt(&version) || !in.skip(12 + 1))
        return false;
    // The visual and logical orders are empty while no section has moved.
    // Qt indexes its arrays by their entries: each must name a section.
    for (quint32 *order : {&visual, &logical}) {
        if (!in.readInt(reinterpret_cast<qint32 *>(order)) || (*order != 0 && *order != quint32(sections)))
            return false;
        for (quint32 i = 0; i < *order; ++i) {
            qint32 index = -1;
            if (!in.readInt(&index) || index < 0 || index >= sections)
                return false;
        }
    }
    // The hidden sections as bits, then the sizes they had.
    if (!in.readInt(reinterpret_cast<qint32 *>(&bits)) || bits > quint32(sections)
        || !in.skip(int((bits + 7) / 8)) || !in.readCount(8, &hidden))
        return false;
    // Length and section count; five flags; stretch and contents counts,
    // default and minimum size, alignment and resize mode.
    if (!in.readInt(&length) || !in.readInt(&count) || count != sections || !in.skip(5 + 6 * 4))
        return false;
    // One size, span and resize mode per section. Qt writes a span of one
    // and repeats each item by its span: a crafted span alone would make it
    // loop and allocate for billions of sections.
    if (!in.readInt(reinterpret_cast<qint32 *>(&items)) || items != quint32(sections)
        || quint64(items) * 12 > quint64(in.left()))
        return false;
    for (quint32 i = 0; i < items; ++i) {
        qint32 size = 0;
        qint32 span = 0;
        qint32 mode = 0;
        if (!in.readInt(&size) || !in.readInt(&span) || !in.readInt(&mode))
            return false;
        if (span != 1 || size < 0 || size > kMaxSectionSize || mode < 0 || mode > kLastResizeMode)
            return false;
    }
    return true;
}

bool ViewStates::windowStateFits(const QByteArray &state)
{
    // QMainWindow's markers and the limits of what a window of this program
    // holds: four tool bar areas, a few lines of a few tool bars each.
    constexpr quint8 kDockWidgets = 0xfd;
    constexpr quint8 kToolBars = 0xfc;
    constexpr qint32 kAreas = 4;
    constexpr qint32 kMaxLines = 16;
    constexpr qint32 kMaxToolBars = 16;
    constexpr qint32 kMaxNameBytes = 512;
    if (!sizeFits(state))
        return false;
    StateReader in(state);
    qint32 marker = 0;
    qint32 version = 0;
    if (!in.readInt(&marker) || marker != kStateMarker || !in.readInt(&version))
        return false;
    bool docks = false;
    bool toolBars = false;
    while (!in.atEnd()) {
        quint8 section = 0;
        if (!in.readByte(&section))
            return false;
        if (section == kDockWidgets && !docks) {
            // No dock area holds anything; the central widget's size and the
            // four corners follow.
            qint32 areas = -1;
            if (!in.readInt(&areas) || areas != 0 || !in.skip(2 * 4 + 4 * 4))
                return false;
            docks = true;
        } else if (section == kToolBars && !toolBars) {
            qint32 lines = -1;
            if (!in.readInt(&lines) || lines < 0 || lines > kMaxLines)
                return false;
            for (qint32 line = 0; line < lines; ++line) {
                qint32 area = -1;
                qint32 count = -1;
                if (!in.readInt(&area) || area < 0 || area >= kAreas || !in.readInt(&count) || count < 0
                    || count > kMaxToolBars)
                    return false;
                for (qint32 i = 0; i < count; ++i) {
                    // Its object name, then shown and orientation, position,
                    // size and the packed geometry.
                    qint32 nameBytes = 0;
                    if (!in.readInt(&nameBytes) || (nameBytes != -1 && (nameBytes < 0 || nameBytes > kMaxNameBytes))
                        || !in.skip(qMax(nameBytes, 0) + 1 + 4 * 4))
                        return false;
                }
            }
            toolBars = true;
        } else {
            return false;
        }
    }
    return true;
}

bool ViewStates::splitterStateFits(const QByteArray &state, int widgets)
{
    if (!sizeFits(state))
        return false;
    StateReader in(state);
    qint32 marker = 0;
    qint32 version = 0;
    quint32 sizes = 0;
    return in.readInt(&marker) && marker == kStateMarker && in.readInt(&version)
        && in.readCount(4, &sizes) && sizes <= quint32(qMax(widgets, 0));
}
