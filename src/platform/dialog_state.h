// Qt's standard dialogs keep state of their own (the file dialog's last
// folder, history and layout, the colour dialog's custom colours) in a
// "QtProject" settings file in the user's config folder. The program keeps no
// file but its own and remembers nothing of a dialog from one run to the
// next, so that state lives for the run only.
#pragma once

// Call once at start-up, before any dialog is shown.
void KeepDialogStateForTheRun();
