#include "platform/MMControl.h"
#include "support/RecordingServices.h"
#include "support/WaveBytes.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testing_support;
using platform::MMControl;

TEST(MMControl, EveryWriteReachesTheServicesInOrder)
{
    RecordingServices recorder;
    platform::ScopedServices scope(recorder);
    MMControl control(QStringLiteral("MMControl2"));
    control.setDeviceType(QStringLiteral("WaveAudio"));
    control.setFileName(QStringLiteral("/tmp/x/dummy.wav"));
    control.setFlag1(false);
    control.setFlag2(true);
    control.setCommand(QStringLiteral("Open"));
    control.setCommand(QStringLiteral("Sound"));
    control.setCommand(QStringLiteral("Close"));
    EXPECT_EQ(recorder.mciLog(), (QStringList{"DeviceType=WaveAudio", "FileName=/tmp/x/dummy.wav", "Flag1=false",
                                              "Flag2=true", "Command=Open", "Command=Sound", "Command=Close"}));
    EXPECT_EQ(recorder.mciWrites.first().control, QStringLiteral("MMControl2"));
    EXPECT_EQ(int(recorder.mciWrites.first().property), 21);
    EXPECT_EQ(int(recorder.mciWrites.last().property), 23);
}

TEST(MMControl, DefaultServicesReturnAtOnceForAFileThatCannotBePlayed)
{
    QTemporaryDir dir;
    {
        QFile f(dir.filePath(QStringLiteral("text.wav")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a wave file");
    }
    MMControl control;
    for (const QString &name : {QStringLiteral("missing.wav"), QStringLiteral("text.wav")}) {
        SCOPED_TRACE(name.toStdString());
        control.setFileName(dir.filePath(name));
        QElapsedTimer clock;
        clock.start();
        EXPECT_NO_THROW({
            control.setCommand(QStringLiteral("Open"));
            control.setCommand(QStringLiteral("Sound"));
            control.setCommand(QStringLiteral("Close"));
        });
        // not waiting for a device or a playback that never comes
        EXPECT_LT(clock.elapsed(), 1000);
    }
    // neither created nor touched
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing.wav"))));
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("text.wav"))), QByteArray("not a wave file"));
}
