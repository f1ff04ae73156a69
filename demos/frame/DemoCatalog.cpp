#include "DemoCatalog.h"

#include <array>
#include <stdexcept>

namespace demos {

namespace {

// Captions in the column order of MenuCaptions, from UTF-8 literals.
MenuCaptions menus(const char *datei, const char *open, const char *save, const char *exportWave,
                   const char *separatorName, const char *quit, const char *visit, const char *aboutName,
                   const char *about)
{
    return {QString::fromUtf8(datei), QString::fromUtf8(open), QString::fromUtf8(save),
            QString::fromUtf8(exportWave), QString::fromUtf8(separatorName), QString::fromUtf8(quit),
            QString::fromUtf8(visit), QString::fromUtf8(aboutName), QString::fromUtf8(about)};
}

const std::array<DemoDescription, 8> &catalog()
{
    // play: {device type, "Open", "Close" after "Sound"}, "Close" on unload, redraw, hourglass
    static const std::array<DemoDescription, 8> table{{
        {Demo::Vevuzevu, {{false, false, false}, true, false, true},
         menus("&Datei", "&Öffnen...", "&Speichern...", "Speichern als &Wave-Datei...", "menLine1", "Beenden",
               "\"velmora\" besuchen...", "MenAbout", "Über \"Vevuzevu\"..."),
         SettingsAccess::Binary, 12},
        {Demo::Rovad, {{true, true, true}, false, false, true},
         menus("Datei", "&Öffnen...", "&Speichern...", "Speichern als &Wave-Datei...", "menLine1", "Beenden",
               "velmora &besuchen...", "MenInfo", "Über \"Rovad\"..."),
         SettingsAccess::Binary, 0},
        {Demo::Sorvena, {{true, true, true}, false, false, false}, {},
         SettingsAccess::Binary, 0},
        {Demo::Zanter, {{false, false, false}, true, true, true},
         menus("&Datei", "&Öffnen...", "&Speichern...", "Speichern als &Wave-Datei...", "menLine", "Beenden",
               "\"velmora\" besuchen...", "menAbout", "Info über Zanter..."),
         SettingsAccess::Binary, 10},
        {Demo::Koliva, {{true, true, true}, false, true, true},
         menus("&Datei", "&Öffnen", "&Speichern", "Speichern als &Wave-Datei", "menLine1", "&Beenden",
               "\"velmora\" &besuchen...", "menInfo", "Über \"Koliva\""),
         SettingsAccess::Binary, 10},
        {Demo::Rozurovev, {{false, true, true}, false, false, true},
         menus("Datei", "Öffnen", "&Speichern", "Speichern als &Wave-Datei", "menLine1", "Beenden",
               "\"velmora\" &besuchen", "menInfo", "Über \"Rozurovev\""),
         SettingsAccess::Random, 10},
        {Demo::Dazuv, {{false, false, false}, true, false, true},
         menus("&Datei", "&Öffnen...", "&Speichern...", "Speichern als &Wave-Datei...", "menLine1", "Beenden",
               "\"velmora\" besuchen...", "menAbout", "Info über Dazuv..."),
         SettingsAccess::Binary, 6},
        {Demo::Diraz, {{false, true, true}, false, false, true},
         menus("&Datei", "Öffnen...", "&Speichern...", "Speichern als &Wave-Datei...", "menLine1", "Beenden",
               "\"velmora\" &besuchen...", "menInfo", "Über \"Diraz\"..."),
         SettingsAccess::Binary, 6},
    }};
    return table;
}

} // namespace

const DemoDescription &describe(Demo demo)
{
    for (const DemoDescription &description : catalog())
        if (description.demo == demo)
            return description;
    throw std::out_of_range("unknown demonstration");
}

} // namespace demos
