#include "profile.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/profile_text.h"

Profile g_profile{"kestro.ini"};

namespace {
enum class TextState { Missing, Unusable, Read };

struct ProfileText {
    TextState state;
    std::string text;
};

ProfileText ReadProfileText(const std::string& path) {
    const std::optional<Bytes> bytes = ReadFileBytes(path, MAX_PROFILE_BYTES + 1);
    if (!bytes) {
        std::error_code ec;
        // A file that exists but cannot be read must not be replaced by one
        // holding a single key.
        const bool exists = std::filesystem::exists(path, ec) || ec;
        return {exists ? TextState::Unusable : TextState::Missing, {}};
    }
    if (bytes->size() > MAX_PROFILE_BYTES) return {TextState::Unusable, {}};
    return {TextState::Read, std::string(bytes->begin(), bytes->end())};
}
}  // namespace

int32_t Profile::GetInt(std::string_view section, std::string_view key, int32_t def) const {
    const ProfileText file = ReadProfileText(path_);
    return file.state == TextState::Read ? ReadProfileInt(file.text, section, key, def) : def;
}

bool Profile::WriteInt(std::string_view section, std::string_view key, int32_t value) const {
    const ProfileText file = ReadProfileText(path_);
    if (file.state == TextState::Unusable) return false;
    const std::string text = WriteProfileValue(file.text, section, key, std::to_string(value));
    return WriteFileAtomically(path_, text.data(), text.size());
}
