// The heap set up as the program's start sets it: large pages requested for
// it, and what a large temporary held handed back when asked.
#include "largepages.h"

#include <QFile>
#include <QtTest>

#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#define KV_OWN_ALLOCATOR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KV_OWN_ALLOCATOR 1
#endif
#endif

namespace {

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

} // namespace

class TestLargePages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void heapIsAdvisedForLargePages();
    void freedPagesAreHandedBack();
};

void TestLargePages::initTestCase()
{
#ifdef KV_OWN_ALLOCATOR
    QSKIP("The sanitizer's allocator replaces the C library's heap");
#endif
    LargePages::requestForHeap();
}

void TestLargePages::heapIsAdvisedForLargePages()
{
    QFile mode(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
    if (!mode.open(QIODevice::ReadOnly) || mode.readAll().contains("[never]"))
        QSKIP("This kernel gives no large pages");
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    QVERIFY(smaps.open(QIODevice::ReadOnly));
    bool inHeap = false;
    QByteArray flags;
    for (const QByteArray &line : smaps.readAll().split('\n')) {
        if (line.contains('-') && !line.contains(':'))
            continue;
        if (line.endsWith("[heap]"))
            inHeap = true;
        else if (inHeap && line.startsWith("VmFlags:"))
            flags = line;
        if (!flags.isEmpty())
            break;
    }
    QVERIFY2(flags.split(' ').contains("hg"), flags.constData());
}

void TestLargePages::freedPagesAreHandedBack()
{
    // As an index read whole while the items are made after it: the block is
    // freed with live blocks above it, and stays resident until given back.
    constexpr size_t kTemporary = 16 << 20;
    const qint64 before = residentKiB();
    auto *temporary = static_cast<volatile char *>(std::malloc(kTemporary));
    void *above = std::malloc(64);
    QVERIFY(temporary && above);
    for (size_t i = 0; i < kTemporary; i += 4096)
        temporary[i] = 0x5a;
    std::free(const_cast<char *>(temporary));
    QVERIFY(residentKiB() - before >= qint64(kTemporary / 1024) / 2);
    LargePages::releaseFree();
    const qint64 kept = residentKiB() - before;
    std::free(above);
    QVERIFY2(kept < 4096, qPrintable(QString::number(kept)));
}

QTEST_MAIN(TestLargePages)
#include "tst_largepages.moc"
