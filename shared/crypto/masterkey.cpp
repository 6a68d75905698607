#include "masterkey.h"

TAVKey MasterKey::key = TAVKey::fromHex(QString());
