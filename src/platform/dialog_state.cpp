#include "platform/dialog_state.h"

#include <QSettings>

void KeepDialogStateForTheRun() {
    // The dialogs ask for the user's native settings, INI files in this
    // folder on Linux. Nothing can be made inside a device, so there is
    // nothing to read and every write fails quietly; within a run the
    // dialogs still remember in memory.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}
