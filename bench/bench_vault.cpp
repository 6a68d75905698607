// Saving and loading a vault index of 10,000 and 100,000 files spread over
// folders, and a vault list of 100 vaults. Each figure is the best of a few
// runs; the reference, measured in the same run, is a plain QSaveFile write
// (with fsync) of as many bytes as the file has, and a plain read of it.
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfolder.h"
#include "tavlogging.h"
#include "tavvault.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace {

constexpr int kRuns = 3;
constexpr int kFilesPerFolder = 100;

// Ten files at the top, then folders of a hundred files, ten inner folders
// to each outer one.
void fill(TAVVault *vault, int files)
{
    const QDateTime base(QDate(2021, 6, 1), QTime(9, 0));
    int made = 0;
    auto addFile = [&](TAVItemContainer *parent) {
        TAVFile *file = parent->addFile();
        file->SetName(QStringLiteral("Document number %1.pdf").arg(made));
        file->SetOriginalSize(quint64(made) * 1013);
        file->SetCurrentSize(quint64(made) * 1013 + 512);
        file->SetCreatedDate(base.addSecs(made));
        file->SetModifiedDate(base.addSecs(2 * made));
        ++made;
    };
    while (made < 10 && made < files)
        addFile(vault);
    TAVFolder *outer = nullptr;
    for (int folder = 0; made < files; ++folder) {
        if (folder % 10 == 0)
            outer = vault->addFolder(QStringLiteral("Projects %1").arg(folder / 10));
        TAVFolder *inner = outer->addFolder(QStringLiteral("Folder %1").arg(folder));
        for (int n = 0; n < kFilesPerFolder && made < files; ++n)
            addFile(inner);
    }
}

void destroy(TAVVault *vault)
{
    vault->removeAll();
    delete vault;
}

double ms(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// The reference: a plain atomic write and a plain read of `size` bytes.
void reference(const QString &path, qint64 size, double *writeMs, double *readMs)
{
    const QByteArray bytes(int(size), 'x');
    *writeMs = *readMs = 1e300;
    for (int r = 0; r < kRuns; ++r) {
        QElapsedTimer timer;
        timer.start();
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != size || !out.flush()
            || ::fsync(out.handle()) != 0 || !out.commit())
            std::printf("reference write failed\n");
        *writeMs = std::min(*writeMs, ms(timer));
        timer.restart();
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly) || in.readAll().size() != size)
            std::printf("reference read failed\n");
        *readMs = std::min(*readMs, ms(timer));
    }
}

struct IndexFigures
{
    double save = 1e300;
    double load = 1e300;
    qint64 bytes = 0;
};

IndexFigures measureIndex(const QString &folder, int files)
{
    IndexFigures figures;
    const TAVKey key;
    auto *vault = new TAVVault(nullptr, QStringLiteral("Bench"), folder, TAV_AES256, key);
    vault->setLoaded(true);
    fill(vault, files);
    for (int r = 0; r < kRuns; ++r) {
        QElapsedTimer timer;
        timer.start();
        if (vault->save() != 0)
            std::printf("save failed\n");
        figures.save = std::min(figures.save, ms(timer));
    }
    destroy(vault);
    figures.bytes = QFileInfo(folder + "/index.dat").size();

    for (int r = 0; r < kRuns; ++r) {
        auto *loaded = new TAVVault(nullptr, QStringLiteral("Bench"), folder, TAV_AES256, key);
        QElapsedTimer timer;
        timer.start();
        if (loaded->load() != 0 || loaded->getVaultItemCount() != files)
            std::printf("load failed\n");
        figures.load = std::min(figures.load, ms(timer));
        destroy(loaded);
    }
    return figures;
}

} // namespace

int main()
{
    TAVLogger::setLogLevel(TAVLogger::Fatal);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;

    std::printf("Vault index, AES256, %d files per folder (best of %d runs)\n\n", kFilesPerFolder, kRuns);
    std::printf("%-8s %10s %9s %9s %13s %13s %10s %10s\n", "files", "bytes", "save ms", "load ms",
                "ref write ms", "ref read ms", "save/ref", "load/ref");
    IndexFigures at[2];
    const int sizes[2] = {10000, 100000};
    for (int i = 0; i < 2; ++i) {
        const QString folder = dir.filePath(QStringLiteral("v%1").arg(sizes[i]));
        QDir().mkpath(folder);
        at[i] = measureIndex(folder, sizes[i]);
        double refWrite = 0;
        double refRead = 0;
        reference(dir.filePath(QStringLiteral("ref%1").arg(sizes[i])), at[i].bytes, &refWrite, &refRead);
        std::printf("%-8d %10lld %9.1f %9.1f %13.1f %13.1f %10.1f %10.1f\n", sizes[i],
                    static_cast<long long>(at[i].bytes), at[i].save, at[i].load, refWrite, refRead,
                    at[i].save / refWrite, at[i].load / refRead);
    }
    std::printf("\nGrowth from 10,000 to 100,000 files: save x%.2f, load x%.2f (linear: x10)\n\n",
                at[1].save / at[0].save, at[1].load / at[0].load);

    // The vault list of 100 vaults.
    TAVFileSystem *root = TAVFileSystem::getInstance();
    for (int i = 0; i < 100; ++i) {
        TAVVault *vault = root->addVault(QStringLiteral("Vault %1").arg(i),
                                         dir.filePath(QStringLiteral("vaults/Vault %1").arg(i)), TAV_AES256, TAVKey());
        root->addVaultItem(vault);
    }
    const TAVKey master(QStringLiteral("bench"));
    const QString listFile = dir.filePath(QStringLiteral("filesystem.dat"));
    double save = 1e300;
    double read = 1e300;
    for (int r = 0; r < kRuns; ++r) {
        QElapsedTimer timer;
        timer.start();
        if (root->saveToFile(listFile, master) != 0)
            std::printf("list save failed\n");
        save = std::min(save, ms(timer));
        timer.restart();
        if (root->readVaultFile(listFile, master) != 0 || root->getVaultList().size() != 100)
            std::printf("list read failed\n");
        read = std::min(read, ms(timer));
    }
    double refWrite = 0;
    double refRead = 0;
    const qint64 listBytes = QFileInfo(listFile).size();
    reference(dir.filePath(QStringLiteral("reflist")), listBytes, &refWrite, &refRead);
    std::printf("Vault list of 100 vaults (%lld bytes): save %.2f ms, read %.2f ms; "
                "reference write %.2f ms, read %.2f ms\n",
                static_cast<long long>(listBytes), save, read, refWrite, refRead);
    root->removeAll();
    return 0;
}
