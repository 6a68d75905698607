#ifndef TAVCRYPTOTHREAD_H
#define TAVCRYPTOTHREAD_H

#include "replacingfile.h"
#include "tavcipherprops.h"
#include "tavkey.h"

#include <QDateTime>
#include <QString>
#include <QThread>

#include <atomic>

class QFile;

// Encrypts one user file into a vault body file, or decrypts one back, off
// the GUI thread: progress and errors come as signals, `stop` cancels.
//
// The caller sets source, destination (and for encrypting name and created),
// calls setKey and sets function (0 encrypt, 1 decrypt), then start(). After
// the run, state tells how it ended: 0 done, 1 cancelled, 2 failed.
//
// The output is written beside the destination under a temporary name and
// renamed over it only when complete: a cancel, a failure, a full disk or a
// crash leaves no partial destination, and an existing one stays as it was.
class TAVCryptoThread : public QThread
{
    Q_OBJECT

public:
    TAVCryptoThread();
    // Stops a run still going and waits for it.
    ~TAVCryptoThread() override;

    void setKey(const TAVKey &key, TAVCipher cipher);
    // Does the run on the calling thread, for a file so small that starting
    // the thread and waiting for it would cost more than the work; the
    // signals then reach their slots at once. Only while no run is going.
    void runHere() { run(); }

    // Codes:             encrypt                          decrypt
    //   0                done                             done
    //   1                the source can't be opened       the same
    //   2                the destination can't be opened  the same
    //   3                no random IV                     cancelled, or the header refused
    //   4                header or body not written,      a read or write of the body failed
    //                    or a read of the source failed   (a full disk among others)
    //                    (a full disk among others)
    //   5                cancelled                        -
    int encrypt(const QString &source, const QString &destination);
    int decrypt(const QString &source, const QString &destination);

    // Set from the GUI thread while a run goes on; cleared when a run starts.
    std::atomic<bool> stop{false};
    // 0 finished (or running), 1 cancelled, 2 failed.
    std::atomic<int> state{0};
    // Why the last run failed, as the file told it (a read or write error,
    // which sends no signal); empty after a run that did not fail. Read it
    // once the run has ended.
    QString error;
    // The name the user knows the output by, for messages (the output is
    // first written under a hidden name beside it); empty: the output's own.
    QString shownTarget;
    // The last run sent the user a message of its own (a file it could not open).
    std::atomic<bool> told{false};
    int function = 0;
    QString source;
    QString destination;
    QString name;      // encrypting: the name written into the header
    QDateTime created; // encrypting: the creation time written into the header
    // Encrypting: the source's size when the caller has looked already (for
    // the progress); -1, as after each run, has the worker ask the file.
    qint64 sourceSize = -1;
    // Encrypting: the destination is a new item's body under a name just
    // drawn, so nothing is there to keep the mode of or to refuse. Cleared
    // after each run.
    bool newBody = false;
    // After a run that ended well: the size of the file it wrote.
    quint64 written = 0;
    TAVKey key;        // empty until setKey: nothing is enciphered under a made-up key
    TAVCipher cipher = TAVCiphers::platform_preferred_cipher();
    // The output is synced before it replaces its target. A job of many
    // files clears this and syncs the file system once at its end
    // (SafeFile::syncFileSystem): an add job before the index names the new
    // bodies, an extraction before it reports the files written.
    bool syncEachBody = true;

signals:
    void progress(int percentDone);
    void TAVCryptToError(QString msg);
    void TAVFileAccessDeny(QString msg);

protected:
    void run() override;

private:
    // Emits progress at most every 100 ms, and always 100.
    class Progress;

    // Opens both files: 0, or 1 (source) / 2 (destination) with the signal
    // sent. A vault body is opened under SafeFile's rule (no link, its mode).
    int openFiles(QFile &in, ReplacingFile &out, ReplacingFile::Target target);
    // Runs the body after the header with progress and cancel, then commits:
    // 0 done, 4 failed, `cancelledCode` when stopped (state then 1).
    int cipherBody(QFile &in, ReplacingFile &out, quint64 total, const unsigned char *iv,
                   int cancelledCode);
};

#endif // TAVCRYPTOTHREAD_H
