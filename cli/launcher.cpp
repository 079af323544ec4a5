#include "commandroutes.h"

// quarvel-cli: picks the program that runs the command (commandroutes.h) and
// becomes it. It links the C library alone, so the hand-over costs next to
// nothing; both programs sit beside it.

int main(int argc, char** argv) {
    return becomeProgram(programFor(argc, argv), argv);
}
