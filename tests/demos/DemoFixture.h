#pragma once

#include "support/RecordingServices.h"

#include "platform/Services.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace demo_tests {

// Recorded services in force for the test, and a scratch folder for its files.
class DemoFixture : public ::testing::Test {
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    QString fileWith(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    // Everything a cancelled dialog must have left alone.
    void expectNothingHappened() const
    {
        EXPECT_TRUE(services.pointerChanges.isEmpty());
        EXPECT_TRUE(services.messages.isEmpty());
        EXPECT_TRUE(services.mciWrites.isEmpty());
    }

    testing_support::RecordingServices services;
    platform::ScopedServices scoped{services};
    QTemporaryDir dir;
};

} // namespace demo_tests
