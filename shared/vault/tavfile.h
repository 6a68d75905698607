#ifndef TAVFILE_H
#define TAVFILE_H

#include "tavitem.h"

#include <QFileInfo>
#include <QIODevice>

#include <memory>

class TAVCryptoThread;

// An encrypted file item; its body lives in the vault folder under a name made
// of its identifier, in the sub-folder named by the identifier's first two
// hexadecimal digits. The body is written and read under the key and cipher
// of the item's vault.
class TAVFile : public TAVItem
{
    Q_OBJECT
public:
    // An unnamed item ("file") as the index loader makes them; throws for a null parent.
    explicit TAVFile(TAVItem *parent);
    TAVFile(TAVItem *parent, FromIndex);
    // A new item named after the last component of source (a local path or a
    // bare name), dated like the file at source. Throws TAVException for a
    // null parent, a name failing the name rule, or a name already taken in
    // the parent (ignoring case). The body's sub-folder is made when the
    // body is first written.
    TAVFile(TAVItem *parent, const QFileInfo &source);
    ~TAVFile() override;

    int GetClassID() const override;
    bool canAddVault() const override;
    bool canAddFolder() const override;
    bool canAddFile() const override;

    // Content in and out. Every body and every plain output is written beside
    // its target and renamed over it when complete: a failure never costs the
    // old body or an existing destination. Outside any vault nothing happens
    // (a log line).
    //
    // Encrypts source into the body on the calling thread. The item takes the
    // source's dates and the sizes of what went into the body; its ancestors
    // take its modification date. Throws TAVException for a missing source
    // ("File %1 does not exist"), a source that can't be read or a body that
    // can't be written; the item is then unchanged.
    virtual void encrypt(const QString &source);
    // Decrypts the body to destination on the calling thread, dated with the
    // item's modification date (whole seconds). Throws TAVException for a
    // missing body, a destination that can't be replaced ("File [%1] is
    // locked. ...") and a body that can't be decrypted ("Decryption failed.").
    virtual void decrypt(const QString &destination);
    // The same through the worker thread, processing the GUI thread's events
    // every 10 ms until it ends. The worker's state tells the outcome: 0 done
    // (the item takes the sizes and dates of the source), 1 cancelled or
    // 2 failed (item and body unchanged; a new item has no body). Throws for a
    // missing source, a null worker ("Invalid Crypto Worker.") and a worker
    // still busy with another file.
    virtual void encrypt(const QString &source, TAVCryptoThread *worker);
    // The same for a source already looked at (its kind, size and dates are
    // taken from info as it is).
    void encrypt(const QFileInfo &source, TAVCryptoThread *worker);
    // Throws as decrypt(destination), and "Decryption failed." for a run that
    // was cancelled or failed (an existing destination is then unchanged).
    virtual void decrypt(const QString &destination, TAVCryptoThread *worker);

    // Makes a body written elsewhere under this item's vault's key (named by
    // bodyId, as getFullPhysicalFileName() names bodies) the item's own: the
    // item takes the identifier, the sizes of the body and the dates given,
    // its ancestors the modification date. A different old body goes to the
    // vault's discardBodies(), so it stays until the next saved index. For
    // work that encrypts away from the thread that owns the tree.
    void adoptBody(const QUuid &bodyId, const QDateTime &created, const QDateTime &modified);

    // vault folder/xx/<32 hex digits>, xx the first two digits of the
    // identifier; empty (with a log line) outside any vault and in a vault
    // whose folder path is empty or relative.
    QString getFullPhysicalFileName() const;

    // Random access to the plain content. open() writes a fresh header into
    // a missing or empty body and reads the header of an existing one; false
    // (with a log line) when that fails, outside a vault and for a body
    // shorter than a header. Throws TAVException when the body can't be
    // opened. A writing mode never truncates the body: it opens for reading
    // and writing.
    bool open(QIODevice::OpenMode mode);
    // Plain bytes at the current position; -1 on failure.
    qint64 read(char *data, unsigned length);
    // Enciphers a copy of data at the current position (the caller's buffer
    // stays plain) and takes the body's sizes; -1 on failure.
    qint64 write(const char *data, unsigned length);
    bool seek(quint64 position);
    quint64 pos() const;
    // After writing: the item and its ancestors are dated now and the vault
    // is saved; the result is the save's (0 saved). 0 otherwise.
    int close();

private:
    // The source's creation and modification dates, from one look at it.
    void storeDatesOf(const QFileInfo &source);

    // Made by open(), gone at close(): an item of the tree carries no file
    // object (a QObject) and no cipher state of its own, so a vault of many
    // items stays light.
    struct OpenBody;
    std::unique_ptr<OpenBody> body;
};

#endif // TAVFILE_H
