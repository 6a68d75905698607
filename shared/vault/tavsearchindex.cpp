#include "tavsearchindex.h"

#include "tavitem.h"

#include <algorithm>
#include <functional>
#include <numeric>

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
    byKey.clear();
    sorted = true;
}

void TAVSearchIndex::addItem(TAVItem *item)
{
    const QString key = item->GetDisplayName().toLower();
    if (key.isEmpty())
        return;
    entries.append(Entry{key, item});
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

void TAVSearchIndex::sortIfNeeded() const
{
    if (sorted)
        return;
    byKey.resize(entries.size());
    std::iota(byKey.begin(), byKey.end(), 0);
    std::sort(byKey.begin(), byKey.end(), [this](int a, int b) {
        const int c = QString::compare(entries.at(a).key, entries.at(b).key, Qt::CaseSensitive);
        return c != 0 ? c < 0 : a < b;
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
    const auto first = std::lower_bound(byKey.cbegin(), byKey.cend(), prefix, [this](int e, const QString &p) {
        return QString::compare(entries.at(e).key, p, Qt::CaseSensitive) < 0;
    });
    const auto last = std::partition_point(first, byKey.cend(), [this, &prefix](int e) {
        return entries.at(e).key.startsWith(prefix, Qt::CaseSensitive);
    });
    const int count = int(last - first);
    if (count == 0)
        return result;

    // Most recently added first: descending insertion order.
    result.reserve(count);
    if (count <= entries.size() / 64) {
        QVector<int> hits(first, last);
        std::sort(hits.begin(), hits.end(), std::greater<int>());
        for (int e : qAsConst(hits))
            result.append(entries.at(e).item);
    } else {
        // Many hits: mark them in a bitmap and read it backwards, linear time.
        QVector<quint64> bits((entries.size() + 63) / 64, 0);
        for (auto it = first; it != last; ++it)
            bits[*it / 64] |= quint64(1) << (*it % 64);
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
