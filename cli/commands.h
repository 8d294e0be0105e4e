#ifndef LINEWRIGHT_CLI_COMMANDS_H
#define LINEWRIGHT_CLI_COMMANDS_H

#include <string>
#include <vector>

// Exit statuses of every subcommand: 2 only for a malformed command line
// (an unknown option, a missing or malformed value), 1 for whatever fails
// at run time (missing or unreadable files and folders included).
enum ExitStatus { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

// Each takes the arguments after its own name.
int GenerateCommand(const std::vector<std::string>& args);
int ScriptCommand(const std::vector<std::string>& args);
int DumpCommand(const std::vector<std::string>& args);
int SettingsCommand(const std::vector<std::string>& args);
int SignalSystemsCommand(const std::vector<std::string>& args);
int InstallObjectsCommand(const std::vector<std::string>& args);

// Each prints its subcommand's help to stdout. The generate help reads the
// configuration file to show the values saved now.
void PrintGenerateHelp();
void PrintScriptHelp();
void PrintDumpHelp();
void PrintSettingsHelp();
void PrintSignalSystemsHelp();
void PrintInstallObjectsHelp();

// A usage error: prints "linewright: message" and "see linewright COMMAND
// --help" (or "see linewright --help" for an empty command) to stderr;
// returns 2.
int UsageFailure(const std::string& command, const std::string& message);
// A failure at run time: prints "linewright: message" to stderr; returns 1.
int RunFailure(const std::string& message);

// Runs the subcommand that `args` (not empty) names, or the top-level
// --help, help COMMAND and --version.
int RunSubcommand(const std::vector<std::string>& args);

// Flushes standard output; when anything written to it was lost, says so
// ("linewright: could not write to standard output: ...") and returns 1,
// otherwise `status`. A command that failed already keeps its message.
int CheckStandardOutput(int status);
// The message for lost output with the reason of `error_number` (an errno
// value; 0 when unknown); returns 1.
int OutputLost(int error_number);

#endif
