#include "appstate.h"

QString AppState::tempPath;
QString AppState::mountPoint;
QString AppState::curLanguage;
