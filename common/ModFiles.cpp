#include "ModFiles.h"

#include "platform/FileChecks.h"
#include "platform/FileError.h"
#include "platform/Services.h"

#include <QDir>
#include <QFileInfo>

#include <exception>
#include <new>

namespace ModFiles {

namespace {

using platform::FileDialogRequest;

struct FilterKind {
    QLatin1String name;
    QLatin1String filter;
    QLatin1String extension;
};

const FilterKind Kinds[] = {
    {QLatin1String("Wave"), QLatin1String("Wave-Dateien (*.wav)"), QLatin1String(".wav")},
    {QLatin1String("Set"), QLatin1String("Einstellungen (*.set)"), QLatin1String(".set")},
};
const QLatin1String AllFilesFilter("Alle Dateien (*.*)");

const FilterKind *findKind(const QString &filterKind)
{
    for (const FilterKind &kind : Kinds)
        if (filterKind.compare(kind.name, Qt::CaseInsensitive) == 0)
            return &kind;
    return nullptr;
}

FileDialogRequest makeRequest(FileDialogRequest::Mode mode, const QString &filterKind,
                              const QString &initialDirectory, const QString &title, const QString &defaultTitle)
{
    FileDialogRequest request;
    request.mode = mode;
    if (const FilterKind *kind = findKind(filterKind))
        request.filters.append(kind->filter);
    request.filters.append(AllFilesFilter);
    request.directory = initialDirectory.isEmpty() ? QDir::currentPath() : initialDirectory;
    request.title = title.isEmpty() ? defaultTitle : title;
    return request;
}

// The dialog's failures reach the user as a message with its description, the caller as "".
template <typename Dialog>
QString reportingFailures(Dialog dialog)
{
    QString description;
    try {
        return dialog();
    } catch (const platform::FileError &error) {
        description = error.message();
    } catch (const std::bad_alloc &) {
        description = QStringLiteral("Nicht genügend Arbeitsspeicher.");
    } catch (const std::exception &error) {
        description = QString::fromUtf8(error.what());
    }
    platform::services().messageBox({description, QString(), platform::MessageIcon::None,
                                     platform::MessageButtons::Ok});
    return QString();
}

// A name that cannot be written is refused here, before anything is asked; a link is asked
// about as the file that it replaces.
bool confirmOverwrite(const QString &path)
{
    const QString target = platform::fileToWrite(path);
    if (!QFileInfo::exists(target))
        return true;
    const QString question = QStringLiteral("Die Datei „%1“ ist bereits vorhanden.\nMöchten Sie sie ersetzen?")
                                 .arg(QDir::toNativeSeparators(target));
    return platform::services().messageBox({question, QString(), platform::MessageIcon::Exclamation,
                                            platform::MessageButtons::YesNo})
        == platform::MessageResult::Yes;
}

} // namespace

QString ShowOpenDialog(const QString &filterKind, const QString &initialDirectory, const QString &title)
{
    return reportingFailures([&] {
        return platform::services().fileDialog(makeRequest(FileDialogRequest::Mode::OpenExisting, filterKind,
                                                           initialDirectory, title,
                                                           QStringLiteral("Datei öffnen")));
    });
}

QString ShowSaveDialog(const QString &filterKind, const QString &initialDirectory, const QString &title)
{
    return reportingFailures([&] {
        FileDialogRequest request = makeRequest(FileDialogRequest::Mode::Save, filterKind, initialDirectory, title,
                                                QStringLiteral("Datei speichern"));
        for (;;) {
            QString path = platform::services().fileDialog(request);
            if (path.isEmpty())
                return QString();
            // the file kind decides the extension, whichever filter the user picked, but only once
            if (const FilterKind *kind = findKind(filterKind);
                kind && !path.endsWith(kind->extension, Qt::CaseInsensitive))
                path += kind->extension;
            if (confirmOverwrite(path))
                return path;
            // "Nein" goes back to the dialog, on the same name, so that another can be chosen
            request.directory = path;
        }
    });
}

} // namespace ModFiles
