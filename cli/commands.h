#ifndef LINEWRIGHT_CLI_COMMANDS_H
#define LINEWRIGHT_CLI_COMMANDS_H

#include <string>
#include <vector>

// Exit statuses of every subcommand.
enum ExitStatus { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

// Each takes the arguments after its own name.
int GenerateCommand(const std::vector<std::string>& args);
int ScriptCommand(const std::vector<std::string>& args);
int DumpCommand(const std::vector<std::string>& args);

extern const char kGenerateUsage[];
extern const char kScriptUsage[];
extern const char kDumpUsage[];

// Prints "linewright: message" and the usage text to stderr; returns 2.
int UsageFailure(const std::string& message, const char* usage);

#endif
