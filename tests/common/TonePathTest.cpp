#include "support/RecordingServices.h"

#include "common/SampleChunkBuilder.h"
#include "common/TonePath.h"
#include "platform/FileError.h"
#include "platform/MMControl.h"

#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

using platform::MousePointer;
using TonePath::File;
using TonePath::Pointer;

namespace {

struct Row {
    const char *name;
    Pointer pointer;
    File file;
    std::function<void()> failure;  // thrown while writing; none: the tone is heard
};

} // namespace

TEST(TonePath, EveryPolicyReportsAnyFailureAndRestoresThePointer)
{
    QStandardPaths::setTestModeEnabled(true);
    const auto fileError = [] { throw platform::FileError(QStringLiteral("dummy.wav"), QStringLiteral("Platte voll")); };
    const auto tooLoud = [] { throw SynthesisError("Abtastwert außerhalb des 16-Bit-Bereichs"); };
    const Row rows[] = {
        {"heard, hourglass, private file", Pointer::Hourglass, File::PrivateTemporary, nullptr},
        {"heard, pointer untouched, kept file", Pointer::Untouched, File::KeptPerUser, nullptr},
        {"file error under the hourglass", Pointer::Hourglass, File::PrivateTemporary, fileError},
        {"a value beyond 16 bits, kept file", Pointer::Untouched, File::KeptPerUser, tooLoud},
        {"a value beyond 16 bits under the hourglass", Pointer::Hourglass, File::KeptPerUser, tooLoud},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        testing_support::RecordingServices services;
        platform::ScopedServices scoped(services);
        platform::MMControl control(QStringLiteral("MMControl1"));
        const TonePath::Policy policy{ModPlay::SoundThenClose, row.pointer, row.file};
        const QString path = TonePath::filePath(policy);
        QFile::remove(path);

        const bool heard = TonePath::play(control, policy, [&](const QString &target) {
            QFile out(target);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write("RIFF");
            out.close();
            if (row.failure)
                row.failure();
        });

        EXPECT_EQ(heard, !row.failure);
        EXPECT_EQ(services.messages.size(), row.failure ? 1 : 0);
        EXPECT_EQ(services.mciCommands(), (row.failure ? QStringList{} : QStringList{"Sound", "Close"}));
        const QList<MousePointer> pointers = row.pointer == Pointer::Hourglass
            ? QList<MousePointer>{MousePointer::Hourglass, MousePointer::Default}
            : QList<MousePointer>{};
        EXPECT_EQ(services.pointerChanges, pointers);
        // the private file never outlives its tone; the kept one stays after a heard tone
        EXPECT_EQ(QFile::exists(path), row.file == File::KeptPerUser);
        if (row.file == File::KeptPerUser) {
            EXPECT_TRUE(path.endsWith(QStringLiteral("/velmora/dummy.wav")));
        }
    }
}
