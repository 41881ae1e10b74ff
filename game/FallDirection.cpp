// The effective direction of fall, from the UpDown setting.
#include "game/FallDirection.h"
#include "settings/SettingsRecord.h"

int FallDirection() { return Settings.UpDown == -1 ? -1 : 1; }
