#include "controller/file_failure.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "controller/session.h"
#include "platform/message_box_kinds.h"
#include "resources/help_topics.h"
#include "resources/strings.h"

namespace {
const FileWrite* FirstFailed(std::initializer_list<FileWrite> writes) {
    const auto failed = std::find_if(writes.begin(), writes.end(), [](const FileWrite& w) { return !w.result; });
    return failed != writes.end() ? failed : nullptr;
}

void ShowWarning(Session& s, const std::string& text) { s.view.Ask(text, MB_OK, MB_ICONEXCLAMATION, HELP_FILES); }
}  // namespace

std::string FileFailureText(int textId, const std::string& path, FileResult why) {
    const std::string name = std::filesystem::path(path).filename().string();
    const char* reason = why.error == NOT_A_REGULAR_FILE ? ResString(IDS_NOT_A_REGULAR_FILE) : std::strerror(why.error);
    const char* format = ResString(textId);
    std::vector<char> text(std::strlen(format) + name.size() + std::strlen(reason) + 1);
    std::snprintf(text.data(), text.size(), format, name.c_str(), reason);
    return text.data();
}

void ShowFileFailure(Session& s, int textId, const std::string& path, FileResult why) {
    ShowWarning(s, FileFailureText(textId, path, why));
}

void ShowSaveFailure(Session& s, std::initializer_list<FileWrite> writes) {
    if (const FileWrite* failed = FirstFailed(writes))
        ShowFileFailure(s, IDS_SAVE_FAILED, failed->path, failed->result);
}

void ShowResultsNotKept(Session& s, std::initializer_list<FileWrite> writes) {
    const FileWrite* failed = FirstFailed(writes);
    if (!failed || s.input.resultsNotKeptShown) return;
    s.input.resultsNotKeptShown = 1;
    ShowWarning(
        s, FileFailureText(IDS_SAVE_FAILED, failed->path, failed->result) + "\n\n" + ResString(IDS_RESULTS_NOT_KEPT));
}
