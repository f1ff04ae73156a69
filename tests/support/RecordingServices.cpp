#include "RecordingServices.h"

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
    if (onMessageBox)
        onMessageBox();
    return messageAnswer;
}

void RecordingServices::multimediaWrite(const QString &control, const QString &fileName, MciProperty property,
                                       const QVariant &value)
{
    mciWrites.append({control, property, value});
    if (property == MciProperty::Command && value.toString() == QLatin1String("Sound")) {
        QFile file(fileName);
        playedFiles.append(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        if (onSound)
            onSound();
    }
}

QString RecordingServices::fileDialog(const FileDialogRequest &request)
{
    dialogs.append(request);
    if (onFileDialog)
        onFileDialog();
    return dialogAnswers.isEmpty() ? QString() : dialogAnswers.takeFirst();
}

bool RecordingServices::openUrl(const QUrl &url)
{
    openedUrls.append(url);
    if (onOpenUrl)
        onOpenUrl();
    return openUrlResult;
}

bool RecordingServices::startProgram(const QString &program, const QStringList &arguments)
{
    startedPrograms.append(QStringList{program} + arguments);
    return startProgramResult;
}

Registry &RecordingServices::registry()
{
    return fakeRegistry;
}

QString FakeRegistry::keyName(quint32 root, const QString &path)
{
    return (registryRootName(root) + QLatin1Char('\\') + path).toLower();
}

void FakeRegistry::setValue(RegistryRoot root, const QString &path, const QString &name, quint32 type,
                            const QByteArray &data)
{
    m_keys[keyName(quint32(root), path)][name.toLower()] = Value{type, data};
}

void FakeRegistry::setText(RegistryRoot root, const QString &path, const QString &name, const QString &text)
{
    setValue(root, path, name, quint32(RegistryType::Text), text.toUtf8() + '\0');
}

void FakeRegistry::addKey(RegistryRoot root, const QString &path)
{
    m_keys[keyName(quint32(root), path)];
}

RegistryStatus FakeRegistry::openKey(quint32 root, const QString &path, Handle &key)
{
    const QString name = keyName(root, path);
    if (registryRootName(root).isEmpty())
        return RegistryStatus::InvalidHandle;
    if (m_keys.find(name) == m_keys.end())
        return RegistryStatus::NotFound;
    key = m_next++;
    m_handles[key] = name;
    opened.append(key);
    return RegistryStatus::Success;
}

RegistryStatus FakeRegistry::queryValue(Handle key, const QString &name, qsizetype capacity, quint32 &type,
                                        QByteArray &data)
{
    queryCapacities.append(capacity);
    const auto handle = m_handles.find(key);
    if (handle == m_handles.end())
        return RegistryStatus::InvalidHandle;
    const auto &values = m_keys[handle->second];
    const auto value = values.find(name.toLower());
    if (value == values.end())
        return RegistryStatus::NotFound;
    if (value->second.data.size() > capacity)
        return RegistryStatus::MoreData;
    type = value->second.type;
    data = value->second.data;
    return RegistryStatus::Success;
}

RegistryStatus FakeRegistry::closeKey(Handle key)
{
    closed.append(key);
    if (m_handles.erase(key) != 1)
        return RegistryStatus::InvalidHandle;
    return failClose ? RegistryStatus::Failed : RegistryStatus::Success;
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
