#include "tavdrophost.h"

TAVDropHost::~TAVDropHost() = default;
