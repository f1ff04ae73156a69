#pragma once

#include "ProgramInfo.h"

// What every program does first: its title becomes the application's name, the default title
// of its message boxes, without being added to each window's caption; Qt's own dialogs and
// buttons speak German like the rest of the suite.
void StartProgram(const ProgramInfo &program);

// What every program does once its event loop has ended with `result`: the temporary folder
// goes, and the process ends at once instead of waiting for the sound system's teardown.
[[noreturn]] void EndProgram(int result);
