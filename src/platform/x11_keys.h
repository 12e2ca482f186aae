// Asks the X server for a key's state. Kept apart because Xlib's macros clash
// with Qt's headers.
#pragma once

// 1 or 0 for a key held or not; -1 when there is no X server to ask or the
// key has no X equivalent here.
int X11KeyDown(int vk);
