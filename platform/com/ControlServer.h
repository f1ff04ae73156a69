#pragma once

#include "ControlDescription.h"

#include <QString>
#include <QWidget>

// One generic server: a control library is a description plus a panel factory.
namespace com {

struct ControlDefinition {
    const ControlDescription &description;
    // A new panel, hidden and without a parent; may throw.
    QWidget *(*createPanel)();
};

// The panel factory of a library whose panel class is all it needs.
template <typename Panel>
QWidget *hiddenPanel()
{
    auto *panel = new Panel();
    panel->hide();
    return panel;
}

// The work of the four entry points for a library's one class. Nothing throws.
namespace ControlServer {

HResult registerServer(const ControlDefinition &control, const QString &libraryPath) noexcept;
HResult unregisterServer(const ControlDefinition &control) noexcept;
HResult getClassObject(const ControlDefinition &control, const Guid *clsid, const Guid *iid, void **object) noexcept;
// S_OK only when no instance, class-object reference, lock or panel (live or awaiting its end) is left.
HResult canUnloadNow() noexcept;

} // namespace ControlServer
} // namespace com
