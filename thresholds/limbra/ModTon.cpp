#include "ModTon.h"

namespace ModTon {

void MakeThresholdTone(const std::int32_t &A, const float &T, const float &L, const float &f, SampleChunks &chunks)
{
    Modtest::MakeLevelTone(Modtest::Channels::Both, A, T, L, f, chunks);
}

} // namespace ModTon
