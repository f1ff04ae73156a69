#pragma once

#include "ProgramInfo.h"

// What every program does first: its title becomes the application's name, the default title
// of its message boxes, without being added to each window's caption.
void StartProgram(const ProgramInfo &program);
