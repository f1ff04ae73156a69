#include "ProgramIcon.h"

#include <QString>

// The icons live in a static library, whose resources nothing registers on its own; outside any
// namespace, where the resource's registration function is.
static void registerProgramIcons()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    Q_UNUSED(registered);
}

QIcon programIcon(const char *name)
{
    registerProgramIcons();
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}
