#include "filefixture.h"
#include "foldercompressor.h"
#include "scratchfiles.h"
#include "treesnapshot.h"

#include "bigendian.h"

#include <QtTest>

#include <unistd.h>

// The folder archive: its bytes pinned by hand-made records, a tree that
// survives the way there and back, and a reader that refuses damage and any
// path leading out of its fresh target folder, leaving nothing behind.
class TestFolderCompressor : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void writesKnownBytes_data();
    void writesKnownBytes();
    void readsKnownBytes_data();
    void readsKnownBytes();
    void roundTripKeepsFilesExactly();
    void rootedPathStaysInsideTarget();
    void refusesDamagedArchive_data();
    void refusesDamagedArchive();
    void refusesUnfitTarget_data();
    void refusesUnfitTarget();
    void writerNeverFollowsLinks();
    void writerFailureKeepsOldArchive_data();
    void writerFailureKeepsOldArchive();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    // Lays out "name=content" files and "name/" folders below `root`.
    void layOut(const QString &root, const QStringList &entries);

    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

// Records written field by field, as the format lays them out: a 32-bit
// big-endian byte length, then the bytes; the path in UTF-16, big-endian.

QByteArray pathField(const QString &path)
{
    QByteArray utf16;
    for (const QChar c : path)
        utf16 += char(c.unicode() >> 8) + QByteArray(1, char(c.unicode() & 0xff));
    return be32(quint32(utf16.size())) + utf16;
}

QByteArray record(const QString &path, const QByteArray &body)
{
    return pathField(path) + be32(quint32(body.size())) + body;
}

// qCompress bodies worked out with another zlib: "hello" at level 6, and
// the body of an empty file.
const QByteArray kHello = QByteArray::fromHex("00000005789ccb48cdc9c90700062c0215");
const QByteArray kEmpty = QByteArray::fromHex("00000000");

} // namespace

void TestFolderCompressor::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void TestFolderCompressor::layOut(const QString &root, const QStringList &entries)
{
    QVERIFY(QDir().mkpath(root));
    for (const QString &entry : entries) {
        if (entry.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir().mkpath(root + QLatin1Char('/') + entry));
            continue;
        }
        const int eq = entry.indexOf(QLatin1Char('='));
        QVERIFY(FileFixture::write(root + QLatin1Char('/') + entry.left(eq), entry.mid(eq + 1).toUtf8()));
    }
}

void TestFolderCompressor::writesKnownBytes_data()
{
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("one file") << QStringList{"b=hello"}
                              << QByteArray::fromHex("00000004002f0062"
                                                     "00000011" "00000005789ccb48cdc9c90700062c0215");
    QTest::newRow("empty file") << QStringList{"e="} << QByteArray::fromHex("00000004002f0065" "00000004" "00000000");
    QTest::newRow("only an empty folder") << QStringList{"empty/"} << QByteArray();
    QTest::newRow("nothing") << QStringList{} << QByteArray();
    // Sub-folders before files, depth first, names sorted ignoring case;
    // hidden entries and empty folders leave no record.
    QTest::newRow("order and omissions")
        << QStringList{"B.txt=hello", "a.txt=", "Zeta/inner/deep.txt=hello", "alpha/e.txt=",
                       "empty/", ".hidden=x", ".hiddendir/f=x", "alpha/.h=x"}
        << record("/alpha/e.txt", kEmpty) + record("/Zeta/inner/deep.txt", kHello)
               + record("/a.txt", kEmpty) + record("/B.txt", kHello);
    // "/déjà/€": seven UTF-16 code units.
    QTest::newRow("non-ASCII name") << QStringList{QString::fromUtf8("d\xc3\xa9j\xc3\xa0/\xe2\x82\xac=hello")}
                                    << QByteArray::fromHex("0000000e002f006400e9006a00e0002f20ac"
                                                           "00000011" "00000005789ccb48cdc9c90700062c0215");
}

void TestFolderCompressor::writesKnownBytes()
{
    QFETCH(QStringList, tree);
    QFETCH(QByteArray, expected);
    layOut(path("src"), tree);

    FolderCompressor compressor;
    QVERIFY(compressor.compressFolder(path("src"), path("out.bin")));
    QCOMPARE(fileBytes(path("out.bin")).toHex(), expected.toHex());
}

void TestFolderCompressor::readsKnownBytes_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QStringList>("tree");

    QTest::newRow("empty archive") << QByteArray() << QStringList{};
    QTest::newRow("nested path makes its folders")
        << QByteArray::fromHex("00000014002f0061002f0062002f0063002e007400780074"
                               "00000011" "00000005789ccb48cdc9c90700062c0215")
        << QStringList{"a/", "a/b/", "a/b/c.txt=hello"};
    QTest::newRow("empty file") << record("/e", kEmpty) << QStringList{"e="};
    QTest::newRow("zlib stream of nothing")
        << record("/z", QByteArray::fromHex("00000000789c030000000001")) << QStringList{"z="};
    QTest::newRow("same path twice keeps the last")
        << record("/x", kHello) + record("/x", kEmpty) << QStringList{"x="};
    QTest::newRow("names that only look odd")
        << record("/...", kHello) + record("/.h", kEmpty) + record(QString::fromUtf8("/\xc3\xa9 \xe2\x82\xac"), kHello)
        << QStringList{"...=hello", ".h=", QString::fromUtf8("\xc3\xa9 \xe2\x82\xac=hello")};
}

void TestFolderCompressor::readsKnownBytes()
{
    QFETCH(QByteArray, archive);
    QFETCH(QStringList, tree);
    QVERIFY(writeBytes(path("in.bin"), archive));

    FolderCompressor compressor;
    QVERIFY(compressor.decompressFolder(path("in.bin"), path("new/target")));
    QVERIFY(QFileInfo(path("new/target")).isDir());
    QCOMPARE(treeSnapshot(path("new/target")), tree);
}

void TestFolderCompressor::roundTripKeepsFilesExactly()
{
    QByteArray everyByte;
    for (int i = 0; i < 4096; ++i)
        everyByte += char(i & 0xff);
    QByteArray noise(300000, '\0');
    quint32 x = 12345;
    for (char &c : noise) {
        x = x * 1103515245u + 12345u;
        c = char(x >> 24);
    }
    const QString src = path("src");
    QVERIFY(FileFixture::write(src + "/every.bin", everyByte));
    QVERIFY(FileFixture::write(src + "/one/two/three/noise.bin", noise));
    QVERIFY(FileFixture::write(src + "/one/empty.txt", QByteArray()));
    QVERIFY(FileFixture::write(src + "/one/run", QByteArray("#!/bin/sh\n")));
    QVERIFY(QFile::setPermissions(src + "/one/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(QDir().mkpath(src + "/one/nothing"));

    FolderCompressor writer;
    QVERIFY(writer.compressFolder(src, path("pack.bin")));
    FolderCompressor reader;
    QVERIFY(reader.decompressFolder(path("pack.bin"), path("out")));

    QCOMPARE(fileBytes(path("out/every.bin")), everyByte);
    QVERIFY(fileBytes(path("out/one/two/three/noise.bin")) == noise);
    QCOMPARE(fileBytes(path("out/one/empty.txt")), QByteArray());
    QCOMPARE(fileBytes(path("out/one/run")), QByteArray("#!/bin/sh\n"));
    // The format keeps no folders of their own and no modes.
    QVERIFY(!QFileInfo::exists(path("out/one/nothing")));
    QCOMPARE(FileFixture::mode(path("out/one/run")) & 0111, 0);
    QStringList names;
    for (const QString &entry : treeSnapshot(path("out")))
        names << entry.section(QLatin1Char('='), 0, 0);
    QCOMPARE(names, (QStringList{"every.bin", "one/", "one/empty.txt", "one/run", "one/two/",
                                 "one/two/three/", "one/two/three/noise.bin"}));
}

void TestFolderCompressor::rootedPathStaysInsideTarget()
{
    // Every stored path begins with "/": the reader takes it below the
    // target, never as the absolute path it resembles.
    const QString outside = path("outside");
    layOut(outside, {"keep.txt=mine"});
    QVERIFY(writeBytes(path("in.bin"), record(outside + "/keep.txt", kHello)));

    FolderCompressor compressor;
    QVERIFY(compressor.decompressFolder(path("in.bin"), path("target")));
    QCOMPARE(fileBytes(path("target") + outside + "/keep.txt"), QByteArray("hello"));
    QCOMPARE(fileBytes(outside + "/keep.txt"), QByteArray("mine"));
}

void TestFolderCompressor::refusesDamagedArchive_data()
{
    QTest::addColumn<QByteArray>("damage");
    QTest::addColumn<QString>("badPath"); // with @OUTSIDE@, a folder beside the target

    // Paths that could lead out of the target or name it badly.
    QTest::newRow("dot-dot") << record("/../outside/evil.txt", kHello) << QString();
    QTest::newRow("dot-dot below a folder") << record("/dir/../../outside/evil.txt", kHello) << QString();
    QTest::newRow("dot") << record("/./evil.txt", kHello) << QString();
    QTest::newRow("absolute after the root") << QByteArray() << QString("/@OUTSIDE@/evil.txt");
    QTest::newRow("no root") << record("../outside/evil.txt", kHello) << QString();
    QTest::newRow("bare root") << record("/", kHello) << QString();
    QTest::newRow("trailing slash") << record("/dir/", kHello) << QString();
    QTest::newRow("empty path") << be32(0) + be32(4) + kEmpty << QString();
    QTest::newRow("null path") << be32(0xffffffffu) + be32(4) + kEmpty << QString();
    QTest::newRow("newline") << record("/a\nb", kHello) << QString();
    QTest::newRow("NUL") << record(QString::fromLatin1("/a\0b", 4), kHello) << QString();
    QTest::newRow("escape") << record("/a\x1b[2Jb", kHello) << QString();
    QTest::newRow("C1 control") << record(QString("/a") + QChar(0x85), kHello) << QString();
    QTest::newRow("unpaired surrogate") << record(QString("/a") + QChar(0xd800), kHello) << QString();
    QTest::newRow("odd path length") << QByteArray::fromHex("00000003002f00") + be32(4) + kEmpty << QString();

    // Records cut short or whose lengths don't hold.
    QTest::newRow("path cut short") << QByteArray::fromHex("00000010002f0061") << QString();
    QTest::newRow("record ends after its path") << pathField("/cut") << QString();
    QTest::newRow("content length cut short") << pathField("/cut") + QByteArray::fromHex("0000") << QString();
    QTest::newRow("content beyond the end") << pathField("/cut") + be32(100) + kHello << QString();
    QTest::newRow("stray bytes after a record") << QByteArray::fromHex("0000") << QString();
    QTest::newRow("content shorter than its size word") << pathField("/c") + be32(2) + QByteArray(2, '\0') << QString();
    QTest::newRow("null content") << pathField("/c") + be32(0xffffffffu) << QString();
    QTest::newRow("size word too big") << record("/c", QByteArray::fromHex("00000006") + kHello.mid(4)) << QString();
    QTest::newRow("size word too small") << record("/c", QByteArray::fromHex("00000004") + kHello.mid(4)) << QString();
    QTest::newRow("size without a stream") << record("/c", QByteArray::fromHex("00000005")) << QString();
    QTest::newRow("size beyond any stream") << record("/c", QByteArray::fromHex("7fffffff") + kHello.mid(4)) << QString();
    QTest::newRow("corrupt stream") << record("/c", QByteArray::fromHex("00000005789c0102030405060708")) << QString();
    // A shorter length makes the rest of the body read as the next record.
    QTest::newRow("content length too short")
        << pathField("/c") + be32(quint32(kHello.size() - 6)) + kHello << QString();

    // Paths that clash with what an earlier record made.
    QTest::newRow("file where a folder goes") << record("/ok.txt/x", kHello) << QString();
    QTest::newRow("folder where a file goes") << record("/dir", kHello) << QString();
}

void TestFolderCompressor::refusesDamagedArchive()
{
    QFETCH(QByteArray, damage);
    QFETCH(QString, badPath);
    const QString outside = path("outside");
    layOut(outside, {"keep.txt=mine"});
    if (!badPath.isEmpty())
        damage = record(badPath.replace("@OUTSIDE@", outside), kHello);
    // Good records first, so there is something to take back.
    const QByteArray archive = record("/ok.txt", kHello) + record("/dir/sub/ok2", kEmpty) + damage;
    QVERIFY(writeBytes(path("in.bin"), archive));

    // Into a folder that is made, with a missing parent, and into an empty
    // one that was there: either way the scratch tree ends as it began.
    for (const bool existing : {false, true}) {
        const QString target = existing ? path("target") : path("fresh/target");
        if (existing)
            QVERIFY(QDir().mkpath(target));
        const QStringList before = treeSnapshot(m_dir->path());

        FolderCompressor compressor;
        QVERIFY2(!compressor.decompressFolder(path("in.bin"), target),
                 existing ? "existing target" : "fresh target");
        QCOMPARE(treeSnapshot(m_dir->path()), before);
    }
}

void TestFolderCompressor::refusesUnfitTarget_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder with a file") << "file inside";
    QTest::newRow("folder with a hidden file") << "hidden inside";
    QTest::newRow("a file") << "file";
    QTest::newRow("link to an empty folder") << "link";
    QTest::newRow("missing archive") << "no archive";
    QTest::newRow("archive is a folder") << "folder archive";
}

void TestFolderCompressor::refusesUnfitTarget()
{
    QFETCH(QString, kind);
    const QString target = path("target");
    QString archive = path("in.bin");
    QVERIFY(writeBytes(archive, record("/x", kHello)));
    if (kind == "file inside")
        layOut(target, {"x=old"});
    else if (kind == "hidden inside")
        layOut(target, {".x=old"});
    else if (kind == "file")
        QVERIFY(writeBytes(target, "old"));
    else if (kind == "link") {
        QVERIFY(QDir().mkpath(path("elsewhere")));
        QVERIFY(FileFixture::symlink(path("elsewhere"), target));
    } else if (kind == "no archive")
        archive = path("missing.bin");
    else if (kind == "folder archive")
        archive = path("elsewhere");
    QVERIFY(QDir().mkpath(path("elsewhere")));
    const QStringList before = treeSnapshot(m_dir->path());

    FolderCompressor compressor;
    QVERIFY(!compressor.decompressFolder(archive, target));
    QCOMPARE(treeSnapshot(m_dir->path()), before);
}

void TestFolderCompressor::writerNeverFollowsLinks()
{
    const QString src = path("src");
    layOut(path("secret"), {"key.txt=private", "deep/more.txt=private"});
    layOut(src, {"real.txt=hello", "sub/"});
    QVERIFY(FileFixture::symlink(path("secret/key.txt"), src + "/file-link"));
    QVERIFY(FileFixture::symlink(path("secret"), src + "/folder-link"));
    QVERIFY(FileFixture::symlink(src, src + "/sub/loop"));
    QVERIFY(FileFixture::symlink(path("nowhere"), src + "/dangling"));

    FolderCompressor compressor;
    QVERIFY(compressor.compressFolder(src, path("out.bin")));
    QCOMPARE(fileBytes(path("out.bin")).toHex(), record("/real.txt", kHello).toHex());
}

void TestFolderCompressor::writerFailureKeepsOldArchive_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("missing source") << "missing";
    QTest::newRow("control character in a sub-folder's file") << "bad name";
    QTest::newRow("control character in a folder name") << "bad folder";
    QTest::newRow("unreadable file in a sub-folder") << "unreadable";
}

void TestFolderCompressor::writerFailureKeepsOldArchive()
{
    QFETCH(QString, fault);
    const QString src = path("src");
    layOut(src, {"a.txt=hello", "sub/b.txt=hello"});
    if (fault == "missing") {
        QVERIFY(QDir(src).removeRecursively());
    } else if (fault == "bad name") {
        layOut(src, {"sub/c\nd=x"});
    } else if (fault == "bad folder") {
        layOut(src, {"e\tf/g=x"});
    } else if (fault == "unreadable") {
        if (::geteuid() == 0)
            QSKIP("root reads every file");
        QVERIFY(QFile::setPermissions(src + "/sub/b.txt", QFileDevice::Permissions()));
    }
    QVERIFY(writeBytes(path("out.bin"), "old archive"));

    FolderCompressor compressor;
    QVERIFY(!compressor.compressFolder(src, path("out.bin")));
    QCOMPARE(fileBytes(path("out.bin")), QByteArray("old archive"));
    QCOMPARE(entries(m_dir->path()), QStringList{"out.bin"});
}

QTEST_GUILESS_MAIN(TestFolderCompressor)
#include "tst_foldercompressor.moc"
