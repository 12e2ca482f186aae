// The sub-commands of kestro-engine besides hint. Each takes the arguments
// that follow its name and returns the process's exit status.
#pragma once

#include <optional>
#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

// Exit status for a malformed command line or input.
constexpr int kUsageError = 2;

int RunSelfplay(const Arguments& args);
int RunBench(const Arguments& args);
int RunDuel(const Arguments& args);
int RunCube(const Arguments& args);
int RunReview(const Arguments& args);

// Reads "--name value" pairs. A name not in `names`, a missing value or a
// value that is not an integer within [low, high] is reported on standard
// error and makes the result false.
struct IntOption {
    const char* name;
    long long low, high;
    long long* value;
    bool given = false;
};
bool ParseOptions(const char* command, const Arguments& args, std::vector<IntOption>& options);

// Takes "NAME VALUE" out of the arguments, as "--export FILE": the value,
// "" when the name is not there, nothing when the value is missing.
std::optional<std::string> TakeNamedValue(Arguments& args, const char* name);
// Takes the flag out of the arguments: whether it was there.
bool TakeFlag(Arguments& args, const char* name);
