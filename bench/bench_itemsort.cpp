// Sorting a folder's children by each column: the n log n sort at 2,000 to
// 100,000 children, against the plain exchange sort (n^2/2 comparisons) whose
// order it reproduces, measured in the same run where that is still bearable.
#include "tavfile.h"
#include "tavfolder.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>

namespace {

TAVFolder *makeFolder(int n)
{
    QRandomGenerator rng(11);
    auto *folder = new TAVFolder(nullptr, QStringLiteral("bench"));
    const QDateTime base(QDate(2020, 1, 1), QTime(0, 0));
    for (int i = 0; i < n; ++i) {
        TAVItem *item;
        if (rng.bounded(10) == 0) {
            item = new TAVFolder(folder, QString());
        } else {
            item = new TAVFile(folder);
            const quint64 size = rng.bounded(5) == 0 ? 0 : rng.generate();
            item->SetOriginalSize(size);
            item->SetCurrentSize(size + 512);
        }
        item->SetName(QStringLiteral("Name %1 %2").arg(rng.bounded(n)).arg(i));
        folder->addItem(item);
        // Bulk adds: many items share a second.
        const QDateTime d = base.addMSecs(qint64(rng.bounded(n / 10 + 1)) * 1000 + rng.bounded(1000));
        item->SetCreatedDate(d);
        item->SetModifiedDate(d);
    }
    return folder;
}

void destroy(TAVFolder *folder)
{
    folder->removeAll();
    delete folder;
}

void exchangeSort(TAVFolder *folder, int column)
{
    QList<TAVItem *> list;
    for (int i = 0; i < folder->getItemCount(); ++i)
        list << folder->getItemAt(i);
    for (int i = 0; i + 1 < list.size(); ++i)
        for (int j = i + 1; j < list.size(); ++j) {
            TAVItem *a = list.at(i);
            TAVItem *b = list.at(j);
            int c = 0;
            switch (column) {
            case 0: c = TAVItemContainer::compareItemName(a, b); break;
            case 3: c = int(qBound<qint64>(-1, a->GetModifiedDate().secsTo(b->GetModifiedDate()), 1)); break;
            case 4: c = a->GetCurrentSize() > b->GetCurrentSize() ? 1 : (a->GetCurrentSize() < b->GetCurrentSize() ? -1 : 0); break;
            }
            if (c > 0)
                list.swapItemsAt(i, j);
        }
}

double sortMs(TAVFolder *folder, int column, bool plain)
{
    double best = 1e300;
    for (int r = 0; r < 3; ++r) {
        folder->sort(1, Qt::DescendingOrder); // same starting order each run
        QElapsedTimer timer;
        timer.start();
        if (plain)
            exchangeSort(folder, column);
        else
            folder->sort(column, Qt::AscendingOrder);
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main()
{
    const struct
    {
        int column;
        const char *label;
    } columns[] = {{0, "name"}, {3, "modified"}, {4, "size"}};

    std::printf("Sorting children, ascending (best of 3 runs)\n\n");
    std::printf("%-10s %-10s %12s %16s %8s\n", "children", "column", "sort ms", "exchange sort ms", "ratio");
    for (int n : {2000, 10000, 100000}) {
        TAVFolder *folder = makeFolder(n);
        for (const auto &c : columns) {
            const double ours = sortMs(folder, c.column, false);
            if (n <= 2000) {
                const double plain = sortMs(folder, c.column, true);
                std::printf("%-10d %-10s %12.2f %16.2f %8.4f\n", n, c.label, ours, plain, ours / plain);
            } else {
                std::printf("%-10d %-10s %12.2f %16s %8s\n", n, c.label, ours, "-", "-");
            }
        }
        destroy(folder);
    }
    return 0;
}
