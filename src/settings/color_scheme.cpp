#include "color_scheme.h"

#include <optional>

#include "settings/options.h"
#include "settings/scheme_file.h"

void LoadCurrentScheme(Options& options, int scheme, const std::string& path) {
    if (scheme >= 0 && scheme < NUM_SCHEMES) {
        if (const std::optional<SchemeSet> schemes = ReadSchemeFile(path)) {
            options.colors = (*schemes)[scheme];
            return;
        }
    }
    options.curScheme = 0;
    options.colors = kDefaultSchemes[0];
}
