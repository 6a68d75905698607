#include "tavitemcontainer.h"

#include "fileutils.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfolder.h"
#include "tavitemnamevalidator.h"
#include "tavlogging.h"
#include "tavvault.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutexLocker>
#include <QRecursiveMutex>
#include <QStringList>
#include <QVector>

#include <algorithm>
#include <climits>
#include <functional>
#include <numeric>

namespace {

QString duplicateItemName()
{
    return QCoreApplication::translate("MainWindowClass", "Duplicate item name.");
}

// Counts over positions 0..n-1, with prefix sums and k-th search in log n.
class Fenwick
{
public:
    explicit Fenwick(int n, bool allOnes = false) : tree(n + 1, 0)
    {
        if (allOnes) {
            for (int i = 1; i <= n; ++i)
                tree[i] = i & -i;
        }
    }
    void add(int pos, int delta)
    {
        for (int i = pos + 1; i < tree.size(); i += i & -i)
            tree[i] += delta;
    }
    // Sum over positions [0, end).
    int prefix(int end) const
    {
        int sum = 0;
        for (int i = end; i > 0; i -= i & -i)
            sum += tree[i];
        return sum;
    }
    // The position holding the k-th unit (k from 1).
    int findKth(int k) const
    {
        int pos = 0;
        int step = 1;
        while (step * 2 < tree.size())
            step *= 2;
        for (; step > 0; step /= 2) {
            if (pos + step < tree.size() && tree[pos + step] < k) {
                pos += step;
                k -= tree[pos];
            }
        }
        return pos;
    }

private:
    QVector<int> tree;
};

// The order the exchange sort leaves behind: for i < j, swap positions i and j
// whenever the item now at j is strictly less than the item now at i. The sort
// itself takes n^2/2 comparisons (minutes for a folder of 100,000 items); this
// gives the same permutation, ties included, in n log n, provided `less` is a
// strict weak order.
//
// Why it works: the item kept at i after pass i is the first occurrence of the
// smallest remaining key; the items displaced in the pass are the successive
// strict minima, each moved to the slot of the next. Seen from one class of
// equal keys, the slots holding smaller keys are consumed in position order,
// and each time one is consumed the class's frontmost member jumps to it if it
// stands before it. So the class behaves as a queue that members join in
// position order and that rotates by one for every smaller key met after the
// last member joined. Rotations are counted with a Fenwick tree; the final
// queue is laid out offline from the recorded insertion points.
template <typename Less>
QVector<int> exchangeSortOrder(int n, Less less)
{
    QVector<int> byKey(n);
    std::iota(byKey.begin(), byKey.end(), 0);
    std::stable_sort(byKey.begin(), byKey.end(), less);

    QVector<int> result;
    result.reserve(n);
    Fenwick smaller(n);
    QVector<int> insertAt;
    QVector<int> linear;
    int g = 0;
    while (g < n) {
        int e = g + 1;
        while (e < n && !less(byKey[g], byKey[e]))
            ++e;
        const int c = e - g;
        if (c == 1) {
            result.append(byKey[g]);
        } else {
            // Members of the class, in position order (the sort is stable).
            insertAt.resize(c);
            int head = 0;
            for (int j = 0; j < c; ++j) {
                const int pos = byKey[g + j];
                const int next = j + 1 < c ? byKey[g + j + 1] : n;
                const int rotations = smaller.prefix(next) - smaller.prefix(pos + 1);
                insertAt[j] = head; // joins at the back: just before the head
                head = (head + 1 + rotations) % (j + 1);
            }
            Fenwick freeSlots(c, true);
            linear.resize(c);
            for (int j = c - 1; j >= 0; --j) {
                const int slot = freeSlots.findKth(insertAt[j] + 1);
                freeSlots.add(slot, -1);
                linear[slot] = byKey[g + j];
            }
            for (int k = 0; k < c; ++k)
                result.append(linear[(head + k) % c]);
        }
        for (int j = g; j < e; ++j)
            smaller.add(byKey[j], 1);
        g = e;
    }
    return result;
}

// The exchange sort as it stands, for comparisons that are not a strict weak
// order (invalid dates compare equal to every date).
void literalExchangeSort(QList<TAVItem *> &list, const std::function<int(TAVItem *, TAVItem *)> &compare,
                         Qt::SortOrder order)
{
    const int n = list.size();
    for (int i = 0; i + 1 < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            const int c = compare(list.at(i), list.at(j));
            if ((order == Qt::AscendingOrder && c > 0) || (order == Qt::DescendingOrder && c < 0))
                list.swapItemsAt(i, j);
        }
    }
}

// Whole seconds since 1970, milliseconds dropped, so equal seconds tie.
qint64 wholeSeconds(qint64 ms)
{
    return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

// Milliseconds since 1970 of many dates at once. Converting a local time asks
// the time-zone rules each time (a few microseconds); items added in bulk
// share a handful of days, so the offset of each day is looked up once and
// reused when the day has no change of offset in it.
class EpochCache
{
public:
    qint64 msecs(const QDateTime &d)
    {
        if (d.timeSpec() != Qt::LocalTime)
            return d.toMSecsSinceEpoch();
        const qint64 day = d.date().toJulianDay();
        auto it = dayOffset.constFind(day);
        if (it == dayOffset.constEnd()) {
            const int start = QDateTime(d.date(), QTime(0, 0)).offsetFromUtc();
            const int end = QDateTime(d.date(), QTime(23, 59, 59, 999)).offsetFromUtc();
            it = dayOffset.insert(day, start == end ? start : varies);
        }
        if (*it == varies)
            return d.toMSecsSinceEpoch();
        return (day - julianDayOf1970) * 86400000 + d.time().msecsSinceStartOfDay() - qint64(*it) * 1000;
    }

private:
    static constexpr qint64 julianDayOf1970 = 2440588;
    static constexpr int varies = INT_MIN;
    QHash<qint64, int> dayOffset;
};

int sign(qint64 v)
{
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

} // namespace

namespace {

// Below this many children a walk of the list is as quick as the hash.
constexpr int kHashedFrom = 32;

// Two names have equal keys exactly when QString::compare ignoring case takes
// them for equal: simple case folding per UTF-16 position, a low surrogate
// folded with its high one.
QString nameKey(const QString &name)
{
    QString key;
    key.reserve(name.size() * 2);
    uint last = 0;
    for (const QChar c : name) {
        const uint unit = c.unicode();
        uint ucs4 = unit;
        if (QChar::isLowSurrogate(unit) && QChar::isHighSurrogate(last))
            ucs4 = QChar::surrogateToUcs4(ushort(last), ushort(unit));
        last = unit;
        const uint folded = QChar::toCaseFolded(ucs4);
        key.append(QChar(ushort(folded >> 16))).append(QChar(ushort(folded & 0xFFFF)));
    }
    return key;
}

} // namespace

TAVItemContainer::TAVItemContainer(const QString &name) : TAVItem(name)
{
}

TAVItemContainer::TAVItemContainer(FromIndex) : TAVItem(FromIndex{})
{
}

TAVItem *TAVItemContainer::findChild(const QString &name) const
{
    QMutexLocker lock(&namesMutex);
    if (children.size() < kHashedFrom) {
        for (TAVItem *child : children) {
            if (QString::compare(child->GetDisplayName(), name, Qt::CaseInsensitive) == 0)
                return child;
        }
        return nullptr;
    }
    if (!byNameValid) {
        byName.clear();
        byName.reserve(children.size());
        for (TAVItem *child : children) {
            const QString key = nameKey(child->GetDisplayName());
            if (!byName.contains(key))
                byName.insert(key, child);
        }
        byNameValid = true;
    }
    return byName.value(nameKey(name));
}

void TAVItemContainer::forgetNames() const
{
    QMutexLocker lock(&namesMutex);
    byNameValid = false;
    byName.clear();
}

void TAVItemContainer::noteAdded(TAVItem *item) const
{
    QMutexLocker lock(&namesMutex);
    if (!byNameValid)
        return;
    const QString key = nameKey(item->GetDisplayName());
    if (!byName.contains(key))
        byName.insert(key, item);
}

void TAVItemContainer::childRenamed(TAVItem *child, const QString &oldName)
{
    QMutexLocker lock(&namesMutex);
    if (!byNameValid)
        return;
    Q_UNUSED(child)
    // Nothing under its old name: not in the list yet (a new item naming
    // itself). Otherwise the hash is worked out again on the next lookup:
    // another child may share the old name.
    if (!byName.contains(nameKey(oldName)))
        return;
    byNameValid = false;
    byName.clear();
}

TAVItemContainer::~TAVItemContainer()
{
    // Releases only the list: unloading detaches items that others may still point at.
    children.clear();
    forgetNames();
}

quint64 TAVItemContainer::GetOriginalSize() const
{
    quint64 sum = 0;
    for (const TAVItem *child : children)
        sum += child->GetOriginalSize();
    return sum;
}

quint64 TAVItemContainer::GetCurrentSize() const
{
    quint64 sum = 0;
    for (const TAVItem *child : children)
        sum += child->GetCurrentSize();
    return sum;
}

int TAVItemContainer::GetClassID() const
{
    return TAV_CLASS_CONTAINER;
}

void TAVItemContainer::serialize(QDataStream &stream)
{
    TAVItem::serialize(stream);
    for (TAVItem *child : qAsConst(children))
        child->serialize(stream);
}

void TAVItemContainer::checkNameIsSafe(const QString &name)
{
    if (!TAVItemNameValidator::isPathSafe(name))
        throw TAVException(QCoreApplication::translate("MainWindowClass", "Invalid item name."));
}

void TAVItemContainer::checkNameIsFree(const QString &name, const char *function) const
{
    if (exists(name)) {
        TAVLogger::write(TAVLogger::Error, __FILE__, __LINE__, function) << "Name already exists";
        throw TAVException(duplicateItemName());
    }
}

TAVVault *TAVItemContainer::addVault(const QString &name, const QString &path, TAVCipher cipher,
                                     const TAVKey &key)
{
    checkNameIsSafe(name);
    QString free = name;
    if (exists(name)) {
        LOG_ERROR << "Name already exists";
        free = TAVFileSystem::getInstance()->generateVaultName(name);
    }
    auto *vault = new TAVVault(this, free, path, cipher, key);
    addItem(vault);
    return vault;
}

TAVFolder *TAVItemContainer::addFolder(const QString &name)
{
    checkNameIsFree(name, __func__);
    checkNameIsSafe(name);
    auto *folder = new TAVFolder(this, name);
    addItem(folder);
    return folder;
}

TAVFile *TAVItemContainer::addFile(const QFileInfo &source)
{
    checkNameIsFree(source.filePath(), __func__);
    // The file item names itself after the source and applies the name rules.
    auto *file = new TAVFile(this, source);
    addItem(file);
    return file;
}

TAVFile *TAVItemContainer::addFileWithBody(const QString &source, const QUuid &bodyId, const QDateTime &created,
                                           const QDateTime &modified)
{
    const QString name = FileUtils::getFileName(source);
    checkNameIsFree(name, __func__);
    if (!TAVItemNameValidator::validate(name))
        throw TAVException(QStringLiteral("Invalid file name."));
    // Made as the index loader makes items: no look at the source and no
    // folder for an identifier it would only give up.
    auto *file = new TAVFile(this, TAVItem::FromIndex{});
    addItem(file);
    file->SetName(name);
    file->adoptBody(bodyId, created, modified);
    return file;
}

TAVFile *TAVItemContainer::addFile()
{
    auto *file = new TAVFile(this);
    addItem(file);
    return file;
}

int TAVItemContainer::getItemCount() const
{
    return children.size();
}

int TAVItemContainer::getContainerItemCount() const
{
    int count = 0;
    for (const TAVItem *child : children) {
        if (child->GetClassID() != TAV_CLASS_FILE)
            ++count;
    }
    return count;
}

void TAVItemContainer::renameItem(const QString &oldName, const QString &newName)
{
    TAVItem *item = getItem(oldName);
    if (!item) {
        LOG_ERROR << "file does not exists" << oldName;
        return;
    }
    if (QString::compare(oldName, newName, Qt::CaseInsensitive) == 0)
        return;
    checkNameIsFree(newName, __func__);
    checkNameIsSafe(newName);
    item->SetName(newName);
}

TAVItem *TAVItemContainer::getItem(const QString &name) const
{
    return findChild(name);
}

bool TAVItemContainer::exists(const QString &name) const
{
    return getItem(name) != nullptr;
}

TAVItem *TAVItemContainer::getItemAt(int i) const
{
    if (i < 0 || i >= children.size())
        return nullptr;
    return children.at(i);
}

TAVItemContainer *TAVItemContainer::findItemContainer(const QString &path)
{
    if (path == QLatin1String("/"))
        return this;
    QString trimmed = path;
    if (trimmed.size() >= 2 && trimmed.endsWith(QLatin1Char('/')))
        trimmed.chop(1);
    const QStringList parts = trimmed.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    TAVItemContainer *current = this;
    for (int i = 1; i < parts.size(); ++i) {
        TAVItem *child = current->getItem(parts.at(i));
        if (!child || child->GetClassID() != TAV_CLASS_FOLDER)
            return nullptr;
        current = static_cast<TAVItemContainer *>(child);
    }
    return current;
}

TAVItem *TAVItemContainer::findItem(const QString &path)
{
    if (path == QLatin1String("/"))
        return this;
    const QStringList parts = path.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    if (parts.size() == 1)
        return QString::compare(GetDisplayName(), parts.at(0), Qt::CaseInsensitive) == 0 ? this : nullptr;
    TAVItemContainer *current = this;
    for (int i = 1; i < parts.size(); ++i) {
        TAVItem *child = current->getItem(parts.at(i));
        if (!child)
            return nullptr;
        if (i == parts.size() - 1)
            return child;
        if (child->GetClassID() != TAV_CLASS_FOLDER)
            return nullptr;
        current = static_cast<TAVItemContainer *>(child);
    }
    return nullptr;
}

void TAVItemContainer::addItem(TAVItem *item)
{
    item->SetParent(this);
    children.append(item);
    noteAdded(item);
}

void TAVItemContainer::removeItem(TAVItem *item)
{
    children.removeOne(item);
    forgetNames();
}

void TAVItemContainer::removeItem(const QString &name)
{
    QMutexLocker lock(GetMutex());
    for (int i = 0; i < children.size(); ++i) {
        TAVItem *child = children.at(i);
        if (child->GetName() != name)
            continue;
        if (child->GetClassID() != TAV_CLASS_FILE)
            static_cast<TAVItemContainer *>(child)->removeAll();
        children.removeAt(i);
        forgetNames();
        delete child;
        return;
    }
}

QList<TAVItem *> TAVItemContainer::takeAll()
{
    QList<TAVItem *> taken;
    taken.swap(children);
    forgetNames();
    return taken;
}

void TAVItemContainer::removeAll()
{
    QMutexLocker lock(GetMutex());
    forgetNames();
    while (!children.isEmpty()) {
        TAVItem *child = children.takeFirst();
        if (child->GetClassID() != TAV_CLASS_FILE)
            static_cast<TAVItemContainer *>(child)->removeAll();
        delete child;
    }
}

namespace {
// The body paths below an item. A file outside any vault has none, and an
// empty path must never reach a removal: it would name the working folder.
void collectBodies(TAVItem *item, QStringList &bodies)
{
    if (item->GetClassID() == TAV_CLASS_FILE) {
        const QString body = static_cast<TAVFile *>(item)->getFullPhysicalFileName();
        if (!body.isEmpty())
            bodies << body;
        return;
    }
    const auto *container = static_cast<TAVItemContainer *>(item);
    for (int i = 0; i < container->getItemCount(); ++i)
        collectBodies(container->getItemAt(i), bodies);
}

// Destroys an item that is out of every list, with its subtree.
void destroyTree(TAVItem *item)
{
    if (item->GetClassID() != TAV_CLASS_FILE)
        static_cast<TAVItemContainer *>(item)->removeAll();
    delete item;
}

// The bodies of items that left a vault's tree wait for the vault's next
// saved index: until then the index on the disk lists their items. Out of
// the root (a whole vault deleted, its index removed first) they go now.
void releaseBodies(const TAVItemContainer *container, const QStringList &bodies)
{
    if (bodies.isEmpty())
        return;
    TAVItem *vault = nullptr;
    if (container->getVault(&vault) == 0)
        static_cast<TAVVault *>(vault)->discardBodies(bodies);
    else
        FileUtils::removeDelayed(bodies, false);
}
} // namespace

void TAVItemContainer::deleteItem(const QString &name)
{
    QMutexLocker lock(GetMutex());
    TAVItem *child = getItem(name);
    if (!child)
        return;
    // Found while the item still hangs in the tree.
    QStringList bodies;
    collectBodies(child, bodies);
    children.removeOne(child);
    forgetNames();
    destroyTree(child);
    releaseBodies(this, bodies);
}

void TAVItemContainer::deleteAll()
{
    QMutexLocker lock(GetMutex());
    QStringList bodies;
    for (TAVItem *child : qAsConst(children))
        collectBodies(child, bodies);
    forgetNames();
    while (!children.isEmpty())
        destroyTree(children.takeFirst());
    releaseBodies(this, bodies);
}

int TAVItemContainer::compareItemName(TAVItem *a, TAVItem *b)
{
    if (a->GetClassID() != b->GetClassID())
        return a->GetClassID() == TAV_CLASS_FILE ? 1 : -1;
    return QString::compare(a->GetDisplayName().toUpper(), b->GetDisplayName().toUpper(),
                            Qt::CaseSensitive);
}

void TAVItemContainer::sort(int column, Qt::SortOrder order)
{
    const int n = children.size();
    if (n < 2 || column < 0 || column > 5)
        return;

    // Keys computed once per item; `less` is the order in which the ascending
    // exchange sort would swap (a descending sort uses its mirror).
    QVector<qint64> number(n);
    QVector<QString> upper;
    QVector<bool> isFile;
    bool weakOrder = true; // whether the comparison is a strict weak order
    std::function<int(TAVItem *, TAVItem *)> compare;

    switch (column) {
    case 0: {
        upper.resize(n);
        isFile.resize(n);
        int otherClass = -1;
        for (int i = 0; i < n; ++i) {
            const int cls = children.at(i)->GetClassID();
            upper[i] = children.at(i)->GetDisplayName().toUpper();
            isFile[i] = cls == TAV_CLASS_FILE;
            // Two kinds other than files (never seen in one container) compare
            // -1 both ways, which no order can reproduce.
            if (!isFile[i]) {
                if (otherClass != -1 && otherClass != cls)
                    weakOrder = false;
                otherClass = cls;
            }
        }
        compare = &TAVItemContainer::compareItemName;
        break;
    }
    case 1:
        for (int i = 0; i < n; ++i)
            number[i] = children.at(i)->GetClassID();
        compare = [](TAVItem *a, TAVItem *b) { return a->GetClassID() - b->GetClassID(); };
        break;
    case 2:
    case 3: {
        const bool createdDate = column == 2;
        auto date = [createdDate](TAVItem *item) {
            return createdDate ? item->GetCreatedDate() : item->GetModifiedDate();
        };
        EpochCache epoch;
        QVector<bool> valid(n);
        for (int i = 0; i < n; ++i) {
            const QDateTime d = date(children.at(i));
            valid[i] = d.isValid();
            if (valid[i])
                number[i] = -wholeSeconds(epoch.msecs(d)); // ascending puts the latest first
            else
                weakOrder = false; // an invalid date ties with every date
        }
        if (!weakOrder) {
            QHash<TAVItem *, qint64> seconds;
            for (int i = 0; i < n; ++i) {
                if (valid[i])
                    seconds.insert(children.at(i), -number[i]);
            }
            compare = [seconds](TAVItem *a, TAVItem *b) {
                const auto sa = seconds.constFind(a);
                const auto sb = seconds.constFind(b);
                if (sa == seconds.constEnd() || sb == seconds.constEnd())
                    return 0;
                return sign(*sb - *sa);
            };
        }
        break;
    }
    case 4:
    case 5: {
        const bool current = column == 4;
        auto size = [current](TAVItem *item) {
            return current ? item->GetCurrentSize() : item->GetOriginalSize();
        };
        QVector<quint64> sizes(n);
        for (int i = 0; i < n; ++i)
            sizes[i] = size(children.at(i));
        // Unsigned sizes don't fit qint64 keys; order them by rank instead.
        QVector<quint64> distinct = sizes;
        std::sort(distinct.begin(), distinct.end());
        distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
        for (int i = 0; i < n; ++i)
            number[i] = std::lower_bound(distinct.begin(), distinct.end(), sizes[i]) - distinct.begin();
        compare = [size](TAVItem *a, TAVItem *b) {
            const quint64 sa = size(a);
            const quint64 sb = size(b);
            return sa > sb ? 1 : (sa < sb ? -1 : 0);
        };
        break;
    }
    }

    if (!weakOrder) {
        literalExchangeSort(children, compare, order);
        return;
    }

    std::function<bool(int, int)> ascendingLess;
    if (column == 0) {
        ascendingLess = [&](int a, int b) {
            if (isFile[a] != isFile[b])
                return !isFile[a];
            return QString::compare(upper[a], upper[b], Qt::CaseSensitive) < 0;
        };
    } else {
        ascendingLess = [&](int a, int b) { return number[a] < number[b]; };
    }
    QVector<int> permutation;
    if (order == Qt::AscendingOrder)
        permutation = exchangeSortOrder(n, ascendingLess);
    else
        permutation = exchangeSortOrder(n, [&](int a, int b) { return ascendingLess(b, a); });

    QList<TAVItem *> sorted;
    sorted.reserve(n);
    for (int index : qAsConst(permutation))
        sorted.append(children.at(index));
    children = sorted;
    forgetNames(); // the first of equal names may have changed
}
