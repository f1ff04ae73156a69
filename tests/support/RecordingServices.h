#pragma once

#include "platform/Services.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

namespace testing_support {

// Services that record instead of acting: the multimedia writes in order, pointer changes,
// message boxes, and the bytes of every file that reached "Sound".
class RecordingServices : public platform::Services {
public:
    struct MciWrite {
        QString control;
        platform::MciProperty property;
        QVariant value;
    };

    void setMousePointer(platform::MousePointer pointer) override;
    platform::MessageResult messageBox(const platform::MessageBoxRequest &request) override;
    void multimediaWrite(const platform::MMControl &control, platform::MciProperty property,
                         const QVariant &value) override;
    QString fileDialog(const platform::FileDialogRequest &request) override;
    bool openUrl(const QUrl &url) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;

    // "FileName=…", "Flag1=false", "Command=Sound", one entry per write.
    QStringList mciLog() const;
    // The commands alone, e.g. {"Open", "Sound", "Close"}.
    QStringList mciCommands() const;

    QList<MciWrite> mciWrites;
    QList<platform::MousePointer> pointerChanges;
    QList<platform::MessageBoxRequest> messages;
    QList<QByteArray> playedFiles;  // file contents at the moment "Sound" was sent
    QList<platform::FileDialogRequest> dialogs;
    QStringList dialogAnswers;  // taken in order; "" once they run out
    QList<QUrl> openedUrls;
    bool openUrlResult = true;
    QList<QStringList> startedPrograms;  // program first, then its arguments
    bool startProgramResult = true;
    platform::MessageResult messageAnswer = platform::MessageResult::Ok;
    std::function<void()> onSound;  // runs while "playing"
};

} // namespace testing_support
