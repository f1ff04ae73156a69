#include "Zezevav.h"
#include "audiometry/FormMain.h"
#include "audiometry/UCHTest.h"
#include "common/ProgramStart.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    StartProgram(Zezevav::programInfo());
    auto *panel = new UCHTest(Zezevav::referenceAmplitude);
    FormMain window(Zezevav::programInfo(), Zezevav::AboutCaption, panel, Zezevav::PanelTwips, Zezevav::ClientTwips);
    window.Form_Load();
    // the wizard may have been closed together with the window
    if (!window.isVisible())
        EndProgram(0);
    EndProgram(app.exec());
}
