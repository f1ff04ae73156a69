#include "ProgramStart.h"

#include "platform/TempFiles.h"
#include "platform/WavePlayer.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

void StartProgram(const ProgramInfo &program)
{
    // the display name would be appended to every caption on Linux desktops
    QApplication::setApplicationName(program.title);
    if (!program.icon.isNull())
        QApplication::setWindowIcon(program.icon);
    // German whatever the desktop's language; numbers still follow the user's locale
    auto *qtTexts = new QTranslator(QCoreApplication::instance());
    if (qtTexts->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    // once the window is up: the first tone should not wait for a new sound stream
    QTimer::singleShot(0, [] { platform::WavePlayer::prepare(); });
}

void EndProgram(int result)
{
    platform::removeTemporaryFolder();
    std::fflush(nullptr);
    // the sound output's threads and server connections would otherwise be wound down one by
    // one after the last window has gone; the system frees them with the process
    std::_Exit(result);
}
