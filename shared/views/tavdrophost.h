#ifndef TAVDROPHOST_H
#define TAVDROPHOST_H

#include <QFileInfo>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;
class TAVItemContainer;

// The window whose operations carry out what is dropped onto the views. The
// views find the target and decide whether a drop is accepted; the host does
// the work with its progress dialog, questions and saves.
class TAVDropHost
{
public:
    virtual ~TAVDropHost();

    // Vault items (full display paths) copied or moved into a vault container.
    virtual void dropItemsOnVault(QWidget *view, TAVItemContainer *target, const QStringList &paths,
                                  bool move, const QList<QUrl> &urls) = 0;
    // Local files and folders encrypted into a vault container.
    virtual void dropFilesOnVault(QWidget *view, TAVItemContainer *target, const QStringList &paths,
                                  bool move, const QList<QUrl> &urls) = 0;
    // Vault items decrypted into a local folder.
    virtual void dropItemsOnDisk(QWidget *view, const QStringList &paths, const QString &folder,
                                 bool move) = 0;
    // Local files and folders copied into a local folder; false when refused.
    virtual bool dropFilesOnDisk(QWidget *view, const QStringList &paths, const QString &folder,
                                 bool move) = 0;
    // Whether files may be dropped into this local folder. Asked during
    // drag-over: it never writes to the disk.
    virtual bool canDropInto(const QFileInfo &folder) = 0;
};

#endif // TAVDROPHOST_H
