// The asynchronous key state: whether a key is held down at this moment,
// whatever input is still waiting to be handled.
#pragma once

// 1 while the key (a virtual-key code) is down, else 0.
int KeyIsDown(int vk);
