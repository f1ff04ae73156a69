#include "demos/DemoFixture.h"
#include "demos/RandomRecords.h"

#include "demos/diraz/Eingabe.h"

using namespace demo_tests;

namespace {
class DirazLoadRobustness : public DemoFixture {};
} // namespace

TEST_F(DirazLoadRobustness, EveryFileIsAppliedWholeOrReported)
{
    diraz::Eingabe window;
    RandomRecords records({{window.VScroll1, 0, 9}, {window.HScroll1, 0, 20000}, {window.HScroll2, 1, 9}}, 20261209);
    const LoadRounds outcome = loadRandomRecords(
        window.frame(), records, services,
        [&](const QByteArray &bytes) { return fileWith(QStringLiteral("zufall.set"), bytes); }, 600);
    // both outcomes were exercised
    EXPECT_GT(outcome.applied, 50);
    EXPECT_GT(outcome.reported, 50);
}
