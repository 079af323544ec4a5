#pragma once

// Which kinds of file a read or a save may work on. The window opens and
// replaces regular files only: a pipe or a device would hold it until another
// program answered. The batch tool also reads pipes (a shell's process
// substitution is one) and writes to devices, as any command-line tool does.
enum class FileKinds {
    RegularOnly,
    Any,
};
