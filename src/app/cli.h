#pragma once
// What every command of the verbsmith executable shares on its CLI11 parser:
// how a command's body is run, how a usage mistake is reported, and how the
// parse turns into the process's exit status.

#include <CLI/CLI.hpp>
#include <functional>
#include <string>

namespace verbsmith::app {

// The exit status of a usage mistake, whichever command it is.
constexpr int kExitUsage = 2;

// Runs body when the command was chosen on the command line; what it
// returns is the process's exit status.
void OnRun(CLI::App& command, std::function<int()> body);

// Reports a usage mistake found after parsing, as the parser reports its own.
[[noreturn]] void RefuseUsage(const std::string& problem);

// Accepts a whole decimal 32-bit number, optionally signed; the parser's own
// conversion would read "010" as octal and "0x10" as hexadecimal.
CLI::Validator Int32Number();

// "verbsmith help [COMMAND...]": the help of the command named, as its
// --help prints it.
void AddHelpCommand(CLI::App& app);

// Parses argv and runs the chosen command. --help prints the command's help
// to standard output (status 0); a usage mistake is one line on standard
// error naming the command and the problem (an unknown command or option
// with the nearest known one), then a hint (status 2).
// withoutCommand runs when no command was named.
int RunCommandLine(CLI::App& app, int argc, const char* const* argv,
                   const std::function<int()>& withoutCommand);

}  // namespace verbsmith::app
