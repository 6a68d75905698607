#ifndef SCREENSHOT_H
#define SCREENSHOT_H

#include <QString>

// Pictures of the screen for looking at a dialog by eye. Only when the
// environment names a folder in KV_SHOT_DIR (a run under a real X server
// such as Xvfb): the whole screen is saved there as "<name>.png" with
// ImageMagick's import. Otherwise nothing happens.
namespace ScreenShot {

bool enabled();
// Lets pending paints reach the screen first; false when not enabled or not saved.
bool take(const QString &name);

} // namespace ScreenShot

#endif // SCREENSHOT_H
