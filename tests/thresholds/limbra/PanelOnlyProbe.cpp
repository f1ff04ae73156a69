#include "thresholds/limbra/UCLimbra.h"

#include <QApplication>

// Links the threshold panel and nothing else; the build checks what came with it.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    PanelOptions options;
    options.level = [] { return std::int32_t(8); };
    limbra::UCLimbra panel(options);
    panel.show();
    return 0;
}
