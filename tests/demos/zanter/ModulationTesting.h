#pragma once

// What Zanter's and Koliva's window tests share: windows alike in their five sliders of one
// settings record, the plot `Ausgabe` and the play button `Command2`.

#include "demos/DemoFixture.h"

#include "platform/DrawingSurface.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "support/WaveBytes.h"

#include <QPushButton>

#include <cstdint>
#include <vector>

namespace demo_tests {

template <class Window>
class ModulationWindow : public DemoFixture {
protected:
    template <class ReadOut>
    struct SliderRow {
        const char *name;
        platform::ScrollBar *slider;
        int value;
        ReadOut *readOut;
        const char *text;
        bool redraws;
    };

    // Each slider, moved to its value (away first if it is there), shows it in its read-out and
    // redraws the plot or leaves it alone.
    template <class ReadOut>
    void expectSliders(std::initializer_list<SliderRow<ReadOut>> rows)
    {
        for (const SliderRow<ReadOut> &row : rows) {
            SCOPED_TRACE(row.name);
            if (row.slider->value() == row.value)
                row.slider->setValue(row.value == row.slider->min() ? row.slider->max() : row.slider->min());
            window.Ausgabe->surface().clear();
            row.slider->setValue(row.value);
            EXPECT_EQ(row.readOut->text(), row.text);
            EXPECT_EQ(!window.Ausgabe->surface().primitives().isEmpty(), row.redraws);
        }
    }

    static std::vector<int> sliders(const Window &w)
    {
        return {w.HScroll1->value(), w.HScroll2->value(), w.VScroll2->value(), w.VScroll3->value(), w.VScroll4->value()};
    }

    // Plays the start settings, exports them and closes the window: the plot is redrawn before
    // playing only, the device hears `commands` then and `onClose` at the end, and the exported
    // file holds the played bytes, three seconds beginning with `firstLeft`.
    void expectPlayExportAndClose(const QStringList &commands, const std::vector<std::int16_t> &firstLeft,
                                  const QStringList &onClose)
    {
        window.Ausgabe->surface().clear();
        window.Command2->click();
        EXPECT_EQ(services.mciLog(), commands);
        EXPECT_FALSE(window.Ausgabe->surface().primitives().isEmpty());
        ASSERT_EQ(services.playedFiles.size(), 1);
        const QByteArray &wave = services.playedFiles[0];
        ASSERT_EQ(wave.size(), 44 + 529200);
        const std::vector<std::int16_t> values = testing_support::samples(wave, 44);
        for (std::size_t i = 0; i < firstLeft.size(); ++i)
            EXPECT_EQ(values[2 * i], firstLeft[i]) << "frame " << i + 1;

        window.Ausgabe->surface().clear();
        services.dialogAnswers = {path(QStringLiteral("ton.wav"))};
        window.frame().exportWave();
        EXPECT_EQ(testing_support::readFile(path(QStringLiteral("ton.wav"))), wave);
        EXPECT_TRUE(window.Ausgabe->surface().primitives().isEmpty());
        EXPECT_EQ(services.mciLog(), commands);

        window.close();
        EXPECT_EQ(services.mciLog(), commands + onClose);
    }

    struct LoadRow {
        const char *name;
        QByteArray file;
        bool refused;
        std::vector<int> sliders;  // HScroll1, HScroll2, VScroll2, VScroll3, VScroll4 afterwards
    };

    // The start settings save as `startRecord`; each file loads into a fresh window.
    void expectRecords(const QByteArray &startRecord, std::initializer_list<LoadRow> rows)
    {
        services.dialogAnswers = {path(QStringLiteral("start.set"))};
        window.frame().saveSettings();
        EXPECT_EQ(testing_support::readFile(path(QStringLiteral("start.set"))), startRecord);
        for (const LoadRow &row : rows) {
            SCOPED_TRACE(row.name);
            Window fresh;
            services.messages.clear();
            services.dialogAnswers = {fileWith(QStringLiteral("werte.set"), row.file)};
            fresh.frame().loadSettings();
            EXPECT_EQ(services.messages.size(), row.refused ? 1 : 0);
            EXPECT_EQ(sliders(fresh), row.sliders);
        }
    }

    Window window;
};

} // namespace demo_tests
