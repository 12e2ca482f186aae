// The wait for the human's answer at the end of a turn: a nested event loop
// that keeps painting, timers and shortcuts going and ends at the first key
// press, mouse press or command.
#pragma once

struct WaitResult {
    enum Kind { KEY, LEFT_BUTTON, RIGHT_BUTTON, COMMAND };
    Kind kind;
    int code;  // the virtual key or the command id; 0 for the buttons
};

class QWidget;

// Runs the nested loop until a key or mouse button is pressed in `client`
// (menus and dialogs work meanwhile) or a command runs. The event that ends
// it is delivered as usual before the loop returns, so a shortcut still
// reaches its command and a right-button press its handler.
WaitResult WaitForInput(QWidget* client);

bool WaitRunning();

// Ends a running wait because a command ran or was posted.
void EndWaitByCommand(int id);
