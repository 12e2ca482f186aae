// Telling the user that a file could not be saved or opened. A failure the
// user cannot see would pass for success: the file is named as the user knows
// it and the reason is the system's own.
#pragma once

#include <initializer_list>
#include <string>

#include "platform/atomic_file.h"

struct Session;

// The message: `textId` is IDS_SAVE_FAILED or IDS_OPEN_FAILED.
std::string FileFailureText(int textId, const std::string& path, FileResult why);

// Shows the message in a warning box with OK.
void ShowFileFailure(Session& s, int textId, const std::string& path, FileResult why);

// A write and the file it went to.
struct FileWrite {
    std::string path;
    FileResult result;
};

// Shows the first of the writes that failed, if any: one message for one
// command, however many of its writes failed.
void ShowSaveFailure(Session& s, std::initializer_list<FileWrite> writes);

// The same for the writes at the end of a game, with the note that results
// are not being kept, and only the first time in a run, so that a full disk
// does not interrupt every game.
void ShowResultsNotKept(Session& s, std::initializer_list<FileWrite> writes);
