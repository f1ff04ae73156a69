#include "demos/rovad/KlangPanel.h"

#include <QApplication>

// Links the panel and nothing else; the build checks what came with it.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    rovad::KlangPanel panel;
    panel.show();
    panel.Command2_Click();
    return 0;
}
