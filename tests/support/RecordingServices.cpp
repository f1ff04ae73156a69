#include "RecordingServices.h"

#include "platform/MMControl.h"

#include <QFile>

namespace testing_support {

using namespace platform;

void RecordingServices::setMousePointer(MousePointer pointer)
{
    pointerChanges.append(pointer);
}

MessageResult RecordingServices::messageBox(const MessageBoxRequest &request)
{
    messages.append(request);
    return messageAnswer;
}

void RecordingServices::multimediaWrite(const MMControl &control, MciProperty property, const QVariant &value)
{
    mciWrites.append({control.name(), property, value});
    if (property == MciProperty::Command && value.toString() == QLatin1String("Sound")) {
        QFile file(control.fileName());
        playedFiles.append(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        if (onSound)
            onSound();
    }
}

QString RecordingServices::fileDialog(const FileDialogRequest &request)
{
    dialogs.append(request);
    return dialogAnswers.isEmpty() ? QString() : dialogAnswers.takeFirst();
}

bool RecordingServices::openUrl(const QUrl &url)
{
    openedUrls.append(url);
    return openUrlResult;
}

bool RecordingServices::startProgram(const QString &program, const QStringList &arguments)
{
    startedPrograms.append(QStringList{program} + arguments);
    return startProgramResult;
}

QStringList RecordingServices::mciLog() const
{
    QStringList log;
    for (const MciWrite &w : mciWrites) {
        QString name;
        switch (w.property) {
        case MciProperty::DeviceType: name = QStringLiteral("DeviceType"); break;
        case MciProperty::FileName: name = QStringLiteral("FileName"); break;
        case MciProperty::Command: name = QStringLiteral("Command"); break;
        case MciProperty::Flag1: name = QStringLiteral("Flag1"); break;
        case MciProperty::Flag2: name = QStringLiteral("Flag2"); break;
        }
        log.append(name + QLatin1Char('=') + w.value.toString());
    }
    return log;
}

QStringList RecordingServices::mciCommands() const
{
    QStringList commands;
    for (const MciWrite &w : mciWrites)
        if (w.property == MciProperty::Command)
            commands.append(w.value.toString());
    return commands;
}

} // namespace testing_support
