#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>

class QWidget;

namespace platform {

class Registry;

// Pointer values as the handlers name them.
enum class MousePointer { Default = 0, Hourglass = 11 };

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageResult { Ok, Yes, No };

struct MessageBoxRequest {
    QString text;
    QString title;  // empty: the program's title
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

// Property writes of the multimedia control, numbered by their dispatch identifiers.
enum class MciProperty { DeviceType = 21, FileName = 22, Command = 23, Flag1 = 24, Flag2 = 25 };

struct FileDialogRequest {
    enum class Mode { OpenExisting, Save };
    Mode mode = Mode::OpenExisting;
    QString title;
    QString directory;  // or a file in it, whose name the dialog offers
    QStringList filters;  // "Wave-Dateien (*.wav)" style entries, first one selected
    QWidget *owner = nullptr;
};

// Everything a handler reaches outside the program goes through here, so that tests can
// install a recorder. The base class is the real thing, built on Qt.
class Services {
public:
    Services() = default;
    virtual ~Services();
    Services(const Services &) = delete;
    Services &operator=(const Services &) = delete;

    virtual void setMousePointer(MousePointer pointer);
    virtual MessageResult messageBox(const MessageBoxRequest &request);

    // One property write of the multimedia control named `control`, whose file is `fileName`;
    // "Sound" returns after playback.
    virtual void multimediaWrite(const QString &control, const QString &fileName, MciProperty property,
                                 const QVariant &value);

    // The chosen path, or "" on cancel.
    virtual QString fileDialog(const FileDialogRequest &request);
    // Hands an address to the desktop's browser; false when nothing took it.
    virtual bool openUrl(const QUrl &url);
    // Starts a program without a shell and without waiting; false when it did not start.
    virtual bool startProgram(const QString &program, const QStringList &arguments);
    // The registry, for reading only.
    virtual Registry &registry();

private:
    MousePointer m_pointer = MousePointer::Default;
};

// The services in force. Tests swap them with ScopedServices.
Services &services();

class ScopedServices {
public:
    explicit ScopedServices(Services &replacement);
    ~ScopedServices();
    ScopedServices(const ScopedServices &) = delete;
    ScopedServices &operator=(const ScopedServices &) = delete;

private:
    Services *m_previous;
};

} // namespace platform
