#include "VarnikTesting.h"

#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "thresholds/varnik/DifferenceChart.h"
#include "thresholds/varnik/UCVarnik.h"

#include <QLabel>

#include <map>
#include <tuple>

using platform::DrawnPrimitive;
using namespace varnik;

namespace {

constexpr double Width = 557;
constexpr double Height = 285;

// Primitives by kind, colour and pen width.
std::map<std::tuple<DrawnPrimitive::Kind, QRgb, int>, int> census(const platform::DrawingSurface &surface)
{
    std::map<std::tuple<DrawnPrimitive::Kind, QRgb, int>, int> counts;
    for (const DrawnPrimitive &p : surface.primitives())
        ++counts[{p.kind, p.color.rgb(), p.width}];
    return counts;
}

constexpr auto Line = DrawnPrimitive::Kind::Line;
constexpr auto Circle = DrawnPrimitive::Kind::Circle;
const QRgb Black = QColor(Qt::black).rgb();
const QRgb Blue = QColor(0, 0, 255).rgb();
const QRgb Red = QColor(255, 0, 0).rgb();

// Y(v) = y0 − (ScaleHeight − 40) / 50 × v
float y(double v)
{
    return float((Height - 20) - (Height - 40) / 50 * v);
}

QList<float> horizontalHeights(const platform::DrawingSurface &surface)
{
    QList<float> heights;
    for (const DrawnPrimitive &p : surface.primitives())
        if (p.kind == Line && p.color.rgb() == Black && p.from.y() == p.to.y())
            heights.append(float(p.from.y()));
    return heights;
}

} // namespace

TEST(DifferenceChart, MeasuredCurveInBlueOverGridAndAxis)
{
    platform::DrawingSurface surface{QSize(int(Width), int(Height))};
    const DifferenceChart::Values measured{0, 1.8f, 1.3f, 1.5f, 3, 6, 19, 54};
    DifferenceChart::drawMeasuredCurve(surface, measured);

    using Census = std::map<std::tuple<DrawnPrimitive::Kind, QRgb, int>, int>;
    EXPECT_EQ(census(surface), (Census{{{Line, Black, 1}, 15}, {{Line, Blue, 2}, 7}, {{Circle, Blue, 1}, 8}}));
    const auto &p = surface.primitives();
    ASSERT_EQ(p.size(), 30);
    // the 50 Hz and the 10000 Hz line
    EXPECT_NEAR(p[0].from.x(), 146.8, 0.05);
    EXPECT_NEAR(p[7].from.x(), 531.3, 0.05);
    EXPECT_DOUBLE_EQ(p[0].from.y(), Height - 20);
    EXPECT_DOUBLE_EQ(p[0].to.y(), 20);
    // the value axis, then the lines at 50, 20, 5, 3, 2 and 0 Hz up to 10000 Hz
    EXPECT_EQ(p[8].from, QPointF(30, Height - 20));
    EXPECT_EQ(p[8].to, QPointF(30, 20));
    EXPECT_EQ(horizontalHeights(surface), (QList<float>{y(50), y(20), y(5), y(3), y(2), y(0)}));
    EXPECT_FLOAT_EQ(float(p[9].to.x()), float(p[7].from.x()));
    // 50 Hz measured as 0 lies on the bottom line; 54 Hz above the top line by 4/50 of the plot
    EXPECT_EQ(p[15].from, QPointF(p[0].from.x(), Height - 20));
    EXPECT_NEAR(p[27].to.y(), 20 - 4.0 / 50 * (Height - 40), 1e-4);
    EXPECT_EQ(p[29].kind, Circle);
    EXPECT_EQ(p[29].from, p[15].from) << "the first point's circle comes last";
    EXPECT_EQ(p[29].radius, 3);
}

TEST(DifferenceChart, MeanCurveIsTheTableInRedWithoutAxisAndZeroLine)
{
    platform::DrawingSurface surface{QSize(int(Width), int(Height))};
    DifferenceChart::drawMeanCurve(surface);

    using Census = std::map<std::tuple<DrawnPrimitive::Kind, QRgb, int>, int>;
    EXPECT_EQ(census(surface), (Census{{{Line, Black, 1}, 13}, {{Line, Red, 2}, 7}, {{Circle, Red, 1}, 8}}));
    EXPECT_EQ(horizontalHeights(surface), (QList<float>{y(50), y(20), y(5), y(3), y(2)}));
    for (const DrawnPrimitive &p : surface.primitives())
        EXPECT_FALSE(p.kind == Line && p.from.x() == 30 && p.to.x() == 30) << "no axis at the left edge";
    // the curve runs through 1.8 Hz at 50 Hz and 1.9 Hz at 100 Hz, as the table says
    const auto &p = surface.primitives();
    const float expected[] = {1.8f, 1.9f, 1.75f, 2, 3.2f, 5.1f, 19.3f, 50};
    EXPECT_FLOAT_EQ(float(p.last().from.y()), y(expected[0]));
    for (int k = 1; k < 8; ++k)
        EXPECT_FLOAT_EQ(float(p[13 + 2 * (k - 1)].to.y()), y(expected[k])) << k;
}

using ChartPanel = varnik_testing::VarnikTest;

TEST_F(ChartPanel, CaptionsAndValueTable)
{
    UCVarnik panel({[] { return 1000.f; }});
    struct Row {
        const char *text;
        int left, top;
    };
    // each value caption stands beside the line it names
    const Row captions[] = {
        {"Frequenzunterschied in [Hz]", 120, 0}, {"50", 120, 240}, {"20", 120, 2400}, {"5", 120, 3480},
        {"0", 120, 3840}, {"50", 2160, 4080}, {"10000", 7680, 4080}, {"f in [Hz]", 7680, 3720},
    };
    QList<QLabel *> labels = panel.Ausgabe->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
    for (const Row &row : captions) {
        SCOPED_TRACE(row.text);
        const QPoint at(platform::twipsToPixels(row.left), platform::twipsToPixels(row.top));
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                                [&](QLabel *l) { return l->text() == row.text && l->pos() == at; }));
    }
    EXPECT_EQ(labels.size(), 14);

    const char *means[] = {"1,8", "1,9", "1,75", "2", "3,2", "5,1", "19,3", "50"};
    for (int i = 1; i <= 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(panel.Lb1(i)->text(), means[i - 1]);
        EXPECT_EQ(panel.Lb1(i)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        EXPECT_EQ(panel.Lb2(i)->text(), "0");
        EXPECT_EQ(panel.Lb2(i)->palette().color(QPalette::WindowText), i == 3 ? QColor(0, 0, 128) : QColor(0, 0, 192));
        EXPECT_EQ(panel.Lb2(i)->parentWidget(), panel.Ausgabe2);
    }
    EXPECT_EQ(panel.Ausgabe2->parentWidget(), panel.Ausgabe);
    EXPECT_EQ(panel.Ausgabe2->geometry(), platform::twipsRect(0, 0, 2535, 3375));
}
