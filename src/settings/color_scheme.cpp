#include "color_scheme.h"

#include <optional>

#include "settings/options.h"
#include "settings/scheme_file.h"

ColorScheme g_colors{};

void LoadCurrentScheme(int scheme, const std::string& path) {
    if (scheme >= 0 && scheme < NUM_SCHEMES) {
        if (const std::optional<SchemeSet> schemes = ReadSchemeFile(path)) {
            g_colors = (*schemes)[scheme];
            return;
        }
    }
    CurScheme = 0;
    g_colors = kDefaultSchemes[0];
}
