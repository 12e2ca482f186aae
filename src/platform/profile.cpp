#include "profile.h"

#include <cerrno>

#include "platform/atomic_file.h"
#include "platform/profile_text.h"

Profile g_profile{"kestro.ini"};

namespace {
enum class TextState { Missing, Unusable, Read };

struct ProfileText {
    TextState state;
    std::string text;
    FileResult why;  // of an unusable file
};

ProfileText ReadProfileText(const std::string& path) {
    const FileRead file = ReadFileWithReason(path, MAX_PROFILE_BYTES + 1);
    if (!file.bytes) {
        // A file that exists but cannot be read must not be replaced by one
        // holding a single key.
        const bool missing = file.result.error == ENOENT || file.result.error == ENOTDIR;
        return {missing ? TextState::Missing : TextState::Unusable, {}, file.result};
    }
    if (file.bytes->size() > MAX_PROFILE_BYTES) return {TextState::Unusable, {}, {EFBIG}};
    return {TextState::Read, std::string(file.bytes->begin(), file.bytes->end()), {}};
}
}  // namespace

int32_t Profile::GetInt(std::string_view section, std::string_view key, int32_t def) const {
    const ProfileText file = ReadProfileText(path_);
    return file.state == TextState::Read ? ReadProfileInt(file.text, section, key, def) : def;
}

FileResult Profile::WriteInt(std::string_view section, std::string_view key, int32_t value) const {
    const ProfileText file = ReadProfileText(path_);
    if (file.state == TextState::Unusable) return file.why;
    const std::string text = WriteProfileValue(file.text, section, key, std::to_string(value));
    return WriteFileAtomically(path_, text.data(), text.size());
}
