#pragma once

#include <QString>

namespace platform {

// A copy whose characters belong to the process. Some caches of Qt live as long as the process
// (fonts by family, settings files); a literal of a control library kept there would point
// into the library after it is unloaded.
inline QString lastingCopy(const QString &text)
{
    return QString(text.constData(), text.size());
}

} // namespace platform
