// One application-wide event filter that keeps a table of the keys held down
// and, while input is being flushed, swallows key and mouse input. A key
// already down when a dialog opens reaches no widget until it goes up: a
// dialog answers only keys pressed for it.
#pragma once

// Installs the filter on the application; later calls do nothing.
void InstallInputFilter();

// True while the filter has seen the key go down and not up again.
bool KeyTableDown(int vk);

// While on, key, shortcut, mouse-button, wheel and context-menu events are
// dropped before they reach any widget.
void SetSwallowInput(bool on);

bool SwallowingInput();
