#include "tavsearchindex.h"

#include "tavitem.h"

#include <algorithm>
#include <functional>

namespace {

quint64 packHead(QStringView key, int from)
{
    quint64 head = 0;
    for (int i = from; i < from + 4; ++i)
        head = (head << 16) | (i < key.size() ? key.at(i).unicode() : 0);
    return head;
}

} // namespace

TAVSearchIndex *TAVSearchIndex::getInstance()
{
    static TAVSearchIndex *index = new TAVSearchIndex; // lives until the process ends
    return index;
}

TAVSearchIndex::TAVSearchIndex() = default;

TAVSearchIndex::~TAVSearchIndex() = default;

void TAVSearchIndex::clear()
{
    entries.clear();
    keys.clear();
    byKey.clear();
    sorted = true;
}

void TAVSearchIndex::squeeze()
{
    keys.squeeze();
    entries.squeeze();
}

void TAVSearchIndex::addItem(TAVItem *item)
{
    const QString name = item->GetDisplayName();
    if (name.isEmpty())
        return;
    const int offset = keys.size();
    // Most names are ASCII: lower-cased in place, with no copy of each.
    const bool ascii = std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        keys += name;
        QChar *key = keys.data() + offset;
        for (int i = 0; i < name.size(); ++i) {
            if (key[i] >= QLatin1Char('A') && key[i] <= QLatin1Char('Z'))
                key[i] = QChar(ushort(key[i].unicode() + ('a' - 'A')));
        }
    } else {
        keys += name.toLower();
    }
    entries.append(Entry{item, offset, keys.size() - offset});
    sorted = false;
}

void TAVSearchIndex::removeItem(TAVItem *item)
{
    const auto end = std::remove_if(entries.begin(), entries.end(),
                                    [item](const Entry &e) { return e.item == item; });
    if (end == entries.end())
        return;
    entries.erase(end, entries.end());
    sorted = false;
}

QStringView TAVSearchIndex::keyOf(int entry) const
{
    const Entry &e = entries.at(entry);
    return QStringView(keys).mid(e.offset, e.length);
}

void TAVSearchIndex::sortIfNeeded() const
{
    if (sorted)
        return;
    byKey.resize(entries.size());
    for (int i = 0; i < entries.size(); ++i)
        byKey[i] = Sorted{packHead(keyOf(i), 0), packHead(keyOf(i), 4), i};
    std::sort(byKey.begin(), byKey.end(), [this](const Sorted &a, const Sorted &b) {
        if (a.head != b.head)
            return a.head < b.head;
        if (a.next != b.next)
            return a.next < b.next;
        const int c = keyOf(a.entry).compare(keyOf(b.entry), Qt::CaseSensitive);
        return c != 0 ? c < 0 : a.entry < b.entry;
    });
    sorted = true;
}

QList<TAVItem *> TAVSearchIndex::searchItems(const QString &text) const
{
    QList<TAVItem *> result;
    const QString prefix = text.toLower();
    if (prefix.isEmpty())
        return result;
    sortIfNeeded();

    // Keys starting with the prefix are contiguous in code-unit order.
    const QStringView p(prefix);
    const auto first = std::lower_bound(byKey.cbegin(), byKey.cend(), p, [this](const Sorted &s, QStringView v) {
        return keyOf(s.entry).compare(v, Qt::CaseSensitive) < 0;
    });
    const auto last = std::partition_point(first, byKey.cend(), [this, p](const Sorted &s) {
        return keyOf(s.entry).startsWith(p, Qt::CaseSensitive);
    });
    const int count = int(last - first);
    if (count == 0)
        return result;

    // Most recently added first: descending insertion order.
    result.reserve(count);
    if (count <= entries.size() / 64) {
        QVector<int> hits;
        hits.reserve(count);
        for (auto it = first; it != last; ++it)
            hits.append(it->entry);
        std::sort(hits.begin(), hits.end(), std::greater<int>());
        for (int e : qAsConst(hits))
            result.append(entries.at(e).item);
    } else {
        // Many hits: mark them in a bitmap and read it backwards, linear time.
        QVector<quint64> bits((entries.size() + 63) / 64, 0);
        for (auto it = first; it != last; ++it)
            bits[it->entry / 64] |= quint64(1) << (it->entry % 64);
        for (int w = bits.size() - 1; w >= 0; --w) {
            quint64 word = bits.at(w);
            while (word) {
                const int bit = 63 - __builtin_clzll(word);
                result.append(entries.at(w * 64 + bit).item);
                word &= ~(quint64(1) << bit);
            }
        }
    }
    return result;
}
