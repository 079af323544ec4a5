#pragma once

// Which program runs each batch command. quarvel-cli only picks the program
// and becomes it; quarvel-cli-core (Qt Core alone, so it starts fast) runs the
// commands that only compute; quarvel-cli-gui runs those that draw or measure
// fonts, and any other. Plain C++ on the C library: quarvel-cli loads no Qt.

enum class CliProgram { Core, Gui };

struct CommandRoute {
    const char* command;
    CliProgram program;
    // A Gui command given this option only computes and goes to Core
    // (trace measures its default plot size on a chart unless given one).
    const char* coreWith;
};

inline constexpr CommandRoute commandRoutes[] = {
    {"trace", CliProgram::Gui, "--plot"},  {"render", CliProgram::Gui, nullptr},
    {"plan", CliProgram::Core, nullptr},   {"template", CliProgram::Gui, nullptr},
    {"cut", CliProgram::Core, nullptr},    {"model", CliProgram::Gui, nullptr},
    {"picture", CliProgram::Gui, nullptr}, {"book", CliProgram::Gui, nullptr},
};

// The program for a command line (argv[1] the command); Gui for anything
// unknown, which prints the usage.
CliProgram programFor(int argc, const char* const* argv);

// Replaces the process with the program beside the running one, same
// arguments. Returns only on failure, with the exit status after writing
// "quarvel-cli: cannot start PATH (error N)" to standard error.
int becomeProgram(CliProgram program, char** argv);
