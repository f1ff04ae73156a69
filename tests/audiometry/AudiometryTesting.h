#pragma once

#include "support/RecordingServices.h"
#include "support/Screenshot.h"
#include "support/WaveBytes.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

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

// The caption and label texts of the modal dialog that `open` shows, which is then closed.
struct ModalTexts {
    QString title;
    QStringList texts;
};
ModalTexts textsOfModal(const std::function<void()> &open);

// The window's picture with the modal page drawn over it at its place, framed as a window
// manager would frame it.
QImage pageOverWindow(QWidget &window, QWidget &page);

using testing_support::saveScreenshot;

// The samples of one channel (0 left, 1 right) of a played file, behind its 44-byte header.
std::vector<std::int16_t> channel(const QByteArray &file, int which);
using testing_support::peak;
std::uint32_t declaredDataBytes(const QByteArray &file);

// The object names of a panel's own controls that are switched on, sorted.
QStringList shownChildren(const QWidget &panel);

// Of the chart's caption labels with these texts, those through which the drawing shows or
// that do not show whole (none when every caption is opaque).
QStringList captionsNotOpaque(QWidget &chart, const QStringList &texts);
// The texts of the level charts' axis captions.
QStringList levelCaptionTexts();


} // namespace audiometry_testing
