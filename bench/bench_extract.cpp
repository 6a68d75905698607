// Extraction through the main window's Extract action, next to references
// measured in the same run.
//
//   bench_extract [dir]      works in a temporary folder under dir (default
//                            /var/tmp: a disk, not tmpfs), removed after;
//                            KV_BENCH_MIB and KV_BENCH_FILES make the file
//                            and the folder smaller for a quick look,
//                            KV_BENCH_ROUNDS sets the rounds (default 5;
//                            every other one runs the references first)
//
// Ours: the Extract action ("Save File(s) to...") of a main window on the
// offscreen platform, its folder dialog answered,
//   - one 1 GiB file item (AES-256 vault),
//   - one folder item of 10,000 files of 4 KiB.
// References:
//   - `openssl enc -d -aes-256-ctr` of a 1 GiB file encrypted by openssl;
//   - `cp` of the plain 1 GiB file;
//   - `cp -r` of the plain folder of 10,000 files.
// Every run starts after a sync() and ends with one, so each figure holds
// what it wrote reaching the disk (ours syncs the target's file system once
// at the end of the job). Each run's sources are first dropped from the page
// cache, so every one reads them from the disk, as an extraction of a vault
// not touched for a while does (left alone, which sources stay cached
// depends on what the system reclaimed meanwhile); each source is read once
// just before, so a disk cache below the system holds every one alike.
// Every run's time goes to stderr as well.
#include "fixeddrivelocator.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "modalanswerer.h"
#include "scriptedprompter.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfolder.h"
#include "tavstickmanager.h"
#include "tavtreeview.h"
#include "tavvault.h"
#include "usbstick.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

const qint64 kBigSize = qEnvironmentVariableIsSet("KV_BENCH_MIB")
    ? qint64(qEnvironmentVariableIntValue("KV_BENCH_MIB")) << 20 : qint64(1) << 30;
const int kSmallCount = qEnvironmentVariableIsSet("KV_BENCH_FILES")
    ? qEnvironmentVariableIntValue("KV_BENCH_FILES") : 10000;
constexpr int kSmallSize = 4096;

TAVKey benchKey()
{
    QByteArray bytes(128, '\0');
    for (int i = 0; i < 128; ++i)
        bytes[i] = char(11 + 13 * i);
    return TAVKey::fromHex(QString::fromLatin1(bytes.toHex()));
}

bool writePattern(const QString &path, qint64 size, char seed)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk(int(qMin<qint64>(size, 1 << 20)), Qt::Uninitialized);
    for (int i = 0; i < chunk.size(); ++i)
        chunk[i] = char(seed + i * 31 + i / 4093);
    for (qint64 done = 0; done < size; done += chunk.size()) {
        chunk[0] = char(done >> 20);
        if (out.write(chunk.constData(), qMin<qint64>(chunk.size(), size - done)) < 0)
            return false;
    }
    return out.flush();
}

// Reads every file under `path` once, then drops its pages from the cache
// (clean after a sync()): each run then reads its sources from the disk, and
// a disk with a cache of its own (a virtual machine's host) holds them all
// alike. Without the read, `cp`'s source, read again by every check of our
// output, came from that cache, and the vault's body from the disk.
void readThenDrop(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        for (const QFileInfo &entry : QDir(path).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
            readThenDrop(entry.filePath());
        return;
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    static std::vector<char> buffer(1 << 20);
    while (::read(fd, buffer.data(), buffer.size()) > 0) {
    }
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

double timed(const char *what, const QString &source, const std::function<bool()> &run, bool *ok)
{
    ::sync();
    readThenDrop(source);
    QElapsedTimer clock;
    clock.start();
    *ok = run();
    const qint64 ran = clock.nsecsElapsed();
    ::sync();
    const double seconds = clock.nsecsElapsed() / 1e9;
    std::fprintf(stderr, "  %-10s %6.3f s (%.3f s of it the final sync)\n", what, seconds,
                 seconds - ran / 1e9);
    return seconds;
}

bool runProgram(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program),
                     process.readAllStandardError().constData());
        return false;
    }
    return true;
}

// Selects one item of the container shown and runs the Extract action into target.
bool extract(MainWindow &window, TAVItemContainer *shown, TAVItem *item, const QString &target)
{
    window.updateView(shown);
    TAVFileSystemModel *model = TAVFileSystemModel::getInstance();
    QItemSelectionModel *selection = window.ui->treeView->selectionModel();
    selection->clearSelection();
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->itemFromIndex(model->index(row, 0)) == item)
            selection->select(model->index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    window.ui->treeView->setFocus();
    ModalAnswerer answers(600000);
    answers.act([target](QWidget *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        if (!files)
            return;
        files->setDirectory(target);
        QMetaObject::invokeMethod(files, "accept");
    });
    window.ui->actionDecrypt_File->trigger();
    if (!answers.ok())
        std::fprintf(stderr, "folder dialog: %s\n", qPrintable(answers.errorString()));
    return answers.ok();
}

bool sameFile(const QString &a, const QString &b)
{
    return runProgram(QStringLiteral("cmp"), {QStringLiteral("-s"), a, b});
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/var/tmp");
    QTemporaryDir work(base + QStringLiteral("/bench_extract-XXXXXX"));
    if (!work.isValid()) {
        std::fprintf(stderr, "no work folder under %s\n", qPrintable(base));
        return 1;
    }
    // The window's private temporary folder goes there too.
    qputenv("TMPDIR", QFile::encodeName(work.path()));
    QApplication app(argc, argv);
    const QString root = work.path();
    const QString drive = root + QStringLiteral("/drive/");
    QDir().mkpath(drive + QStringLiteral("KolvaneVave Settings"));
    QFile(drive + QStringLiteral("KolvaneVave Settings/config.dat")).open(QIODevice::WriteOnly);
    FixedDriveLocator drives;
    drives.plug(USBStick(QStringLiteral("SER1"), drive, 0x5581, 0x781));
    TAVStickManager::setDriveLocator(&drives);
    MainWindow::setUsbDrives(&drives);
    MainWindow::setProgramPath(drive + QStringLiteral("KolvaneVave.app/kolvanevave"));
    ScriptedPrompter prompter; // the final box answers at once

    MainWindow window;
    window.unlocked = true;
    window.showMainPage();

    const QString vaultDir = root + QStringLiteral("/vault");
    QDir().mkpath(vaultDir);
    auto *vault = new TAVVault(TAVFileSystem::getInstance(), QStringLiteral("Bench"), vaultDir,
                               TAV_AES256, benchKey());
    vault->setLoaded(true);
    TAVFileSystem::getInstance()->addItem(vault);

    std::printf("preparing: a file of %lld MiB and %d files of %d bytes in %s\n", kBigSize >> 20,
                kSmallCount, kSmallSize, qPrintable(root));
    std::fflush(stdout);
    const QString plainBig = root + QStringLiteral("/big.bin");
    const QString plainFolder = root + QStringLiteral("/plain/many");
    QDir().mkpath(plainFolder);
    if (!writePattern(plainBig, kBigSize, 3))
        return 1;
    TAVFile *big = vault->addFile(plainBig);
    big->encrypt(plainBig);
    TAVFolder *many = vault->addFolder(QStringLiteral("many"));
    for (int i = 0; i < kSmallCount; ++i) {
        const QString path = plainFolder + QStringLiteral("/f%1.dat").arg(i, 5, 10, QLatin1Char('0'));
        if (!writePattern(path, kSmallSize, char(i)))
            return 1;
        many->addFile(path)->encrypt(path);
    }
    // openssl's own encryption of the same plain file, for its decryption.
    const QString hexKey = QStringLiteral("00112233445566778899aabbccddeeff00112233445566778899aabbccddeeff");
    const QString hexIv = QStringLiteral("0102030405060708090a0b0c0d0e0f10");
    const QString sslEnc = root + QStringLiteral("/big.ssl");
    if (!runProgram(QStringLiteral("openssl"),
                    {QStringLiteral("enc"), QStringLiteral("-aes-256-ctr"), QStringLiteral("-K"), hexKey,
                     QStringLiteral("-iv"), hexIv, QStringLiteral("-in"), plainBig,
                     QStringLiteral("-out"), sslEnc}))
        return 1;

    const double mib = double(kBigSize) / (1 << 20);
    bool ok = false;
    int failures = 0;
    // Best of the rounds, the three runs of a kind interleaved, so a slow
    // spell of the disk falls on all of them alike; five, as a disk that
    // swings from one second to the next (a virtual machine's) needs them.
    // Each round writes into new folders; the big outputs go at once (a 1 GiB
    // file is freed cheaply), the extracted folders stay until the end
    // (deleting 10,000 files makes the next runs swing).
    const int rounds = qEnvironmentVariableIsSet("KV_BENCH_ROUNDS")
        ? qMax(1, qEnvironmentVariableIntValue("KV_BENCH_ROUNDS")) : 5;
    double oursBig = 1e9, sslBig = 1e9, cpBig = 1e9, oursMany = 1e9, cpMany = 1e9;
    // A warm-up write of the big file's size first: memory the system has
    // not used for a while (a virtual machine gives it back to its host) is
    // slow to fill the first time, and would fall on whichever run came first.
    {
        const QString warm = root + QStringLiteral("/warm-up");
        if (!writePattern(warm, kBigSize, 5))
            return 1;
        QFile::remove(warm);
        ::sync();
    }
    for (int round = 0; round < rounds; ++round) {
        const QString tag = QString::number(round);
        const auto oursBigRun = [&] {
            const QString outBig = root + QStringLiteral("/out-big-") + tag;
            QDir().mkpath(outBig);
            oursBig = qMin(oursBig, timed("ours big", vaultDir,
                                          [&] { return extract(window, vault, big, outBig); }, &ok));
            ok = ok && sameFile(plainBig, outBig + QStringLiteral("/big.bin"));
            if (!ok)
                std::fprintf(stderr, "our extraction of the file failed\n");
            failures += !ok;
            QFile::remove(outBig + QStringLiteral("/big.bin"));
        };
        const auto sslBigRun = [&] {
            const QString sslOut = root + QStringLiteral("/big.ssl.out-") + tag;
            sslBig = qMin(sslBig, timed("openssl", sslEnc, [&] {
                return runProgram(QStringLiteral("openssl"),
                                  {QStringLiteral("enc"), QStringLiteral("-d"), QStringLiteral("-aes-256-ctr"),
                                   QStringLiteral("-K"), hexKey, QStringLiteral("-iv"), hexIv,
                                   QStringLiteral("-in"), sslEnc, QStringLiteral("-out"), sslOut});
            }, &ok));
            ok = ok && sameFile(plainBig, sslOut);
            failures += !ok;
            QFile::remove(sslOut);
        };
        const auto cpBigRun = [&] {
            const QString cpOut = root + QStringLiteral("/big.cp-") + tag;
            cpBig = qMin(cpBig, timed("cp big", plainBig, [&] {
                return runProgram(QStringLiteral("cp"), {plainBig, cpOut});
            }, &ok));
            failures += !ok;
            QFile::remove(cpOut);
        };
        const auto oursManyRun = [&] {
            const QString outMany = root + QStringLiteral("/out-many-") + tag;
            QDir().mkpath(outMany);
            oursMany = qMin(oursMany, timed("ours many", vaultDir,
                                            [&] { return extract(window, vault, many, outMany); }, &ok));
            ok = ok && QDir(outMany + QStringLiteral("/many")).entryList(QDir::Files).size() == kSmallCount
                && runProgram(QStringLiteral("diff"), {QStringLiteral("-r"), plainFolder,
                                                       outMany + QStringLiteral("/many")});
            if (!ok)
                std::fprintf(stderr, "our extraction of the folder failed\n");
            failures += !ok;
        };
        const auto cpManyRun = [&] {
            cpMany = qMin(cpMany, timed("cp many", plainFolder, [&] {
                return runProgram(QStringLiteral("cp"),
                                  {QStringLiteral("-r"), plainFolder, root + QStringLiteral("/cp-many-") + tag});
            }, &ok));
            failures += !ok;
        };
        // Every other round the references go first.
        const std::vector<std::function<void()>> order = round % 2 == 0
            ? std::vector<std::function<void()>>{oursBigRun, sslBigRun, cpBigRun, oursManyRun, cpManyRun}
            : std::vector<std::function<void()>>{cpBigRun, sslBigRun, oursBigRun, cpManyRun, oursManyRun};
        for (const auto &run : order)
            run();
    }

    std::printf("\nbest of %d rounds%27s %10s %12s\n", rounds, "", "seconds", "rate");
    std::printf("%-44s %10.2f %9.0f MB/s\n", "ours: extract the big file", oursBig, mib / oursBig);
    std::printf("%-44s %10.2f %9.0f MB/s\n", "openssl enc -d -aes-256-ctr, same size", sslBig, mib / sslBig);
    std::printf("%-44s %10.2f %9.0f MB/s\n", "cp of the plain file", cpBig, mib / cpBig);
    std::printf("%-44s %10.2f %9.0f files/s\n", "ours: extract folder of 4 KiB files", oursMany,
                kSmallCount / oursMany);
    std::printf("%-44s %10.2f %9.0f files/s\n", "cp -r of the plain folder", cpMany, kSmallCount / cpMany);
    std::printf("\nratios: file %.2f x openssl's time and %.2f x cp's, folder %.2f x cp's time\n",
                oursBig / sslBig, oursBig / cpBig, oursMany / cpMany);
    std::printf("(MB = MiB; each figure includes a final sync())\n");
    if (failures)
        std::printf("%d run(s) FAILED or gave a wrong result\n", failures);

    TAVFileSystem::getInstance()->removeAll();
    return failures ? 1 : 0;
}
