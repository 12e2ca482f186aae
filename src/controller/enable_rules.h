// When the commands that have a rule may run. The window evaluates a rule
// when a menu opens and again just before the command would run.
#pragma once

bool CanSave();
bool CanUndo();
bool CanDouble();
bool CanPass();
bool CanSwitchSides();

// The rule of a command id; commands without a rule are always enabled.
bool CommandEnabled(int id);
