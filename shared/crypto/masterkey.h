#ifndef MASTERKEY_H
#define MASTERKEY_H

#include "tavkey.h"

// The master key derived from the password at login. The vault list is kept
// under it and every vault key is wrapped under it in the vault's key chain.
// Empty until login, so nothing can be enciphered under a made-up key.
struct MasterKey
{
    static TAVKey key;
};

#endif // MASTERKEY_H
