#ifndef TAVINDEXREPAIR_H
#define TAVINDEXREPAIR_H

#include "tavkey.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QMutex;
class TAVItem;
class TAVItemContainer;
class TAVVault;

// One file as the repair sees it. In the index table: the base name of the
// item's body file (32 characters) and the item's full path. In the disk
// table: the file's complete base name and its path on the disk.
struct TAVFileEntry
{
    QString name;
    QString path;
};

// Rebuilds a vault's index from the headers of the encrypted bodies in its
// folder: items whose body is gone leave the tree, bodies that no item owns
// come back as items under the name and creation time their header holds.
// Runs on the GUI thread, letting events run between files so that a
// progress dialog repaints and its Cancel button is heard.
//
// Nothing changes, in memory or on the disk, until every header has been
// read and the vault's key shown to fit; the previous index is then kept
// beside the new one ("index.dat.bak-" and the time). A refusal, a wrong
// key, a cancel or a failed write leaves the tree and the index as they were.
//
// Items taken out of the tree stay alive until this object is destroyed, so
// that the views and the search index can be rebuilt first.
class TAVIndexRepair : public QObject
{
    Q_OBJECT
public:
    enum Outcome {
        Repaired,    // the new index is written
        Refused,     // a repair of this vault or a synchronisation is running
        Unavailable, // no vault, or its folder cannot be found
        WrongKey,    // the vault's key does not fit its files
        Declined,    // most of the index would go, and the user said no
        Cancelled,   // cancelled, or the vault was closed or locked meanwhile
        Failed,      // the previous index could not be kept or the new one not written
    };

    struct Result
    {
        Outcome outcome = Failed;
        int rebuilt = 0;   // items made from headers, those in "Recovered" included
        int recovered = 0; // of those, placed in "Recovered"
        int removed = 0;   // items whose body was gone
        int skipped = 0;   // bodies left without an item (unreadable header, misplaced, not a body name)
        QString backup;    // the copy of the previous index; empty when there was no index
        QString message;   // for the user
        bool succeeded() const { return outcome == Repaired; }
    };

    // The question asked when the walk found far fewer bodies than the index
    // lists: 0 go on, 1 no, -1 closed without an answer (also no).
    using Confirm = std::function<int(const QString &title, const QString &text)>;

    // The folder rebuilt bodies go to when their stored place can't take them.
    static const QString kRecoveredFolder;

    explicit TAVIndexRepair(TAVVault *vault, QObject *parent = nullptr);
    ~TAVIndexRepair() override;

    // The key the vault's key chain is unwrapped with; MasterKey::key by default.
    void setMasterKey(const TAVKey &key);
    // Asked at the start and again before anything changes: true refuses.
    void setSyncRunning(std::function<bool()> running);
    // Taken with tryLock for the whole repair (refused when it is held), so
    // that no synchronisation starts in the middle.
    void setSyncMutex(QMutex *mutex);
    // Replaces the question through the prompter.
    void setConfirm(Confirm confirm);

    // The whole repair; once per object.
    Result run();
    const Result &result() const { return m_result; }

    // True while a repair of that vault runs.
    static bool isRepairing(const TAVVault *vault);

    // Adds an entry for every file item below the container, all depths, in
    // list order; returns 0. `path` is not used.
    static int getVaultFolderInfo(const QString &path, QHash<QString, TAVFileEntry> *files,
                                  TAVItemContainer *container);

public slots:
    // Stops at the next index item or body read; nothing changes.
    void cancel();

signals:
    void repairProgress(QString name);
    // The new index is written.
    void repairDone();
    // Anything else, a cancel included; the text says what happened.
    void repairFailed(QString message);

private:
    struct Header;
    struct Undo;

    Result finish(Outcome outcome, const QString &message);
    void line(const QString &text);
    bool keyFitsIndexOrKeyChain() const;
    int confirm(const QString &title, const QString &text);
    bool syncRunning() const;

    QPointer<TAVVault> m_vault;
    TAVKey m_masterKey;
    bool m_masterKeySet = false;
    std::function<bool()> m_syncRunning;
    QMutex *m_syncMutex = nullptr;
    Confirm m_confirm;
    bool m_cancelled = false;
    bool m_ran = false;
    Result m_result;
    QList<TAVItem *> m_removed; // out of the tree, destroyed with this object
};

#endif // TAVINDEXREPAIR_H
