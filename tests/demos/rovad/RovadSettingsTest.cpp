#include "../DemoFixture.h"

#include "demos/rovad/Form1.h"
#include "demos/rovad/KlangPanel.h"
#include "demos/rovad/modKlang.h"
#include "demos/frame/SettingsRecord.h"

#include "platform/ScrollBar.h"
#include "platform/TextBox.h"
#include "support/WaveBytes.h"

#include <QPushButton>

#include <random>

using namespace demo_tests;
using namespace testing_support;
using rovad::KlangAmplitudes;

namespace {

class RovadSettings : public DemoFixture {
protected:
    QByteArray saved()
    {
        services.dialogAnswers = {path(QStringLiteral("klang.set"))};
        window.frame().saveSettings();
        return readFile(path(QStringLiteral("klang.set")));
    }

    // Loads `bytes` into a window whose amplitudes are all 5, duration 4 and text "250".
    void loadInto(rovad::Form1 &into, const QByteArray &bytes)
    {
        for (platform::ScrollBar *slider : into.panel->VScroll1)
            slider->setValue(5);
        into.panel->HScroll1->setValue(4);
        into.panel->Text16->setText(QStringLiteral("250"));
        services.messages.clear();
        services.dialogs.clear();
        services.dialogAnswers = {fileWith(QStringLiteral("werte.set"), bytes)};
        into.frame().loadSettings();
    }

    static QByteArray record(const KlangAmplitudes &amplitudes, const QByteArray &text, std::int16_t duration)
    {
        demos::SettingsWriter writer;
        for (std::int16_t a : amplitudes)
            writer.int16(a);
        return writer.uint16(std::uint16_t(text.size())).bytes(text).int16(duration).record();
    }

    rovad::Form1 window;
};

KlangAmplitudes filled(std::int16_t value)
{
    KlangAmplitudes a;
    a.fill(value);
    return a;
}

} // namespace

TEST_F(RovadSettings, SaveWritesAmplitudesTextWithItsLengthAndDuration)
{
    window.panel->VScroll1[0]->setValue(100);
    EXPECT_EQ(saved(), hex("64 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                           "03 00 31 30 30 03 00"));
}

TEST_F(RovadSettings, TheTextIsSavedOneBytePerCharacterInLatin1)
{
    const struct {
        const char *name;
        QString text;
        QByteArray bytes;
    } rows[] = {
        {"umlaut", QStringLiteral("ä1"), hex("02 00 E4 31")},
        {"euro sign outside Latin-1", QStringLiteral("€5"), hex("02 00 3F 35")},
        {"a character of two UTF-16 units", QStringLiteral("1\U0001F600"), hex("02 00 31 3F")},
        {"four characters", QStringLiteral("1234"), hex("04 00 31 32 33 34")},
    };
    window.panel->HScroll1->setValue(9);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        window.panel->Text16->setText(row.text);
        const QByteArray file = saved();
        EXPECT_EQ(file.mid(30), row.bytes + hex("09 00"));
        QFile::remove(path(QStringLiteral("klang.set")));
    }
}

// The fields go to their controls in the order amplitudes, duration, text; the first one a
// control refuses stops the load with the frame's message, and the dialog comes back.
TEST_F(RovadSettings, LoadAppliesAmplitudesThenDurationThenText)
{
    KlangAmplitudes sixthTooLoud = filled(20);
    sixthTooLoud[5] = 101;
    KlangAmplitudes firstFive = filled(5);
    for (std::size_t i = 0; i < 5; ++i)
        firstFive[i] = 20;
    const struct {
        const char *name;
        QByteArray file;
        KlangAmplitudes amplitudes;
        int duration;
        QString text;
        bool message;
    } rows[] = {
        {"a valid record", record(filled(30), "440", 7), filled(30), 7, "440", false},
        {"the sixth amplitude 101", record(sixthTooLoud, "440", 7), firstFive, 4, "250", true},
        {"a duration of 11: amplitudes applied, text not", record(filled(30), "440", 11), filled(30), 4, "250", true},
        {"a wave file: 'RI' is refused at once", QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ", 16), filled(5), 4, "250",
         true},
        {"an empty file: amplitudes 0, duration 0 refused", {}, filled(0), 4, "250", true},
        {"a text longer than the box is cut", record(filled(0), "123456", 2), filled(0), 2, "1234", false},
        {"an empty text reads 0", record(filled(0), "", 10), filled(0), 10, "0", false},
        {"letters are loaded as they are", record(filled(1), "a-b", 3), filled(1), 3, "a-b", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        rovad::Form1 fresh;
        loadInto(fresh, row.file);
        EXPECT_EQ(fresh.panel->Amplitudes, row.amplitudes);
        for (std::size_t i = 0; i < 15; ++i)
            ASSERT_EQ(fresh.panel->Text1[i]->text(), QString::number(row.amplitudes[i]));
        EXPECT_EQ(fresh.panel->HScroll1->value(), row.duration);
        EXPECT_EQ(fresh.panel->Text17->text(), QString::number(row.duration));
        EXPECT_EQ(fresh.panel->Text16->text(), row.text);
        ASSERT_EQ(services.messages.size(), row.message ? 1 : 0);
        if (row.message) {
            EXPECT_EQ(services.messages[0].text, "Datei enthält keine gültigen Einstellungen!");
        }
        EXPECT_EQ(services.dialogs.size(), row.message ? 2 : 1);
    }
}

TEST_F(RovadSettings, ALoadedFrequencyIsTheNextPlays)
{
    loadInto(window, record(filled(0), "440", 2));
    window.panel->VScroll1[0]->setValue(100);
    window.panel->Command2->click();

    rovad::KlangPanel reference;
    reference.VScroll1[0]->setValue(100);
    reference.HScroll1->setValue(2);
    reference.Text16->setText(QStringLiteral("440"));
    reference.MakeWaveFile(path(QStringLiteral("440.wav")));
    ASSERT_EQ(services.playedFiles.size(), 1);
    EXPECT_EQ(services.playedFiles[0], readFile(path(QStringLiteral("440.wav"))));
}

// Random, truncated and overlong records with texts of any length: the fields before the first
// refused one hold the file's values, the others keep theirs, and the text comes last.
TEST_F(RovadSettings, EveryRecordIsAppliedWholeOrReported)
{
    std::mt19937 random(4104);
    auto fieldValue = [&](int lowest, int highest) {
        if (random() % 40 == 0)
            return int(std::int16_t(random()));
        return std::uniform_int_distribution<int>(lowest - 1, highest + 1)(random);
    };
    rovad::KlangPanel &panel = *window.panel;
    int applied = 0;
    int reported = 0;
    for (int round = 0; round < 300; ++round) {
        demos::SettingsWriter writer;
        for (int i = 0; i < 15; ++i)
            writer.int16(std::int16_t(fieldValue(0, 100)));
        QByteArray text;
        const int length = random() % 10 == 0 ? int(random() % 300) : int(random() % 7);
        for (int i = 0; i < length; ++i)
            text.append(char(random() % 3 == 0 ? random() : '0' + random() % 10));
        // now and then a length that runs past the end of the file
        writer.uint16(std::uint16_t(round % 7 == 0 ? length + int(random() % 50) : length)).bytes(text);
        writer.int16(std::int16_t(fieldValue(2, 10)));
        QByteArray bytes = writer.record();
        if (round % 5 == 0)
            bytes.truncate(int(random() % bytes.size()));
        else if (round % 5 == 1)
            bytes.append(QByteArray(int(random() % 20), char(random())));

        std::vector<int> before;
        for (platform::ScrollBar *slider : panel.VScroll1)
            before.push_back(slider->value());
        before.push_back(panel.HScroll1->value());
        const QString textBefore = panel.Text16->text();
        services.messages.clear();
        services.dialogAnswers = {fileWith(QStringLiteral("zufall.set"), bytes)};
        window.frame().loadSettings();

        demos::SettingsReader expected(bytes);
        std::vector<int> values;
        for (int i = 0; i < 15; ++i)
            values.push_back(expected.int16());
        const QByteArray expectedText = expected.bytes(expected.uint16());
        values.push_back(expected.int16());
        int firstRefused = 16;
        for (int i = 0; i < 16 && firstRefused == 16; ++i)
            if (values[std::size_t(i)] < (i < 15 ? 0 : 2) || values[std::size_t(i)] > (i < 15 ? 100 : 10))
                firstRefused = i;

        SCOPED_TRACE(bytes.toHex(' ').toStdString());
        ASSERT_EQ(services.messages.size(), firstRefused == 16 ? 0 : 1);
        for (int i = 0; i < 16; ++i) {
            const platform::ScrollBar *slider = i < 15 ? panel.VScroll1[std::size_t(i)] : panel.HScroll1;
            ASSERT_EQ(slider->value(), i < firstRefused ? values[std::size_t(i)] : before[std::size_t(i)]) << i;
        }
        for (std::size_t i = 0; i < 15; ++i)
            ASSERT_EQ(panel.Amplitudes[i], panel.VScroll1[i]->value());
        QString shown = QString::fromLatin1(expectedText).left(4);
        if (shown.isEmpty())
            shown = QStringLiteral("0");
        ASSERT_EQ(panel.Text16->text(), firstRefused == 16 ? shown : textBefore);
        (firstRefused == 16 ? applied : reported) += 1;
    }
    EXPECT_GT(applied, 30);
    EXPECT_GT(reported, 30);
}
