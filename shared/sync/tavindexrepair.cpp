#include "tavindexrepair.h"
#include "trcontext.h"

#include "atomicfilewriter.h"
#include "clock.h"
#include "fileutils.h"
#include "masterkey.h"
#include "pendingbodies.h"
#include "productinfo.h"
#include "prompter.h"
#include "tavcrypto.h"
#include "tavcryptofile.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfolder.h"
#include "tavitemnamevalidator.h"
#include "tavkeychain.h"
#include "tavlogging.h"
#include "tavsync.h"
#include "tavvault.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <exception>

const QString TAVIndexRepair::kRecoveredFolder = QStringLiteral("Recovered");

namespace {

// lupdate does not see texts passed through here: write
// VaultPropertyText::tr("...") instead.
[[maybe_unused]] QString text(const char *source)
{
    return QCoreApplication::translate("TavVaultProperty", source);
}

// Vaults being repaired. GUI thread only, like the repair.
QSet<const TAVVault *> &repairsRunning()
{
    static QSet<const TAVVault *> vaults;
    return vaults;
}

void letEventsRun()
{
    QCoreApplication::processEvents();
}

// The name the system gives bodies: the identifier's 32 lower-case digits.
bool isBodyName(const QString &name)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9a-f]{32}$"));
    return digits.match(name).hasMatch();
}

// The item-name rule, and no control characters: a header read under a
// wrong key decodes to bytes that are mostly neither.
bool isValidName(const QString &name)
{
    if (!TAVItemNameValidator::validate(name))
        return false;
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

// A stored name that looks like one the system wrote: an in-vault path, a
// bare file name, or the tail of a path cut to fit the header.
bool looksWritten(const QString &stored)
{
    const QString path = stored.startsWith(QLatin1Char('/')) ? stored.mid(1) : stored;
    const QStringList parts = path.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    return std::all_of(parts.cbegin(), parts.cend(), isValidName);
}

// The name with what the rule refuses replaced; the fallback when nothing usable is left.
QString usableName(const QString &name, const QString &fallback)
{
    static const QString refused = QStringLiteral("/:*?\"<>|");
    QString clean;
    clean.reserve(name.size());
    for (const QChar c : name)
        clean += (c.category() == QChar::Other_Control || refused.contains(c) || c.isNull()) ? QChar('_') : c;
    return isValidName(clean) ? clean : fallback;
}

// "a.doc", else "a (2).doc", "a (3).doc", ...: the first not taken in the container.
QString freeName(const TAVItemContainer *container, const QString &name)
{
    if (!container->exists(name))
        return name;
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > 0 ? name.left(dot) : name;
    const QString suffix = dot > 0 ? name.mid(dot) : QString();
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(suffix);
        if (!container->exists(candidate))
            return candidate;
    }
}

// Where a stored name puts its item: the folders below the vault and the
// name. Not usable (the item then goes to "Recovered") when a part breaks
// the name rule, or when the name is the tail of a path cut to fit the
// header, whose first folder is only a fragment.
struct StoredPlace
{
    QStringList folders;
    QString name;
    bool usable = false;
};

StoredPlace placeOf(const QString &stored)
{
    StoredPlace place;
    const int slash = stored.lastIndexOf(QLatin1Char('/'));
    place.name = stored.mid(slash + 1);
    if (slash >= 0 && !stored.startsWith(QLatin1Char('/')))
        return place;
    const QString folderPart = slash > 0 ? stored.left(slash).mid(1) : QString();
    if (slash > 0)
        place.folders = folderPart.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    place.usable = isValidName(place.name) && std::all_of(place.folders.cbegin(), place.folders.cend(), isValidName);
    return place;
}

void collectFiles(TAVItemContainer *container, QList<TAVFile *> *files)
{
    for (int i = 0; i < container->getItemCount(); ++i) {
        TAVItem *item = container->getItemAt(i);
        if (item->GetClassID() == TAV_CLASS_FILE)
            files->append(static_cast<TAVFile *>(item));
        else if (item->GetClassID() == TAV_CLASS_FOLDER)
            collectFiles(static_cast<TAVItemContainer *>(item), files);
    }
}

QString bodyNameOf(const TAVFile *file)
{
    return QFileInfo(file->getFullPhysicalFileName()).completeBaseName();
}

} // namespace

// A body that no item owns, with what its header says.
struct TAVIndexRepair::Header
{
    QString path;
    QString bodyName;
    QString stored;
    QDateTime created;
    QDateTime modified; // the body file's: when its content was last written
    quint64 size = 0;
};

// What the repair changed in the tree, to put back when it can't be saved.
struct TAVIndexRepair::Undo
{
    QList<QPair<TAVItemContainer *, QList<TAVItem *>>> lists; // each container's list before its first change
    QSet<const TAVItem *> touched;
    struct Dates
    {
        TAVItem *item;
        QDateTime created;
        QDateTime modified;
    };
    QList<Dates> dates; // ancestors' dates before they were raised, top first
    QSet<const TAVItem *> dated;
    QList<TAVItem *> made;
    QSet<const TAVItem *> madeSet;

    void touch(TAVItemContainer *container)
    {
        if (madeSet.contains(container) || touched.contains(container))
            return;
        QList<TAVItem *> children;
        for (int i = 0; i < container->getItemCount(); ++i)
            children << container->getItemAt(i);
        lists.append({container, children});
        touched.insert(container);
    }

    void add(TAVItem *item)
    {
        made.append(item);
        madeSet.insert(item);
    }

    // Before an item's dates are set: the dates of the ancestors they may raise.
    void noteAncestors(const TAVItem *item)
    {
        QList<Dates> chain;
        for (TAVItem *a = item->GetParent(); a; a = a->GetParent()) {
            if (!madeSet.contains(a) && !dated.contains(a)) {
                chain.prepend({a, a->GetCreatedDate(), a->GetModifiedDate()});
                dated.insert(a);
            }
        }
        dates += chain;
    }

    void rollBack()
    {
        for (const auto &entry : qAsConst(lists)) {
            TAVItemContainer *container = entry.first;
            while (container->getItemCount() > 0)
                container->removeItem(container->getItemAt(0));
            for (TAVItem *child : entry.second)
                container->addItem(child);
        }
        for (TAVItem *item : qAsConst(made)) {
            if (item->GetClassID() != TAV_CLASS_FILE) {
                auto *container = static_cast<TAVItemContainer *>(item);
                while (container->getItemCount() > 0)
                    container->removeItem(container->getItemAt(0));
            }
        }
        qDeleteAll(made);
        // Deepest first: a date put back never raises an ancestor still to come.
        for (int i = dates.size() - 1; i >= 0; --i) {
            const Dates &d = dates.at(i);
            if (d.item->GetCreatedDate() != d.created)
                d.item->SetCreatedDate(d.created);
            if (d.item->GetModifiedDate() != d.modified)
                d.item->SetModifiedDate(d.modified);
        }
    }
};

TAVIndexRepair::TAVIndexRepair(TAVVault *vault, QObject *parent) : QObject(parent), m_vault(vault)
{
}

TAVIndexRepair::~TAVIndexRepair()
{
    qDeleteAll(m_removed);
}

void TAVIndexRepair::setMasterKey(const TAVKey &key)
{
    m_masterKey = key;
    m_masterKeySet = true;
}

void TAVIndexRepair::setSyncRunning(std::function<bool()> running)
{
    m_syncRunning = std::move(running);
}

void TAVIndexRepair::setSyncMutex(QMutex *mutex)
{
    m_syncMutex = mutex;
}

void TAVIndexRepair::setConfirm(Confirm confirm)
{
    m_confirm = std::move(confirm);
}

bool TAVIndexRepair::isRepairing(const TAVVault *vault)
{
    return repairsRunning().contains(vault);
}

void TAVIndexRepair::cancel()
{
    m_cancelled = true;
}

int TAVIndexRepair::getVaultFolderInfo(const QString &path, QHash<QString, TAVFileEntry> *files,
                                       TAVItemContainer *container)
{
    Q_UNUSED(path)
    QList<TAVFile *> list;
    collectFiles(container, &list);
    for (const TAVFile *file : qAsConst(list))
        files->insert(bodyNameOf(file), {bodyNameOf(file), file->GetFullPath()});
    return 0;
}

void TAVIndexRepair::line(const QString &text)
{
    emit repairProgress(text);
    letEventsRun();
}

bool TAVIndexRepair::syncRunning() const
{
    return m_syncRunning && m_syncRunning();
}

int TAVIndexRepair::confirm(const QString &title, const QString &question)
{
    if (m_confirm)
        return m_confirm(title, question);
    const QMessageBox::StandardButton answer = Prompter::instance()->ask(
        QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        return 0;
    return answer == QMessageBox::No ? 1 : -1;
}

bool TAVIndexRepair::keyFitsIndexOrKeyChain() const
{
    const TAVKey &key = m_vault->getKey();
    if (m_vault->isVaultIdxExisting()) {
        TAVCryptoFile index(m_vault->getVaultIdxFileName());
        TAVCipher cipher = TAV_CIPHER_NONE;
        unsigned int version = 0;
        if (index.open(QIODevice::ReadOnly, &cipher, key, &version) == 0)
            return true;
    }
    TAVKeyChain chain(m_vault->getKeyFileName());
    TAVKey wrapped = TAVKey::fromHex(QString());
    if (chain.getKey(QString(), &wrapped) != 0)
        return false;
    const TAVKey master = m_masterKeySet ? m_masterKey : MasterKey::key;
    return wrapped.decrypt(master) == 0 && wrapped == key;
}

TAVIndexRepair::Result TAVIndexRepair::finish(Outcome outcome, const QString &message)
{
    m_result.outcome = outcome;
    m_result.message = message;
    if (outcome == Repaired) {
        LOG_INFO << "index repaired:" << m_result.rebuilt << "rebuilt," << m_result.recovered << "recovered,"
                 << m_result.removed << "removed," << m_result.skipped << "skipped";
        emit repairProgress(VaultPropertyText::tr("Done"));
        emit repairDone();
    } else {
        LOG_ERROR << "index repair ended without a new index:" << message;
        emit repairProgress(message);
        emit repairFailed(message);
    }
    letEventsRun();
    return m_result;
}

TAVIndexRepair::Result TAVIndexRepair::run()
{
    if (m_ran) {
        m_result = Result();
        return finish(Refused, VaultPropertyText::tr("This repair has already run."));
    }
    m_ran = true;
    m_cancelled = false;
    TAVVault *const vault = m_vault;
    if (!vault || !vault->isAvailable()) {
        const QString folder = vault ? vault->getFullPhysicalVaultPath() : QString();
        return finish(Unavailable,
                      VaultPropertyText::tr("The folder of the vault cannot be found: %1\nNothing was repaired.").arg(folder));
    }
    if (isRepairing(vault))
        return finish(Refused, VaultPropertyText::tr("A repair of this vault is already running."));
    const QString syncBusy = VaultPropertyText::tr("A synchronization is running. Please try again when it has finished.");
    if (syncRunning())
        return finish(Refused, syncBusy);
    if (m_syncMutex && !m_syncMutex->tryLock())
        return finish(Refused, syncBusy);

    // Held until run() returns, whatever the way out.
    struct Guard
    {
        const TAVVault *vault;
        QMutex *sync;
        ~Guard()
        {
            repairsRunning().remove(vault);
            if (sync)
                sync->unlock();
        }
    } guard{vault, m_syncMutex};
    repairsRunning().insert(vault);

    const QString folder = vault->getFullPhysicalVaultPath();
    line(VaultPropertyText::tr("Start repair index file"));

    // An unloaded vault whose index still reads is repaired on its tree, not
    // rebuilt from the headers alone (which forget renames and empty folders).
    bool loadedHere = false;
    if (!vault->isLoaded() && vault->getItemCount() == 0 && vault->isVaultIdxExisting()) {
        try {
            vault->load();
        } catch (const TAVException &e) {
            LOG_ERROR << "index not readable before repair:" << e.what();
        }
        loadedHere = vault->isLoaded();
    }
    const auto stopHere = [&](Outcome outcome, const QString &message) {
        if (loadedHere && m_vault)
            m_vault->unload();
        return finish(outcome, message);
    };
    const bool wasLoaded = vault->isLoaded();
    const QString notChanged = VaultPropertyText::tr("The repair was cancelled. The index was not changed.");

    const bool keyShown = keyFitsIndexOrKeyChain();

    // The disk table: every file with a body's name, wherever it lies; the
    // one in its own sub-folder wins over others of the same name.
    QHash<QString, TAVFileEntry> disk;
    QSet<QString> inPlace;
    int walked = 0;
    QDirIterator walk(folder, QDir::Files, QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QString path = walk.next();
        if (++walked % 256 == 0)
            letEventsRun();
        const QFileInfo info = walk.fileInfo();
        const QString name = info.completeBaseName();
        if (!info.suffix().isEmpty() || name.size() != 32)
            continue;
        const bool own = info.path() == folder + QLatin1Char('/') + name.left(2);
        if (inPlace.contains(name) && !own)
            continue;
        disk.insert(name, {name, path});
        if (own)
            inPlace.insert(name);
    }
    if (m_cancelled || !m_vault)
        return stopHere(Cancelled, notChanged);

    // The index table, in tree order, and which of its items have a body.
    QList<TAVFile *> indexed;
    collectFiles(vault, &indexed);
    QSet<QString> owned;
    int withBody = 0;
    for (const TAVFile *file : qAsConst(indexed)) {
        const QString name = bodyNameOf(file);
        owned.insert(name);
        if (disk.contains(name))
            ++withBody;
    }
    for (const TAVFile *file : qAsConst(indexed)) {
        emit repairProgress(file->GetFullPath());
        letEventsRun();
        if (m_cancelled || !m_vault)
            return stopHere(Cancelled, notChanged);
    }
    // A missing drive or a half-copied folder must not empty the index unasked.
    if (!indexed.isEmpty() && withBody * 2 < indexed.size()) {
        const QString question =
            VaultPropertyText::tr("Only %1 of the %2 files listed in the index of the vault \"%3\" were found in its folder "
                 "%4.\nIf the drive or the folder is incomplete, repairing now takes the missing files out "
                 "of the index.\n\nRepair the index anyway?")
                .arg(withBody)
                .arg(indexed.size())
                .arg(vault->GetName(), folder);
        if (confirm(ProductInfo::title(), question) != 0)
            return stopHere(Declined, VaultPropertyText::tr("The index was not repaired."));
        if (!m_vault)
            return stopHere(Cancelled, notChanged);
    }

    // The headers of the bodies no item owns. Those waiting to be removed
    // belong to items deleted before: they stay out.
    QSet<QString> discarded;
    for (const QString &body : m_vault->discardedBodies())
        discarded.insert(QFileInfo(body).completeBaseName());
    // Bodies of a synchronisation that ended before its index save: their
    // files are still on the disk peer, and the next load removes them.
    const QStringList pending = PendingBodies::read(folder, m_vault->getKey());
    discarded.unite(QSet<QString>(pending.cbegin(), pending.cend()));
    QList<TAVFileEntry> remaining;
    for (auto it = disk.cbegin(); it != disk.cend(); ++it) {
        if (!owned.contains(it.key()) && !discarded.contains(it.key()))
            remaining.append(it.value());
    }
    std::sort(remaining.begin(), remaining.end(),
              [](const TAVFileEntry &a, const TAVFileEntry &b) { return a.path < b.path; });
    QList<Header> headers;
    int decoded = 0;
    int written = 0;
    for (const TAVFileEntry &entry : qAsConst(remaining)) {
        if (m_cancelled || !m_vault)
            return stopHere(Cancelled, notChanged);
        line(entry.path);
        if (!isBodyName(entry.name) || !inPlace.contains(entry.name)) {
            // Its item would look for it elsewhere, or it is not a body at all.
            LOG_ERROR << "not a body in its place, left as it is:" << entry.path;
            ++m_result.skipped;
            continue;
        }
        Header header;
        TAVCipher cipher = TAV_CIPHER_NONE;
        if (TAVCrypto::readFileHeader(entry.path, &header.created, &header.stored, &cipher, m_vault->getKey())
            != 0) {
            LOG_ERROR << "Error during readFileHeader" << entry.path;
            ++m_result.skipped;
            continue;
        }
        header.path = entry.path;
        header.bodyName = entry.name;
        const QFileInfo body(entry.path);
        header.size = quint64(body.size());
        header.modified = body.lastModified().toUTC();
        ++decoded;
        if (looksWritten(header.stored))
            ++written;
        headers.append(header);
    }
    if (m_cancelled || !m_vault)
        return stopHere(Cancelled, notChanged);

    // Nothing in a header checks the key: under a wrong one the names are
    // noise. Most of them must read as names when nothing else vouched for it.
    if (!keyShown && decoded > 0 && written * 2 <= decoded)
        return stopHere(WrongKey, VaultPropertyText::tr("The vault's key does not fit the files in its folder. Nothing was repaired."));

    // From here on no events run until the index is written: the tree seen
    // now is the tree saved. It may have changed during the passes above.
    if (syncRunning())
        return stopHere(Refused, syncBusy);
    if (vault->isLoaded() != wasLoaded)
        return stopHere(Cancelled, VaultPropertyText::tr("The vault was closed during the repair. The index was not changed."));

    // The previous index is kept before anything changes.
    if (vault->isVaultIdxExisting()) {
        QFile index(vault->getVaultIdxFileName());
        QByteArray bytes;
        QString error;
        if (index.open(QIODevice::ReadOnly)) {
            bytes = index.readAll();
            if (index.error() != QFileDevice::NoError)
                error = index.errorString();
        } else {
            error = index.errorString();
        }
        QString copy = vault->getIndexBackupFileName(Clock::getInstance()->currentDateTime());
        for (int n = 2; QFileInfo::exists(copy); ++n)
            copy = vault->getIndexBackupFileName(Clock::getInstance()->currentDateTime())
                + QStringLiteral("-%1").arg(n);
        if (!error.isEmpty() || !AtomicFileWriter::writePlainFile(copy, bytes, &error))
            return stopHere(Failed,
                            VaultPropertyText::tr("The previous index could not be kept (%1). The index was not changed.").arg(error));
        m_result.backup = copy;
    }

    Undo undo;
    QList<TAVItem *> taken;
    try {
        // Items whose body is gone. One written meanwhile is not gone.
        indexed.clear();
        collectFiles(vault, &indexed);
        owned.clear();
        for (TAVFile *file : qAsConst(indexed)) {
            const QString name = bodyNameOf(file);
            owned.insert(name);
            if (disk.contains(name) || QFileInfo::exists(file->getFullPhysicalFileName()))
                continue;
            auto *parent = static_cast<TAVItemContainer *>(file->GetParent());
            undo.touch(parent);
            parent->removeItem(file);
            taken.append(file);
        }
        m_result.removed = taken.size();

        discarded = QSet<QString>(pending.cbegin(), pending.cend());
        for (const QString &body : vault->discardedBodies())
            discarded.insert(QFileInfo(body).completeBaseName());
        TAVItemContainer *recovered = nullptr;
        const auto recoveredFolder = [&]() {
            if (recovered)
                return recovered;
            QString name = kRecoveredFolder;
            for (int n = 2;; ++n) {
                TAVItem *existing = vault->getItem(name);
                if (!existing)
                    break;
                if (existing->GetClassID() == TAV_CLASS_FOLDER) {
                    recovered = static_cast<TAVItemContainer *>(existing);
                    return recovered;
                }
                name = QStringLiteral("%1 (%2)").arg(kRecoveredFolder).arg(n);
            }
            undo.touch(vault);
            recovered = vault->addFolder(name);
            undo.add(recovered);
            return recovered;
        };

        for (const Header &header : qAsConst(headers)) {
            if (owned.contains(header.bodyName) || discarded.contains(header.bodyName)
                || !QFileInfo::exists(header.path)) {
                ++m_result.skipped;
                continue;
            }
            const StoredPlace place = placeOf(header.stored);
            TAVItemContainer *target = nullptr;
            if (place.usable) {
                // Existing folders are reused whatever the case of their
                // names; a file where a folder should be sends the body to
                // "Recovered" and stays as it is.
                TAVItemContainer *current = vault;
                int i = 0;
                for (; i < place.folders.size(); ++i) {
                    TAVItem *found = current->getItem(place.folders.at(i));
                    if (!found)
                        break;
                    if (found->GetClassID() != TAV_CLASS_FOLDER) {
                        current = nullptr;
                        break;
                    }
                    current = static_cast<TAVItemContainer *>(found);
                }
                if (current) {
                    for (; i < place.folders.size(); ++i) {
                        undo.touch(current);
                        TAVFolder *made = current->addFolder(place.folders.at(i));
                        undo.add(made);
                        current = made;
                    }
                    if (!current->exists(place.name))
                        target = current;
                }
            }
            QString name = place.name;
            if (!target) {
                target = recoveredFolder();
                name = freeName(target, usableName(place.name, header.bodyName));
                ++m_result.recovered;
            }
            undo.touch(target);
            TAVFile *file = target->addFile();
            undo.add(file);
            file->SetName(name);
            file->SetId(FileUtils::FileNameToUuid(header.bodyName));
            file->SetCurrentSize(header.size);
            file->SetOriginalSize(header.size - qMin<quint64>(header.size, TAVCrypto::kHeaderSize));
            undo.noteAncestors(file);
            file->SetCreatedDate(header.created);
            // Not "now": a rebuilt copy must not read as newer than an edit
            // the peers of a synchronisation hold.
            file->SetModifiedDate(header.modified);
            owned.insert(header.bodyName);
            ++m_result.rebuilt;
        }
    } catch (const std::exception &e) {
        LOG_ERROR << "index repair failed while rebuilding:" << e.what();
        undo.rollBack();
        m_result.rebuilt = m_result.recovered = m_result.removed = 0;
        return stopHere(Failed, VaultPropertyText::tr("The index could not be rebuilt. The index was not changed."));
    }

    // The peers' last states describe the index before the repair: read
    // against the repaired one, an item it dropped would be deleted from the
    // disk, where the last intact copy may be. Forgotten first, so a failure
    // after this leaves a first synchronisation, which deletes nothing.
    for (const QString &state : TAVSync::stateFiles(folder)) {
        if (!QFile::remove(state)) {
            LOG_ERROR << "index repair: could not remove the sync state" << state;
            undo.rollBack();
            m_result.rebuilt = m_result.recovered = m_result.removed = 0;
            return stopHere(Failed, VaultPropertyText::tr("The index could not be rebuilt. The index was not changed."));
        }
    }
    if (vault->saveRebuiltIndex() != 0) {
        undo.rollBack();
        m_result.rebuilt = m_result.recovered = m_result.removed = 0;
        return stopHere(Failed, VaultPropertyText::tr("The repaired index could not be written. The previous index is kept."));
    }
    m_removed += taken;
    return finish(Repaired,
                  VaultPropertyText::tr("The index was repaired: %1 files rebuilt (%2 of them in the folder \"%3\"), %4 removed, "
                       "%5 skipped.")
                      .arg(m_result.rebuilt)
                      .arg(m_result.recovered)
                      .arg(kRecoveredFolder)
                      .arg(m_result.removed)
                      .arg(m_result.skipped));
}
