#pragma once

#include <QIcon>

// The icon a program shows in its title bar and About dialog, drawn for the suite and held
// as a resource: `name` is the program's own folder name ("zanter").
QIcon programIcon(const char *name);
