#pragma once

#include "app/command_line.h"

// The editor's start: the start-up window runs its steps, then the main window takes over until
// it is closed. Returns the program's exit code.
int RunEditor(const WindowArguments& arguments);
