#include "Services.h"

#include "NestedLoops.h"
#include "Registry.h"
#include "TempFiles.h"
#include "WavePlayer.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileIconProvider>
#include <QMimeDatabase>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>

namespace platform {

namespace {
Services *g_current = nullptr;

Services &defaultServices()
{
    static Services instance;
    return instance;
}

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// Qt's own provider guesses a file's type from its content, on the GUI thread, and some files
// never answer (/proc/kmsg); the name alone is enough to show a folder.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo &info) const override
    {
        if (info.isDir())
            return QFileIconProvider::icon(Folder);
        const QMimeType type = mimeType(info);
        return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(), QFileIconProvider::icon(File)));
    }

    QString type(const QFileInfo &info) const override
    {
        if (!info.isFile())
            return QFileIconProvider::type(info);
        const QMimeType type = mimeType(info);
        return type.comment().isEmpty() ? type.name() : type.comment();
    }

private:
    static QMimeType mimeType(const QFileInfo &info)
    {
        return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    }
};

// "*.*" means every file to the user, but Qt's pattern wants a dot in the name.
const QLatin1String EveryFileAsWritten("(*.*)");
const QLatin1String EveryFileForQt("(*)");

} // namespace

Services::~Services() = default;

void Services::setMousePointer(MousePointer pointer)
{
    if (pointer == m_pointer)
        return;
    m_pointer = pointer;
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    if (pointer == MousePointer::Hourglass)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

MessageResult Services::messageBox(const MessageBoxRequest &request)
{
    const QString title = request.title.isEmpty() ? QGuiApplication::applicationDisplayName() : request.title;
    QMessageBox box(toQt(request.icon), title, request.text,
                    request.buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    // the hourglass must not hide the question from the user
    const bool waiting = m_pointer == MousePointer::Hourglass;
    if (waiting)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    int answer = 0;
    {
        const NestedLoops::Scope modal;
        answer = box.exec();
    }
    if (waiting)
        QGuiApplication::restoreOverrideCursor();
    switch (answer) {
    case QMessageBox::Yes: return MessageResult::Yes;
    case QMessageBox::No: return MessageResult::No;
    default: return MessageResult::Ok;
    }
}

void Services::multimediaWrite(const QString &, const QString &fileName, MciProperty property, const QVariant &value)
{
    if (property == MciProperty::Command && value.toString().compare(QLatin1String("Sound"), Qt::CaseInsensitive) == 0)
        WavePlayer::playFile(fileName);
}

QString Services::fileDialog(const FileDialogRequest &request)
{
    // Qt's dialog keeps its history and last folder in the user's settings; they live in the
    // private temporary folder instead, for this run only
    const QString runOnly = QFileInfo(temporaryFilePath(QStringLiteral("QtProject.conf"))).path();
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, runOnly);
    NameOnlyIconProvider icons;
    QFileDialog dialog(request.owner, request.title, request.directory);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&icons);
    QStringList filters = request.filters;
    for (QString &filter : filters)
        filter.replace(EveryFileAsWritten, EveryFileForQt);
    dialog.setNameFilters(filters);
    // the list shows the captions as written, while Qt filters by the patterns it understands
    if (auto *captions = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))) {
        for (int i = 0; i < captions->count() && i < request.filters.size(); ++i)
            captions->setItemText(i, request.filters.at(i));
    }
    if (request.mode == FileDialogRequest::Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // the caller asks about overwriting once it knows the final name
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    const NestedLoops::Scope modal;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool Services::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

bool Services::startProgram(const QString &program, const QStringList &arguments)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}

Registry &Services::registry()
{
    static SettingsRegistry store;
    return store;
}

Services &services()
{
    return g_current ? *g_current : defaultServices();
}

ScopedServices::ScopedServices(Services &replacement)
    : m_previous(g_current)
{
    g_current = &replacement;
}

ScopedServices::~ScopedServices()
{
    g_current = m_previous;
}

} // namespace platform
