#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace platform {
class MMControl;
}

namespace demos {

class SettingsReader;

// What a demonstration window lends the frame: its widget, its multimedia control, its sound,
// its plot and its settings record.
class DemoWindow {
public:
    virtual ~DemoWindow() = default;

    // What the current settings are about to be used for.
    enum class Use { Sound, Settings };

    virtual QWidget *windowWidget() = 0;
    virtual platform::MMControl &multimediaControl() = 0;

    // Synthesises the sound of the current settings into the WAV file `path`.
    virtual void makeSoundFile(const QString &path) = 0;
    // Programs that show the sound they are about to play draw it anew here.
    virtual void redrawForPlay() {}
    // Before play, export and save: boxes still showing typed text that is not in force show
    // their controls' values again.
    virtual void showValuesInForce() {}

    // Why the current settings cannot serve `use`, in words for the user; empty when they can.
    // A refused action shows this and touches nothing.
    virtual QString refusal(Use) const { return {}; }

    // The record of the current control values, in the record's field order.
    virtual QByteArray settingsRecord() const = 0;
    // Assigns the record's fields to their controls in order; a control that refuses its value
    // throws and leaves the controls after it untouched.
    virtual void applySettings(SettingsReader &record) = 0;
};

} // namespace demos
