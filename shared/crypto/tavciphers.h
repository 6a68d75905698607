#ifndef TAVCIPHERS_H
#define TAVCIPHERS_H

// The encryption engine's keys and formats in one include: the cipher table,
// the key record, the key chain file and the user-file header and block
// functions. The data-file stream is in tavcryptofile.h.
#include "tavcipherprops.h"
#include "tavcrypto.h"
#include "tavkey.h"
#include "tavkeychain.h"

#endif // TAVCIPHERS_H
