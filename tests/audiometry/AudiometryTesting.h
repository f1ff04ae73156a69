#pragma once

#include "support/RecordingServices.h"

#include <QByteArray>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

class FormMain;
class QWidget;

namespace audiometry_testing {

// Recording services in force for one test; the calibration pages are unloaded afterwards.
class AudiometryTest : public ::testing::Test {
protected:
    AudiometryTest();
    ~AudiometryTest() override;

    testing_support::RecordingServices services;

private:
    platform::ScopedServices m_scope{services};
    QTimer m_watchdog;
};

// Runs `step` on the modal page once one is shown. A page still open ten seconds into a test is
// closed, with a failure, by the fixture, so that no test can hang.
void whenModal(std::function<void(QWidget *page)> step);

// The samples of one channel (0 left, 1 right) of a played file, behind its 44-byte header.
std::vector<std::int16_t> channel(const QByteArray &file, int which);
int peak(const std::vector<std::int16_t> &values);
std::uint32_t declaredDataBytes(const QByteArray &file);

// The object names of a panel's own controls that are switched on, sorted.
QStringList shownChildren(const QWidget &panel);

// What the About dialog from the window's "?" menu shows: its title and its labels' texts.
struct AboutSeen {
    QString title;
    QStringList texts;
};
AboutSeen aboutFromMenu(FormMain &window);

} // namespace audiometry_testing
