// The one way every tool reads its command line, on CLI11: --help prints the usage
// line, what the program does and its arguments on stdout and exits 0; a
// mistake prints the program's name, the reason and the same help on stderr
// and exits 2, before the program does any work.
#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

namespace cli {

// Gives the tool the shared help format; its description follows the usage line.
void UseHelpFormat(CLI::App& app);

// Reads the command line into the options the tool bound; an exit status when
// the program is to stop there (help asked for, or a mistake).
std::optional<int> Parse(CLI::App& app, int argc, char** argv);

// A mistake the tool finds itself after parsing, told as Parse tells one; the exit status.
int Mistake(const CLI::App& app, const std::string& reason);

} // namespace cli
