#include "audiometry/zezevav/Zezevav.h"
#include "common/frmAbout.h"
#include "demos/dazuv/DazuvInfo.h"
#include "demos/diraz/DirazInfo.h"
#include "demos/koliva/KolivaInfo.h"
#include "demos/rovad/RovadInfo.h"
#include "demos/rozurovev/RozurovevInfo.h"
#include "demos/vevuzevu/VevuzevuInfo.h"
#include "demos/zanter/ZanterInfo.h"
#include "support/Screenshot.h"
#include "thresholds/limbra/LimbraInfo.h"
#include "thresholds/varnik/VarnikInfo.h"

#include <QImage>
#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

using testing_support::darkPixelsOf;
using testing_support::saveScreenshot;

// Each program's own icon, drawn for the suite: shown in its About dialog, and no two alike.
TEST(frmAbout, EveryProgramShowsItsOwnIcon)
{
    const ProgramInfo programs[] = {
        Zezevav::programInfo(),   limbra::programInfo(),    varnik::programInfo(), vevuzevu::programInfo(),
        rovad::programInfo(),     zanter::programInfo(),    koliva::programInfo(), rozurovev::programInfo(),
        dazuv::programInfo(),     diraz::programInfo(),
    };
    QList<QImage> seen;
    QImage sheet(40 * int(std::size(programs)), 40, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (const ProgramInfo &program : programs) {
        SCOPED_TRACE(program.title.toStdString());
        ASSERT_FALSE(program.icon.isNull());
        frmAbout dialog(program);
        if (seen.isEmpty())
            saveScreenshot(dialog.grab().toImage(), QStringLiteral("about-zezevav.png"));
        const auto *picture = dialog.findChild<QLabel *>(QStringLiteral("picIcon"));
        ASSERT_NE(picture, nullptr);
        ASSERT_FALSE(picture->isHidden());
        const QImage shown = picture->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(shown.size(), QSize(32, 32));
        // a picture, not a blank square: a light ground, dark lines and some colour
        EXPECT_GT(darkPixelsOf(shown, shown.rect()), 20);
        int coloured = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QColor c = shown.pixelColor(x, y);
                coloured += c.alpha() > 200 && c.hsvSaturation() > 120;
            }
        EXPECT_GT(coloured, 20);
        for (const QImage &other : seen)
            EXPECT_NE(shown, other) << "an icon of its own";
        seen.append(shown);
        painter.drawImage(QPoint(40 * int(seen.size() - 1) + 4, 4), shown);
    }
    painter.end();
    saveScreenshot(sheet, QStringLiteral("icons.png"));
}
