#include "bodycipher.h"

#include "safefile.h"
#include "tavcrypto.h"

#include <QByteArray>
#include <QFileDevice>

#include <openssl/crypto.h>

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// The rest of a large body goes through three stages at once: a thread reads
// slot after slot, the calling thread enciphers them (the key schedule and
// afterChunk stay on it), a thread writes them. A disk's reads, the cipher
// and the writes (with their waits for write-back) then overlap instead of
// taking turns, and memory stays at the few slots whatever the size.
class Pipeline
{
public:
    static constexpr int kSlots = 4;
    static constexpr qint64 kSlotSize = 1 << 20;

    Pipeline(QIODevice *in, QIODevice *out, quint64 offset)
        : m_in(in), m_out(out), m_file(qobject_cast<QFileDevice *>(out)), m_offset(offset), m_written(offset)
    {
        for (auto &slot : m_slots)
            slot.reset(new unsigned char[size_t(kSlotSize)]);
    }

    ~Pipeline()
    {
        for (int i = 0; i < kSlots; ++i)
            OPENSSL_cleanse(m_slots[i].get(), size_t(m_used[i]));
    }

    // False when a thread could not be started: nothing was read or written
    // then, and the caller goes on alone. The writer starts first: until a
    // slot is enciphered it touches nothing.
    bool start()
    {
        try {
            m_writer = std::thread(&Pipeline::writeAll, this);
        } catch (...) {
            return false;
        }
        try {
            m_reader = std::thread(&Pipeline::readAll, this);
        } catch (...) {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_cipherEnd = true;
            }
            m_changed.notify_all();
            m_writer.join();
            return false;
        }
        return true;
    }

    BodyCipher::Outcome run(const unsigned char *iv, TAVCipher cipher, const TAVKey &key,
                            const BodyCipher::AfterChunk &afterChunk, quint64 *offsetReached)
    {
        unsigned char counterIv[16] = {};
        std::memcpy(counterIv, iv, 8);
        quint64 offset = m_offset;
        for (int n = 0;; ++n) {
            qint64 count = 0;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                // A source ending on a slot's edge still gives one empty slot.
                m_changed.wait(lock, [&] { return m_read > n || m_failed; });
                if (m_failed)
                    break;
                count = m_count[n % kSlots];
            }
            if (count > 0
                && TAVCrypto::encryptBlock(m_slots[n % kSlots].get(), int(count), offset, counterIv, cipher,
                                           key) != 0) {
                fail(BodyCipher::WriteFailed, 0);
                break;
            }
            offset += quint64(count);
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_ciphered = n + 1;
            }
            m_changed.notify_all();
            if (afterChunk && !afterChunk(offset)) {
                fail(BodyCipher::Cancelled, 0);
                break;
            }
            if (count < kSlotSize)
                break;
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_cipherEnd = true;
        }
        m_changed.notify_all();
        m_reader.join();
        m_writer.join();
        if (offsetReached)
            *offsetReached = m_written;
        if (m_failed)
            errno = m_error;
        return m_failed ? m_outcome : BodyCipher::Done;
    }

private:
    void fail(BodyCipher::Outcome outcome, int error)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_failed) {
                m_failed = true;
                m_outcome = outcome;
                m_error = error;
            }
        }
        m_changed.notify_all();
    }

    void readAll()
    {
        for (int n = 0;; ++n) {
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_changed.wait(lock, [&] { return n - m_freed < kSlots || m_failed; });
                if (m_failed)
                    return;
            }
            const int slot = n % kSlots;
            errno = 0;
            const qint64 count = m_in->read(reinterpret_cast<char *>(m_slots[slot].get()), kSlotSize);
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_used[slot] = count < 0 ? kSlotSize : qMax(m_used[slot], count);
            }
            if (count < 0) {
                fail(BodyCipher::ReadFailed, errno);
                return;
            }
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_count[slot] = count;
                m_read = n + 1;
            }
            m_changed.notify_all();
            if (count < kSlotSize)
                return;
        }
    }

    void writeAll()
    {
        quint64 writeBackFrom = m_offset;
        for (int n = 0;; ++n) {
            qint64 count = 0;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_changed.wait(lock, [&] { return m_ciphered > n || m_cipherEnd || m_failed; });
                if (m_failed || m_ciphered <= n)
                    return;
                count = m_count[n % kSlots];
            }
            errno = 0;
            if (count > 0 && m_out->write(reinterpret_cast<const char *>(m_slots[n % kSlots].get()), count)
                    != count) {
                fail(BodyCipher::WriteFailed, errno);
                return;
            }
            m_written += quint64(count);
            if (m_file && m_written - writeBackFrom >= BodyCipher::kWriteBackStep && m_file->flush()) {
                SafeFile::startWriteBack(m_file->handle(), qint64(writeBackFrom), qint64(m_written));
                writeBackFrom = m_written;
            }
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_freed = n + 1;
            }
            m_changed.notify_all();
        }
    }

    QIODevice *const m_in;
    QIODevice *const m_out;
    QFileDevice *const m_file;
    const quint64 m_offset;
    std::unique_ptr<unsigned char[]> m_slots[kSlots];
    qint64 m_used[kSlots] = {}; // what each slot ever held, wiped at the end
    qint64 m_count[kSlots] = {};
    std::thread m_reader;
    std::thread m_writer;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    // Slots counted from the start: read, enciphered, written and free again.
    int m_read = 0;
    int m_ciphered = 0;
    int m_freed = 0;
    bool m_cipherEnd = false;
    bool m_failed = false;
    BodyCipher::Outcome m_outcome = BodyCipher::Done;
    int m_error = 0;
    quint64 m_written; // the writer's own until it is joined
};

} // namespace

BodyCipher::Outcome BodyCipher::run(QIODevice *in, QIODevice *out, quint64 offset,
                                    const unsigned char *iv, TAVCipher cipher, const TAVKey &key,
                                    const AfterChunk &afterChunk, quint64 *offsetReached)
{
    unsigned char counterIv[16] = {};
    std::memcpy(counterIv, iv, 8);
    // Kept by the thread between runs (wiped after each): a job of many small
    // files would otherwise take and give back 64 KiB for every one. Nothing
    // stays in it across afterChunk, so a run begun from there may use it too.
    thread_local QByteArray buffer(int(kChunk), Qt::Uninitialized);
    auto *data = reinterpret_cast<unsigned char *>(buffer.data());
    Outcome outcome = Done;
    qint64 used = 0; // what the buffer ever held: a small file's run wipes only that
    auto *file = qobject_cast<QFileDevice *>(out);
    quint64 writeBackFrom = offset;
    const quint64 start = offset;
    std::unique_ptr<Pipeline> piped;
    for (;;) {
        const qint64 count = in->read(buffer.data(), kChunk);
        if (count < 0) {
            used = kChunk; // what a failed read left in it is not known
            outcome = ReadFailed;
            break;
        }
        used = qMax(used, count);
        if (count > 0) {
            if (TAVCrypto::encryptBlock(data, int(count), offset, counterIv, cipher, key) != 0) {
                outcome = WriteFailed;
                break;
            }
            const qint64 written = out->write(buffer.constData(), count);
            if (written != count) {
                outcome = WriteFailed;
                break;
            }
            offset += quint64(written);
            if (file && offset - writeBackFrom >= kWriteBackStep && file->flush()) {
                SafeFile::startWriteBack(file->handle(), qint64(writeBackFrom), qint64(offset));
                writeBackFrom = offset;
            }
        }
        if (afterChunk && !afterChunk(offset)) {
            outcome = Cancelled;
            break;
        }
        if (count < kChunk)
            break; // the end of the source
        if (!piped && offset - start >= kPipelineFrom && !in->isSequential() && !out->isSequential()) {
            // A large body: the rest goes through the pipeline. Small ones
            // never get this far, so they pay for no thread.
            piped.reset(new Pipeline(in, out, offset));
            if (!piped->start())
                piped.reset(); // no threads to be had: on alone, as before
            else
                break;
        }
    }
    OPENSSL_cleanse(buffer.data(), size_t(used));
    if (piped)
        return piped->run(iv, cipher, key, afterChunk, offsetReached);
    if (offsetReached)
        *offsetReached = offset;
    return outcome;
}
