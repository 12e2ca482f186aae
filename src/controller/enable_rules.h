// When the commands that have a rule may run. The window evaluates a rule
// when a menu opens and again just before the command would run.
#pragma once

struct Session;

bool CanSave(Session& s);
bool CanUndo(Session& s);
bool CanDouble(Session& s);
bool CanPass(Session& s);
bool CanSwitchSides(Session& s);

// The rule of a command id; commands without a rule are always enabled.
bool CommandEnabled(Session& s, int id);
