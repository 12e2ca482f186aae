#include "coach/error_marks.h"

const char* MarkText(Mark mark) {
    constexpr const char* kTexts[] = {"", "doubtful", "bad", "very bad"};
    return kTexts[static_cast<int>(mark)];
}
