#include "fileutils.h"
#include "filefixture.h"
#include "unprivilegedrun.h"

#include <QtTest>

#include <sys/stat.h>

#include <functional>

#include <unistd.h>
#include <memory>
#include <vector>

// Original content of every fixture file: 0xFF never occurs in a wipe's
// bytes (0 to 254), so a wiped file shows no 0xFF at all.
static QByteArray original(int size)
{
    return QByteArray(size, char(0xFF));
}

static bool fullyOverwritten(const QByteArray &bytes)
{
    return !bytes.contains(char(0xFF));
}

class TestFileUtils : public QObject
{
    Q_OBJECT
private slots:
    void wipeOverwritesInPlace_data();
    void wipeOverwritesInPlace();
    void wipeRefusesLinksAndMissingFiles();
    void secureRemovalLeavesOtherHardLinksIntact();
    void secureRemovalOverwritesBeforeUnlink_data();
    void secureRemovalOverwritesBeforeUnlink();
    void folderRemovalWipesEveryFile_data();
    void folderRemovalWipesEveryFile();
    void removalNeverFollowsLinks_data();
    void removalNeverFollowsLinks();
    void removalFailures();
    void removalAsUnprivilegedUser_data();
    void removalAsUnprivilegedUser();
    void removeDelayedRunsInBackground();

    void copyReplacesTarget();
    void failedCopyKeepsTarget_data();
    void failedCopyKeepsTarget();
    void copyOverLinkReplacesTheLink();
    void renameReplacesTarget();
    void failedRenameKeepsTarget();

    void tempPaths();

    void sizeText_data();
    void sizeText();
    void uuidFileNameRoundTrip();
    void fileNameToUuidRefuses_data();
    void fileNameToUuidRefuses();
    void portableFileName_data();
    void portableFileName();

    void sizes();
    void fileSystemType_data();
    void fileSystemType();
    void fileSystemTypeOfRealPath();
    void modificationTime();
    void fileInformation();

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }
};

void TestFileUtils::wipeOverwritesInPlace_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("1 byte") << 1;
    QTest::newRow("one block") << 4096;
    QTest::newRow("blocks and a tail") << 10000;
    QTest::newRow("200 KiB") << 200 * 1024;
}

void TestFileUtils::wipeOverwritesInPlace()
{
    QFETCH(int, size);
    const QString file = path(QStringLiteral("wipe-%1.bin").arg(size));
    QVERIFY(FileFixture::write(file, original(size)));
    HeldFile held(file);
    const quint64 inode = held.inode();

    QVERIFY(FileUtils::wipe(file));

    // Same file, same length, every byte new; the wipe leaves removal to the caller.
    QVERIFY(QFileInfo::exists(file));
    HeldFile after(file);
    QCOMPARE(after.inode(), inode);
    QCOMPARE(held.size(), qint64(size));
    QVERIFY(fullyOverwritten(held.bytes()));
}

void TestFileUtils::wipeRefusesLinksAndMissingFiles()
{
    const QString target = path(QStringLiteral("wipe-link-target"));
    const QString link = path(QStringLiteral("wipe-link"));
    QVERIFY(FileFixture::write(target, original(5000)));
    QVERIFY(FileFixture::symlink(target, link));

    QVERIFY(!FileUtils::wipe(link));
    QCOMPARE(FileFixture::read(target), original(5000));

    QVERIFY(!FileUtils::wipe(path(QStringLiteral("no-such-file"))));
    QVERIFY(!FileUtils::wipe(m_dir.path()));
}

void TestFileUtils::secureRemovalLeavesOtherHardLinksIntact()
{
    // The same bytes under a second name (a user's own file): removing one
    // name securely must not destroy the other.
    const QString other = path(QStringLiteral("hard-other"));
    const QString tree = path(QStringLiteral("hard-tree"));
    QVERIFY(FileFixture::write(other, original(5000)));
    QVERIFY(QDir().mkpath(tree));
    const QString direct = path(QStringLiteral("hard-direct"));
    QVERIFY(::link(QFile::encodeName(other).constData(), QFile::encodeName(direct).constData()) == 0);
    QVERIFY(::link(QFile::encodeName(other).constData(), QFile::encodeName(tree + "/in").constData()) == 0);

    QVERIFY(!FileUtils::wipe(direct));
    QVERIFY(FileUtils::remove(direct, true));
    QVERIFY(FileUtils::removeDir(tree, true));
    QVERIFY(!QFileInfo::exists(direct));
    QVERIFY(!QFileInfo::exists(tree));
    QCOMPARE(FileFixture::read(other), original(5000));
}

void TestFileUtils::secureRemovalOverwritesBeforeUnlink_data()
{
    QTest::addColumn<int>("call");
    QTest::newRow("removeFile") << 0;
    QTest::newRow("remove") << 1;
    QTest::newRow("removeList") << 2;
    QTest::newRow("remove list") << 3;
}

void TestFileUtils::secureRemovalOverwritesBeforeUnlink()
{
    QFETCH(int, call);
    const QString wiped = path(QStringLiteral("secure-%1").arg(call));
    const QString plain = path(QStringLiteral("plain-%1").arg(call));
    QVERIFY(FileFixture::write(wiped, original(10000)));
    QVERIFY(FileFixture::write(plain, original(10000)));
    HeldFile heldWiped(wiped);
    HeldFile heldPlain(plain);

    const std::function<void(const QString &, bool)> removeIt = [call](const QString &p, bool secure) {
        switch (call) {
        case 0: QVERIFY(FileUtils::removeFile(p, secure)); break;
        case 1: QVERIFY(FileUtils::remove(p, secure)); break;
        case 2: FileUtils::removeList({p}, secure); break;
        default: FileUtils::remove(QStringList{p}, secure); break;
        }
    };
    removeIt(wiped, true);
    removeIt(plain, false);

    QVERIFY(!QFileInfo::exists(wiped));
    QVERIFY(!QFileInfo::exists(plain));
    QCOMPARE(heldWiped.size(), qint64(10000));
    QVERIFY(fullyOverwritten(heldWiped.bytes()));
    // Without the flag the bytes are left alone.
    QCOMPARE(heldPlain.bytes(), original(10000));
}

void TestFileUtils::folderRemovalWipesEveryFile_data()
{
    QTest::addColumn<bool>("viaRemoveFile");
    QTest::newRow("removeDir") << false;
    QTest::newRow("removeFile on a folder") << true;
}

void TestFileUtils::folderRemovalWipesEveryFile()
{
    QFETCH(bool, viaRemoveFile);
    const QString root = path(viaRemoveFile ? QStringLiteral("tree-rf") : QStringLiteral("tree-rd"));
    const QStringList files = {
        root + "/top.txt",
        root + "/.hidden",
        root + "/a/one.bin",
        root + "/a/b/c/deep.bin",
        root + "/a/.hidden-dir/inside",
        root + "/empty-file",
    };
    std::vector<std::unique_ptr<HeldFile>> held;
    for (const QString &file : files) {
        const int size = file.endsWith("empty-file") ? 0 : 5000 + int(held.size()) * 777;
        QVERIFY(FileFixture::write(file, original(size)));
        held.push_back(std::make_unique<HeldFile>(file));
    }
    QVERIFY(QDir().mkpath(root + "/a/empty-folder"));

    const bool removed = viaRemoveFile ? FileUtils::removeFile(root, true)
                                       : FileUtils::removeDir(root, true);
    QVERIFY(removed);
    QVERIFY(!QFileInfo::exists(root));
    for (size_t i = 0; i < held.size(); ++i) {
        QVERIFY2(fullyOverwritten(held[i]->bytes()), qPrintable(files[int(i)]));
        QVERIFY(held[i]->size() == (files[int(i)].endsWith("empty-file") ? 0 : 5000 + int(i) * 777));
    }
}

void TestFileUtils::removalNeverFollowsLinks_data()
{
    QTest::addColumn<bool>("toFolder");
    QTest::addColumn<bool>("secure");
    QTest::addColumn<bool>("linkInsideTree");
    for (bool toFolder : {false, true}) {
        for (bool secure : {false, true}) {
            for (bool inside : {false, true}) {
                const QByteArray name = QByteArray(toFolder ? "to folder" : "to file")
                    + (secure ? ", wipe" : ", plain") + (inside ? ", inside a removed tree" : ", the path itself");
                QTest::newRow(name.constData()) << toFolder << secure << inside;
            }
        }
    }
}

void TestFileUtils::removalNeverFollowsLinks()
{
    QFETCH(bool, toFolder);
    QFETCH(bool, secure);
    QFETCH(bool, linkInsideTree);
    QTemporaryDir dir;
    const QString targetFile = dir.path() + "/target/file.bin";
    QVERIFY(FileFixture::write(targetFile, original(9000)));
    QVERIFY(FileFixture::write(dir.path() + "/target/sub/more.bin", original(100)));
    const QString target = toFolder ? dir.path() + "/target" : targetFile;
    const QString link = linkInsideTree ? dir.path() + "/tree/x/link" : dir.path() + "/link";
    QVERIFY(QDir().mkpath(QFileInfo(link).absolutePath()));
    QVERIFY(FileFixture::symlink(target, link));

    const QString removed = linkInsideTree ? dir.path() + "/tree" : link;
    QVERIFY(FileUtils::remove(removed, secure));

    QVERIFY(!QFileInfo::exists(removed));
    QCOMPARE(FileFixture::mode(link), -1); // the link itself is gone
    QCOMPARE(FileFixture::read(targetFile), original(9000));
    QCOMPARE(FileFixture::read(dir.path() + "/target/sub/more.bin"), original(100));
}

void TestFileUtils::removalFailures()
{
    QVERIFY(!FileUtils::removeFile(path(QStringLiteral("missing")), false));
    QVERIFY(!FileUtils::removeDir(path(QStringLiteral("missing")), true));
    // removeDir takes folders only.
    const QString file = path(QStringLiteral("not-a-folder"));
    QVERIFY(FileFixture::write(file, "x"));
    QVERIFY(!FileUtils::removeDir(file, false));
    QVERIFY(QFileInfo::exists(file));
    QVERIFY(!FileUtils::removeDir(QString(), false));
    QVERIFY(!FileUtils::removeDir(QStringLiteral("/"), false));
}

void TestFileUtils::removalAsUnprivilegedUser_data()
{
    QTest::addColumn<bool>("readOnlyInner");
    QTest::newRow("writable tree") << false;
    // An entry that can't go keeps its folder: the result says so.
    QTest::newRow("read-only inner folder") << true;
}

void TestFileUtils::removalAsUnprivilegedUser()
{
    QFETCH(bool, readOnlyInner);
    QTemporaryDir work;
    const QString tree = work.path() + QStringLiteral("/tree");
    QVERIFY(FileFixture::write(tree + "/inner/file", "data"));
    QVERIFY(FileFixture::write(tree + "/top", "data"));
    QVERIFY(UnprivilegedRun::handOver(work.path()));
    if (readOnlyInner)
        QVERIFY(QFile::setPermissions(tree + "/inner", QFile::ReadOwner | QFile::ExeOwner));

    QProcess child;
    const bool ended = UnprivilegedRun::run(child, QStringLiteral("remove_folder"), {tree}, work.path());
    QFile::setPermissions(tree + "/inner", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(ended, qPrintable(child.errorString()));
    const QByteArray err = child.readAllStandardError();
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QVERIFY2(child.exitCode() == 0, err.constData());
    // The log shares standard output; the answer is its last line.
    const QList<QByteArray> lines = child.readAllStandardOutput().trimmed().split('\n');
    QCOMPARE(lines.last(), QByteArray(readOnlyInner ? "kept" : "removed"));
    QCOMPARE(QFileInfo::exists(tree + "/inner/file"), readOnlyInner);
    QVERIFY(!QFileInfo::exists(tree + "/top"));
}

void TestFileUtils::removeDelayedRunsInBackground()
{
    const QString one = path(QStringLiteral("delayed-one"));
    const QStringList list = {path(QStringLiteral("delayed-a")), path(QStringLiteral("delayed-b/c"))};
    QVERIFY(FileFixture::write(one, original(3000)));
    QVERIFY(FileFixture::write(list[0], original(3000)));
    QVERIFY(FileFixture::write(list[1], original(3000)));
    HeldFile held(one);

    FileUtils::removeDelayed(one, true);
    FileUtils::removeDelayed(QStringList{list[0], path(QStringLiteral("delayed-b"))}, false);
    QVERIFY(QThreadPool::globalInstance()->waitForDone(10000));

    QVERIFY(!QFileInfo::exists(one));
    QVERIFY(fullyOverwritten(held.bytes()));
    QVERIFY(!QFileInfo::exists(list[0]));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("delayed-b"))));
}

void TestFileUtils::copyReplacesTarget()
{
    const QString source = path(QStringLiteral("copy-source"));
    const QString target = path(QStringLiteral("copy-target"));
    QByteArray content;
    for (int i = 0; i < 200000; ++i)
        content.append(char(i * 7));
    QVERIFY(FileFixture::write(source, content));
    QVERIFY(FileFixture::write(target, "old target"));
    QVERIFY(QFile::setPermissions(source, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));

    QVERIFY(FileUtils::copy(source, target));
    QCOMPARE(FileFixture::read(target), content);
    QCOMPARE(FileFixture::read(source), content);
    QCOMPARE(FileFixture::mode(target), 0640);

    // Onto itself: still whole.
    QVERIFY(FileUtils::copy(source, source));
    QCOMPARE(FileFixture::read(source), content);
    // Nothing left behind beside the target.
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral(".copy-target*")}, QDir::Files | QDir::Hidden),
             QStringList());
}

void TestFileUtils::failedCopyKeepsTarget_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::newRow("missing source") << "missing" << "keep-1";
    QTest::newRow("source is a folder") << "a-folder" << "keep-2";
    QTest::newRow("target is a folder") << "copy-src-2" << "a-folder";
    QTest::newRow("target folder missing") << "copy-src-2" << "no-folder/target";
}

void TestFileUtils::failedCopyKeepsTarget()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QVERIFY(QDir().mkpath(path(QStringLiteral("a-folder"))));
    QVERIFY(FileFixture::write(path(QStringLiteral("copy-src-2")), "new"));
    const bool targetIsFile = !target.contains('/') && target != QLatin1String("a-folder");
    if (targetIsFile)
        QVERIFY(FileFixture::write(path(target), "precious"));

    QVERIFY(!FileUtils::copy(path(source), path(target)));
    if (targetIsFile)
        QCOMPARE(FileFixture::read(path(target)), QByteArray("precious"));
    QVERIFY(QFileInfo(path(QStringLiteral("a-folder"))).isDir());
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral(".keep*"), QStringLiteral(".a-folder*")},
                                          QDir::Files | QDir::Hidden),
             QStringList());
}

void TestFileUtils::copyOverLinkReplacesTheLink()
{
    const QString source = path(QStringLiteral("link-copy-source"));
    const QString elsewhere = path(QStringLiteral("link-copy-elsewhere"));
    const QString target = path(QStringLiteral("link-copy-target"));
    QVERIFY(FileFixture::write(source, "new content"));
    QVERIFY(FileFixture::write(elsewhere, "not to be touched"));
    QVERIFY(FileFixture::symlink(elsewhere, target));

    QVERIFY(FileUtils::copy(source, target));
    QVERIFY(!QFileInfo(target).isSymLink());
    QCOMPARE(FileFixture::read(target), QByteArray("new content"));
    QCOMPARE(FileFixture::read(elsewhere), QByteArray("not to be touched"));
}

void TestFileUtils::renameReplacesTarget()
{
    const QString source = path(QStringLiteral("rename-source"));
    const QString target = path(QStringLiteral("rename-target"));
    QVERIFY(FileFixture::write(source, "moved"));
    QVERIFY(FileFixture::write(target, "replaced"));
    QVERIFY(FileUtils::rename(source, target));
    QVERIFY(!QFileInfo::exists(source));
    QCOMPARE(FileFixture::read(target), QByteArray("moved"));

    // Onto itself: nothing lost.
    QVERIFY(FileUtils::rename(target, target));
    QCOMPARE(FileFixture::read(target), QByteArray("moved"));

    // A folder moves as a whole.
    QVERIFY(FileFixture::write(path(QStringLiteral("rename-dir/f")), "in folder"));
    QVERIFY(FileUtils::rename(path(QStringLiteral("rename-dir")), path(QStringLiteral("renamed-dir"))));
    QCOMPARE(FileFixture::read(path(QStringLiteral("renamed-dir/f"))), QByteArray("in folder"));
}

void TestFileUtils::failedRenameKeepsTarget()
{
    const QString target = path(QStringLiteral("rename-keep"));
    QVERIFY(FileFixture::write(target, "precious"));
    QVERIFY(!FileUtils::rename(path(QStringLiteral("rename-missing")), target));
    QCOMPARE(FileFixture::read(target), QByteArray("precious"));

    // A file can't replace a folder that holds files.
    QVERIFY(FileFixture::write(path(QStringLiteral("rename-full/f")), "x"));
    QVERIFY(!FileUtils::rename(target, path(QStringLiteral("rename-full"))));
    QCOMPARE(FileFixture::read(target), QByteArray("precious"));
}

void TestFileUtils::tempPaths()
{
    const QString temp = path(QStringLiteral("temp/nested/deeper"));
    QVERIFY(FileUtils::setTempPath(temp));
    QVERIFY(QFileInfo(temp).isDir());
    QCOMPARE(FileUtils::getTempPath(), temp);

    const QRegularExpression uuid(QStringLiteral(
        "\\{[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\}"));
    const QString name = FileUtils::genTempFileName();
    QVERIFY2(QRegularExpression("^" + QRegularExpression::escape(temp) + "/" + uuid.pattern() + "\\.tmp$")
                 .match(name).hasMatch(), qPrintable(name));
    QVERIFY(!QFileInfo::exists(name));
    QVERIFY(FileUtils::genTempFileName() != name);

    const QString unique = FileUtils::makeUniqueTempPath();
    QVERIFY2(QRegularExpression("^" + QRegularExpression::escape(temp) + "/" + uuid.pattern() + "$")
                 .match(unique).hasMatch(), qPrintable(unique));
    QVERIFY(QFileInfo(unique).isDir());
    QCOMPARE(FileFixture::mode(unique), 0700);
    QVERIFY(FileUtils::makeUniqueTempPath() != unique);

    // A temporary folder under a file can't be made.
    QVERIFY(FileFixture::write(path(QStringLiteral("temp-file")), "x"));
    QVERIFY(!FileUtils::setTempPath(path(QStringLiteral("temp-file/sub"))));
}

void TestFileUtils::sizeText_data()
{
    QTest::addColumn<quint64>("size");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << quint64(0) << "0 KB";
    QTest::newRow("1") << quint64(1) << "1 KB";
    QTest::newRow("1024") << quint64(1024) << "1 KB";
    QTest::newRow("1025") << quint64(1025) << "1.00 KB";
    QTest::newRow("1536") << quint64(1536) << "1.50 KB";
    QTest::newRow("1 MiB") << quint64(1048576) << "1024.00 KB";
    QTest::newRow("1 MiB + 1") << quint64(1048577) << "1.00 MB";
    QTest::newRow("2.25 MiB") << quint64(2359296) << "2.25 MB";
    QTest::newRow("1 GiB") << quint64(1073741824) << "1024.00 MB";
    QTest::newRow("1 GiB + 1") << quint64(1073741825) << "1.00 GB";
    QTest::newRow("5 TiB") << quint64(5) * 1024 * 1024 * 1024 * 1024 << "5120.00 GB";
    // Single precision: in double this would be 260.44.
    QTest::newRow("single precision") << quint64(279639955544) << "260.43 GB";
}

void TestFileUtils::sizeText()
{
    QFETCH(quint64, size);
    QFETCH(QString, text);
    QCOMPARE(FileUtils::FileSizeToString(size), text);
}

void TestFileUtils::uuidFileNameRoundTrip()
{
    const QUuid known(QStringLiteral("{6BA7B810-9DAD-11D1-80B4-00C04FD430C8}"));
    QCOMPARE(FileUtils::UuidToFileName(known), QStringLiteral("6ba7b8109dad11d180b400c04fd430c8"));
    QCOMPARE(FileUtils::FileNameToUuid(QStringLiteral("6ba7b8109dad11d180b400c04fd430c8")), known);
    QCOMPARE(FileUtils::FileNameToUuid(QStringLiteral("6BA7B8109DAD11D180B400C04FD430C8")), known);
    QCOMPARE(FileUtils::UuidToFileName(QUuid()), QString(32, '0'));
    for (int i = 0; i < 100; ++i) {
        const QUuid id = QUuid::createUuid();
        const QString name = FileUtils::UuidToFileName(id);
        QVERIFY(QRegularExpression("^[0-9a-f]{32}$").match(name).hasMatch());
        QCOMPARE(FileUtils::FileNameToUuid(name), id);
    }
}

void TestFileUtils::fileNameToUuidRefuses_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("31 digits") << "6ba7b8109dad11d180b400c04fd430c";
    QTest::newRow("33 digits") << "6ba7b8109dad11d180b400c04fd430c80";
    QTest::newRow("not hexadecimal") << "6ba7b8109dad11d180b400c04fd430cg";
    QTest::newRow("with dashes") << "6ba7b810-9dad-11d1-80b4-00c04fd430c8";
    QTest::newRow("with braces") << "{6ba7b8109dad11d180b400c04fd430c}";
    QTest::newRow("body file with suffix") << "6ba7b8109dad11d180b400c04fd430c8.tmp";
}

void TestFileUtils::fileNameToUuidRefuses()
{
    QFETCH(QString, name);
    QVERIFY(FileUtils::FileNameToUuid(name).isNull());
}

void TestFileUtils::portableFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("portable");
    QTest::newRow("plain") << "letter.txt" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("255 characters") << QString(255, 'a') << true;
    QTest::newRow("256 characters") << QString(256, 'a') << false;
    QTest::newRow("double quote") << "say \"hi\"" << true;
    QTest::newRow("control character") << QString("tab\there") << true;
    QTest::newRow("non-Latin") << QString::fromUtf8("\xd0\xbf\xd0\xb8\xd1\x81\xd1\x8c\xd0\xbc\xd0\xbe") << true;
    const QString reserved = QStringLiteral("/\\:*?<>|");
    for (const QChar c : reserved)
        QTest::newRow(qPrintable(QStringLiteral("reserved %1").arg(c))) << QString("a%1b").arg(c) << false;
}

void TestFileUtils::portableFileName()
{
    QFETCH(QString, name);
    QFETCH(bool, portable);
    QCOMPARE(FileUtils::isPortableFileName(name), portable);
}

void TestFileUtils::sizes()
{
    QTemporaryDir dir;
    const QString root = dir.path();
    QVERIFY(FileFixture::write(root + "/t/a", QByteArray(100, 'a')));
    QVERIFY(FileFixture::write(root + "/t/b/c", QByteArray(20, 'c')));
    QVERIFY(FileFixture::write(root + "/t/b/d/e", QByteArray(3, 'e')));
    QVERIFY(FileFixture::write(root + "/t/.hidden", QByteArray(5000, 'h')));
    QVERIFY(FileFixture::write(root + "/t/.hidden-dir/x", QByteArray(7000, 'x')));
    QVERIFY(FileFixture::write(root + "/single", QByteArray(42, 's')));

    QCOMPARE(FileUtils::getFileSize(root + "/single"), quint64(42));
    QCOMPARE(FileUtils::getFileSize(root + "/t"), quint64(0));
    QCOMPARE(FileUtils::getFileSize(root + "/missing"), quint64(0));

    QCOMPARE(FileUtils::getDirSize(root + "/t"), qint64(123)); // hidden entries skipped
    QCOMPARE(FileUtils::getDirSize(root + "/missing"), qint64(0));
    QCOMPARE(FileUtils::getDirSize(root + "/single"), qint64(0));

    // A link to a file counts as the file; a link to a folder is not entered,
    // nor is a dangling one or a pipe counted.
    QVERIFY(FileFixture::write(root + "/elsewhere/big", QByteArray(9000, 'b')));
    QVERIFY(QFile::link(root + "/single", root + "/t/b/to-single"));
    QVERIFY(QFile::link(root + "/elsewhere", root + "/t/to-elsewhere"));
    QVERIFY(QFile::link(root + "/nothing", root + "/t/dangling"));
    QVERIFY(::mkfifo(QFile::encodeName(root + "/t/pipe").constData(), 0600) == 0);
    QCOMPARE(FileUtils::getDirSize(root + "/t"), qint64(165));
    // The folder given may be reached through a link.
    QVERIFY(QFile::link(root + "/t", root + "/to-t"));
    QCOMPARE(FileUtils::getDirSize(root + "/to-t"), qint64(165));
    for (const QString &link : QStringList{"/t/b/to-single", "/t/to-elsewhere", "/t/dangling", "/t/pipe", "/to-t"})
        QVERIFY(QFile::remove(root + link));

    QCOMPARE(FileUtils::getListFileSize({root + "/t", root + "/single", ".", "..", root + "/missing"}),
             qint64(165));
    QCOMPARE(FileUtils::size(root + "/single"), qint64(42));
}

void TestFileUtils::fileSystemType_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("failed");
    QTest::addColumn<int>("type");
    QTest::newRow("root volume") << "/kv-nonexistent/file" << false << int(FileUtils::TAV_FS_OTHER);
    QTest::newRow("FAT stick") << "/kv-media/STICK/folder/file" << false << int(FileUtils::TAV_FS_FAT);
    QTest::newRow("mount point itself") << "/kv-media/STICK" << false << int(FileUtils::TAV_FS_FAT);
    QTest::newRow("name only begins like a mount") << "/kv-media/STICKY/file" << false << int(FileUtils::TAV_FS_OTHER);
    QTest::newRow("nested mount wins") << "/kv-media/STICK/inner/x" << false << int(FileUtils::TAV_FS_OTHER);
    QTest::newRow("escaped blank") << "/kv-media/my stick/f" << false << int(FileUtils::TAV_FS_FAT);
    QTest::newRow("msdos") << "/kv-old/f" << false << int(FileUtils::TAV_FS_FAT);
    QTest::newRow("remounted: last entry wins") << "/kv-twice/f" << false << int(FileUtils::TAV_FS_OTHER);
    QTest::newRow("relative path") << "kv-media/STICK/f" << true << 0;
}

void TestFileUtils::fileSystemType()
{
    QFETCH(QString, path);
    QFETCH(bool, failed);
    QFETCH(int, type);
    const QString table = this->path(QStringLiteral("mountinfo"));
    QVERIFY(FileFixture::write(table,
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "40 22 8:17 / /kv-media/STICK rw,nosuid - vfat /dev/sdb1 rw,fmask=0022\n"
        "41 40 8:33 / /kv-media/STICK/inner rw - ext4 /dev/sdc1 rw\n"
        "42 22 8:49 / /kv-media/my\\040stick rw - vfat /dev/sdd1 rw\n"
        "43 22 8:65 / /kv-old rw - msdos /dev/sde1 rw\n"
        "44 22 8:81 / /kv-twice rw - vfat /dev/sdf1 rw\n"
        "45 22 8:82 / /kv-twice rw - exfat /dev/sdf2 rw\n"
        "garbage line\n"));

    // Start from each value, so that a type left alone shows as well.
    for (const auto start : {FileUtils::TAV_FS_FAT, FileUtils::TAV_FS_OTHER}) {
        FileUtils::TAVFileSystemType found = start;
        QCOMPARE(FileUtils::getFileSystemType(path, &found, table), failed);
        QCOMPARE(int(found), failed ? int(start) : type);

        // No table, no answer; the type is left alone.
        FileUtils::TAVFileSystemType untouched = start;
        QVERIFY(FileUtils::getFileSystemType(path, &untouched, this->path(QStringLiteral("no-table"))));
        QCOMPARE(untouched, start);
    }
}

void TestFileUtils::fileSystemTypeOfRealPath()
{
    // The process's own mount table answers for any absolute path.
    auto type = FileUtils::TAV_FS_FAT;
    QVERIFY(!FileUtils::getFileSystemType(m_dir.path() + "/not-yet-there", &type));
    QVERIFY(!FileUtils::getFileSystemType(QStringLiteral("/"), &type));
}

void TestFileUtils::modificationTime()
{
    const QString file = path(QStringLiteral("mtime"));
    QVERIFY(FileFixture::write(file, "x"));
    const QDateTime when = QDateTime::fromSecsSinceEpoch(1234567890).addMSecs(750);
    QCOMPARE(FileUtils::setModificationTime(file, when), 0);
    QCOMPARE(FileUtils::modified(file).toSecsSinceEpoch(), qint64(1234567890));
    QCOMPARE(FileUtils::accessed(file).toSecsSinceEpoch(), qint64(1234567890));
    QCOMPARE(FileUtils::setModificationTime(path(QStringLiteral("mtime-missing")), when), -1);
}

void TestFileUtils::fileInformation()
{
    const QString file = path(QStringLiteral("archive.tar.gz"));
    QVERIFY(FileFixture::write(file, "x"));
    QCOMPARE(FileUtils::getFileExtention(file), QStringLiteral("tar.gz"));
    QCOMPARE(FileUtils::getFileName(file), QStringLiteral("archive.tar.gz"));
    QCOMPARE(FileUtils::getFilePath(file), QFileInfo(m_dir.path()).absoluteFilePath());
    QVERIFY(FileUtils::created(file).isValid());
    FileUtils::makePath(path(QStringLiteral("made/a/b")));
    QVERIFY(QFileInfo(path(QStringLiteral("made/a/b"))).isDir());
}

QTEST_GUILESS_MAIN(TestFileUtils)
#include "tst_fileutils.moc"
