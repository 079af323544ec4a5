#pragma once

#include "tracecommand.h"

// Ends a batch command: its messages to standard error, its output to
// standard output. Returns the exit status: the command's own, or 2 when the
// output could not be written whole (why, in words, on standard error).
int finishCommand(const CommandResult& result);
