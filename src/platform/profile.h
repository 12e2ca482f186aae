// The application's private profile: integers kept by section and key in an
// INI file. Reads never fail (a missing file, section or key gives the
// default); a write changes one key and goes through a temporary file and an
// atomic rename, so a failed write leaves the old file as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "platform/atomic_file.h"

class Profile {
public:
    explicit Profile(std::string path) : path_(std::move(path)) {}
    const std::string& Path() const { return path_; }

    int32_t GetInt(std::string_view section, std::string_view key, int32_t def) const;
    // Written as "%d" would; says why when the file could not be written (a
    // file too large to be trusted is EFBIG).
    FileResult WriteInt(std::string_view section, std::string_view key, int32_t value) const;

private:
    std::string path_;
};

// A file this large is not one the program wrote: reads give the defaults and
// writes refuse to touch it rather than lose what it holds.
constexpr std::size_t MAX_PROFILE_BYTES = 1 << 20;

// The profile every part of the program reads and writes. The application
// names it at start-up; until then it is "kestro.ini" in the current folder.
extern Profile g_profile;

inline int32_t GetProfileInt(std::string_view section, std::string_view key, int32_t def) {
    return g_profile.GetInt(section, key, def);
}
inline FileResult WriteProfileInt(std::string_view section, std::string_view key, int32_t value) {
    return g_profile.WriteInt(section, key, value);
}
