// Name search index: rebuild and prefix queries at 10,000 to 100,000 names,
// against a reference that stores every prefix of every name as a hash key
// (measured in the same run).
#include "tavfolder.h"
#include "tavsearchindex.h"

#include <QElapsedTimer>
#include <QMultiHash>
#include <QRandomGenerator>
#include <QStringList>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class PrefixHashIndex
{
public:
    void clear() { hash.clear(); }
    void addItem(TAVItem *item)
    {
        const QString key = item->GetDisplayName().toLower();
        for (int n = 1; n <= key.size(); ++n)
            hash.insert(key.left(n), item);
    }
    QList<TAVItem *> searchItems(const QString &text) const { return hash.values(text.toLower()); }

private:
    QMultiHash<QString, TAVItem *> hash;
};

QStringList makeNames(int n)
{
    QRandomGenerator rng(42);
    static const char *syllables[] = {"ka", "lo", "mi", "ter", "sun", "ra", "ve", "no", "bel", "dor",
                                      "ix", "tu", "pa", "gen", "ol", "fi", "que", "sta", "wy", "zen"};
    static const char *extensions[] = {".txt", ".pdf", ".jpg", ".docx", ".xlsx", ".png", ".mp3", ""};
    QStringList names;
    names.reserve(n);
    for (int i = 0; i < n; ++i) {
        const int kind = int(rng.bounded(10));
        QString word;
        const int count = 1 + int(rng.bounded(4));
        for (int k = 0; k < count; ++k)
            word += QLatin1String(syllables[rng.bounded(20)]);
        if (kind < 3) {
            names << QStringLiteral("IMG_%1.JPG").arg(i, 5, 10, QLatin1Char('0'));
        } else if (kind < 5) {
            names << QStringLiteral("Document %1 %2.docx").arg(word).arg(rng.bounded(1000));
        } else {
            word[0] = word[0].toUpper();
            names << word + QStringLiteral(" ") + QString::number(rng.bounded(100000))
                    + QLatin1String(extensions[rng.bounded(8)]);
        }
    }
    return names;
}

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

template <typename Index>
double rebuildMs(Index &index, const std::vector<TAVItem *> &items, int n, int repeats)
{
    double best = 1e300;
    for (int r = 0; r < repeats; ++r) {
        QElapsedTimer timer;
        timer.start();
        index.clear();
        for (int i = 0; i < n; ++i)
            index.addItem(items[i]);
        index.searchItems(QStringLiteral("x")); // the first search after a change completes the rebuild
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

// Mean time of one query over the given texts, and the mean number of hits.
template <typename Index>
std::pair<double, double> queryUs(const Index &index, const QStringList &texts, int repeats)
{
    double best = 1e300;
    qint64 hits = 0;
    for (int r = 0; r < repeats; ++r) {
        hits = 0;
        QElapsedTimer timer;
        timer.start();
        for (const QString &t : texts)
            hits += index.searchItems(t).size();
        best = std::min(best, timer.nsecsElapsed() / 1e3 / texts.size());
    }
    return {best, double(hits) / texts.size()};
}

} // namespace

int main()
{
    const int maxN = 100000;
    const QStringList names = makeNames(maxN);
    std::vector<TAVItem *> items;
    items.reserve(maxN);
    for (const QString &name : names)
        items.push_back(new TAVFolder(nullptr, name));

    TAVSearchIndex index;
    PrefixHashIndex reference;

    std::printf("Name search index (best of 9 runs, reference of 3; reference: every prefix as a hash key)\n\n");
    std::printf("%-10s %14s %14s %8s\n", "names", "rebuild ms", "reference ms", "ratio");
    // Ours first, then the reference, so its large heap doesn't weigh on ours.
    const int sizes[] = {10000, 20000, 50000, 100000};
    double ours[4];
    double ref[4];
    for (int k = 0; k < 4; ++k)
        ours[k] = rebuildMs(index, items, sizes[k], 9);
    index.clear();
    for (int k = 0; k < 4; ++k)
        ref[k] = rebuildMs(reference, items, sizes[k], 3);
    reference.clear();
    for (int k = 0; k < 4; ++k)
        std::printf("%-10d %14.2f %14.2f %8.3f\n", sizes[k], ours[k], ref[k], ours[k] / ref[k]);
    std::printf("growth 10,000 -> 100,000: x%.1f, reference x%.1f (linear x10, n log n x12.5)\n\n", ours[3] / ours[0],
                ref[3] / ref[0]);

    // Heap taken by a full index of 100,000 names.
    index.clear();
    reference.clear();
    size_t before = heapInUse();
    rebuildMs(index, items, maxN, 1);
    const size_t oursHeap = heapInUse() - before;
    before = heapInUse();
    rebuildMs(reference, items, maxN, 1);
    const size_t refHeap = heapInUse() - before;
    std::printf("heap for 100,000 names: %.1f MB, reference %.1f MB\n\n", oursHeap / 1048576.0, refHeap / 1048576.0);

    // Queries over the full index.
    QRandomGenerator rng(7);
    QStringList typical;
    for (int i = 0; i < 1000; ++i)
        typical << names.at(int(rng.bounded(maxN))).left(4);
    QStringList longer;
    for (int i = 0; i < 1000; ++i) {
        const QString &name = names.at(int(rng.bounded(maxN)));
        longer << name.left(std::max(1, name.size() - 3));
    }
    const struct
    {
        const char *label;
        QStringList texts;
    } cases[] = {
        {"4-character prefixes of random names", typical},
        {"all but the last 3 characters", longer},
        {"\"img_\" (30% of all names)", QStringList{QStringLiteral("img_")}},
        {"\"d\" (over 20% of all names)", QStringList{QStringLiteral("d")}},
        {"\"zzz\" (no hit)", QStringList{QStringLiteral("zzz")}},
    };
    std::printf("query over 100,000 names       %12s %12s %12s %8s\n", "mean hits", "us/query", "reference us",
                "ratio");
    for (const auto &c : cases) {
        const auto ours = queryUs(index, c.texts, 5);
        const auto ref = queryUs(reference, c.texts, 5);
        std::printf("%-38s %10.1f %12.2f %12.2f %8.3f\n", c.label, ours.second, ours.first, ref.first,
                    ours.first / ref.first);
    }

    for (TAVItem *item : items)
        delete item;
    return 0;
}
