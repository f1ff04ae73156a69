#pragma once

#include "platform/Registry.h"
#include "platform/Services.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <map>

namespace testing_support {

// A registry held in memory, with every open and close counted so tests can see that no key
// is left open.
class FakeRegistry : public platform::Registry {
public:
    void setValue(platform::RegistryRoot root, const QString &path, const QString &name, quint32 type,
                  const QByteArray &data);
    void setText(platform::RegistryRoot root, const QString &path, const QString &name, const QString &text);
    // A key that exists without holding any value.
    void addKey(platform::RegistryRoot root, const QString &path);

    platform::RegistryStatus openKey(quint32 root, const QString &path, Handle &key) override;
    platform::RegistryStatus queryValue(Handle key, const QString &name, qsizetype capacity, quint32 &type,
                                        QByteArray &data) override;
    platform::RegistryStatus closeKey(Handle key) override;

    QList<Handle> opened;  // every handle handed out, in order
    QList<Handle> closed;  // every handle closed, in order
    QList<qsizetype> queryCapacities;
    bool failClose = false;

private:
    struct Value {
        quint32 type;
        QByteArray data;
    };
    static QString keyName(quint32 root, const QString &path);
    std::map<QString, std::map<QString, Value>> m_keys;  // names lower-cased: the registry ignores case
    std::map<Handle, QString> m_handles;
    Handle m_next = 100;
};

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
    void multimediaWrite(const QString &control, const QString &fileName, platform::MciProperty property,
                         const QVariant &value) override;
    QString fileDialog(const platform::FileDialogRequest &request) override;
    bool openUrl(const QUrl &url) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    platform::Registry &registry() override;

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
    std::function<void()> onFileDialog;  // runs before a dialog answers; may throw
    std::function<void()> onOpenUrl;  // runs while the address is handed over; may throw
    std::function<void()> onMessageBox;  // runs while a message box is shown
    FakeRegistry fakeRegistry;  // starts empty
};

} // namespace testing_support
