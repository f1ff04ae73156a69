#include "LevelSentence.h"

#include "ModPegel.h"

#include "demos/frame/ReadOut.h"

#include <cmath>

namespace dazuv {

const QString WarningText = QStringLiteral(
    " Pegeländerungen über 25 dB werden aus Gründen der Aussteuerung nicht mehr als Hörbeispiel generiert");

LevelSentence levelSentence(int L)
{
    using demos::valueText;
    LevelSentence sentence;
    sentence.level = valueText(L);
    sentence.pressureFactor = valueText(std::pow(10.0, L / 20.0));
    sentence.sourceCount = valueText(std::pow(10.0, L / 10.0));
    sentence.warns = L >= ModPegel::FirstSilentLevel;
    return sentence;
}

} // namespace dazuv
