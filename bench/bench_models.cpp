// The vault models at size: setRootItem (sort by name, then reset) on a folder
// of 10,000 and 100,000 children, bare and with a detailed view attached,
// against a plain std::sort of the same names; and laying out the folder tree
// of 2,000 sub-folders, against the row look-up that rebuilds its sorted map
// on every call.
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfilesystemtreemodel.h"
#include "tavfolder.h"
#include "tavkey.h"
#include "tavvault.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTreeView>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

double bestMs(int runs, const std::function<void()> &prepare, const std::function<void()> &work)
{
    double best = 1e300;
    for (int r = 0; r < runs; ++r) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

TAVVault *addVault(const QString &name, const QString &folder)
{
    auto *vault = new TAVVault(TAVFileSystem::getInstance(), name, folder, TAV_AES256, TAVKey());
    vault->setLoaded(true);
    TAVFileSystem::getInstance()->addItem(vault);
    return vault;
}

void removeVault(TAVVault *vault)
{
    TAVFileSystem::getInstance()->removeItem(vault);
    vault->removeAll();
    delete vault;
}

// n children, one in ten a folder, random names and sizes.
TAVFolder *fill(TAVFolder *folder, int n)
{
    QRandomGenerator rng(7);
    for (int i = 0; i < n; ++i) {
        TAVItem *item;
        if (rng.bounded(10) == 0) {
            item = new TAVFolder(folder, QString());
        } else {
            item = new TAVFile(folder);
            const quint64 size = rng.bounded(1u << 30);
            item->SetOriginalSize(size);
            item->SetCurrentSize(size + 512);
        }
        item->SetName(QStringLiteral("Item %1 %2").arg(rng.bounded(n)).arg(i));
        folder->addItem(item);
    }
    return folder;
}

void benchReset(int n, double &bare, double &viewed, double &sortOnly, double &reference)
{
    auto *vault = addVault(QStringLiteral("Big"), QString());
    auto *folder = new TAVFolder(vault, QStringLiteral("folder"));
    vault->addItem(folder);
    fill(folder, n);
    TAVFileSystemModel *model = TAVFileSystemModel::getInstance();
    // Each run starts from the order of another column.
    auto scramble = [folder] { folder->sort(5, Qt::AscendingOrder); };

    bare = bestMs(5, scramble, [&] { model->setRootItem(folder); });
    sortOnly = bestMs(5, scramble, [&] { folder->sort(0, Qt::AscendingOrder); });
    {
        QTreeView view;
        view.setUniformRowHeights(true);
        view.resize(800, 600);
        view.setModel(model);
        viewed = bestMs(5, scramble, [&] {
            model->setRootItem(folder);
            view.doItemsLayout();
        });
    }
    QStringList names;
    for (int i = 0; i < folder->getItemCount(); ++i)
        names << folder->getItemAt(i)->GetDisplayName().toUpper();
    QStringList copy;
    reference = bestMs(5, [&] { copy = names; std::shuffle(copy.begin(), copy.end(), *QRandomGenerator::global()); },
                       [&] { std::sort(copy.begin(), copy.end()); });
    model->setRootItem(nullptr);
    removeVault(vault);
}

// What laying out the tree asks of the model: every node's index, parent,
// row count, name and icon.
int walk(QAbstractItemModel *model, const QModelIndex &parent)
{
    int nodes = 0;
    const int rows = model->rowCount(parent);
    for (int row = 0; row < rows; ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        if (model->parent(index) != parent)
            std::abort();
        model->data(index, Qt::DisplayRole);
        model->data(index, Qt::DecorationRole);
        nodes += 1 + walk(model, index);
    }
    return nodes;
}

// The row look-up as first written: a sorted map of the siblings per call.
TAVItem *itemAtRowUncached(TAVItemContainer *container, int row)
{
    QMap<QString, QString> map;
    for (int i = 0; i < container->getItemCount(); ++i) {
        TAVItem *child = container->getItemAt(i);
        if (child->GetClassID() != TAV_CLASS_FILE)
            map.insert(child->GetDisplayName().toLower(), child->GetDisplayName());
    }
    if (map.size() <= row)
        return nullptr;
    return container->getItem(map.values().at(row));
}

void benchTree(const char *shape, int groups, int perGroup)
{
    QTemporaryDir dir;
    auto *vault = addVault(QStringLiteral("Tree"), dir.path());
    QRandomGenerator rng(3);
    int folders = 0;
    for (int g = 0; g < groups; ++g) {
        TAVItemContainer *parent = vault;
        if (groups > 1) {
            parent = new TAVFolder(vault, QStringLiteral("Group %1").arg(rng.bounded(100000)) + QString::number(g));
            vault->addItem(parent);
            ++folders;
        }
        for (int i = 0; i < perGroup; ++i) {
            auto *sub = new TAVFolder(parent, QStringLiteral("Folder %1 %2").arg(rng.bounded(100000)).arg(i));
            parent->addItem(sub);
            ++folders;
        }
    }
    TAVFileSystemTreeModel *model = TAVFileSystemTreeModel::getInstance();
    int nodes = 0;
    const double walkMs = bestMs(3, [] {}, [&] {
        model->setRootItem(nullptr);
        nodes = walk(model, QModelIndex());
    });
    double viewMs = 0;
    {
        QTreeView view;
        view.resize(400, 800);
        view.setModel(model);
        viewMs = bestMs(3, [] {}, [&] {
            model->setRootItem(nullptr);
            view.expandAll();
            view.grab();
        });
    }
    // The uncached look-up of every row of the largest sibling list.
    TAVItemContainer *widest = vault;
    if (groups > 1)
        widest = static_cast<TAVItemContainer *>(vault->getItemAt(0));
    const int widestRows = widest->getContainerItemCount();
    const double uncachedMs = bestMs(1, [] {}, [&] {
        for (int row = 0; row < widestRows; ++row)
            itemAtRowUncached(widest, row);
    });
    const double cachedMs = bestMs(3, [&] { model->setRootItem(nullptr); }, [&] {
        for (int row = 0; row < widestRows; ++row)
            model->getItemAtRow(widest, row);
    });
    std::printf("tree %-22s %5d folders: walk %8.2f ms (%d nodes), expand and paint in a view %8.2f ms\n",
                shape, folders, walkMs, nodes - 1, viewMs);
    std::printf("     every row of %4d siblings: %8.3f ms, per-call sorted map (reference) %9.2f ms, ratio %.4f\n",
                widestRows, cachedMs, uncachedMs, cachedMs / uncachedMs);
    model->setRootItem(nullptr);
    removeVault(vault);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::printf("setRootItem on one folder (sort by name, then reset); references: the container's own sort,\n"
                "std::sort of the upper-cased names\n");
    double previous[3] = {0, 0, 0};
    for (int n : {10000, 100000}) {
        double bare = 0, viewed = 0, sortOnly = 0, reference = 0;
        benchReset(n, bare, viewed, sortOnly, reference);
        std::printf("  %6d children: setRootItem %7.2f ms, with a tree view %7.2f ms; container sort %7.2f ms, "
                    "std::sort %7.2f ms; setRootItem / std::sort %.2f\n",
                    n, bare, viewed, sortOnly, reference, bare / reference);
        if (previous[0] > 0) {
            const double nlogn = (n * std::log(double(n))) / (n / 10 * std::log(double(n / 10)));
            std::printf("  growth 10,000 -> 100,000: model x%.1f, with a view x%.1f, std::sort x%.1f "
                        "(n log n gives x%.1f)\n",
                        bare / previous[0], viewed / previous[1], reference / previous[2], nlogn);
        }
        previous[0] = bare;
        previous[1] = viewed;
        previous[2] = reference;
    }

    std::printf("Folder tree model\n");
    benchTree("flat (one folder)", 1, 2000);
    benchTree("40 groups of 49", 40, 49);
    return 0;
}
