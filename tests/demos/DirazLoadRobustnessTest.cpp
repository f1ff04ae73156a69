#include "DemoFixture.h"
#include "LoadRobustness.h"

#include "demos/diraz/Eingabe.h"

using namespace demo_tests;

namespace {
class DirazLoadRobustness : public DemoFixture {};
} // namespace

TEST_F(DirazLoadRobustness, EveryFileIsAppliedWholeOrReported)
{
    diraz::Eingabe window;
    const SliderField fields[] = {{window.VScroll1, 0, 9}, {window.HScroll1, 0, 20000}, {window.HScroll2, 1, 9}};
    expectEveryFileAppliedWholeOrReported(window.frame(), fields, services, path(QStringLiteral("zufall.set")), 20261209);
}
