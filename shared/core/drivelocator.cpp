#include "drivelocator.h"

DriveLocator::~DriveLocator() = default;
