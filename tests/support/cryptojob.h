#ifndef CRYPTOJOB_H
#define CRYPTOJOB_H

#include "tavcipherprops.h"
#include "tavkey.h"

#include <QDateTime>
#include <QString>

class TAVCryptoThread;

// Runs one job on the crypto worker the way the application drives it: set
// the fields, start, then sleep 10 ms and process events until it is done (the
// worker's queued signals are delivered in those steps). Returns its state.
namespace CryptoJob {

int encrypt(TAVCryptoThread &thread, const QString &source, const QString &destination,
            const TAVKey &key, TAVCipher cipher, const QString &name, const QDateTime &created);
int decrypt(TAVCryptoThread &thread, const QString &source, const QString &destination,
            const TAVKey &key, TAVCipher cipher);
void runAndWait(TAVCryptoThread &thread);

} // namespace CryptoJob

#endif // CRYPTOJOB_H
