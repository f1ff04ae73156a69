#include "audiometry/UCHTest.h"

#include <QApplication>

// Links the panel and nothing else; the build checks what came with it.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    UCHTest panel([] { return std::int32_t(32); });
    panel.show();
    return 0;
}
