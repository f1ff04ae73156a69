#pragma once

#include <QString>

namespace dazuv {

// The warning's text, also the answer to a request to play a level difference it covers.
extern const QString WarningText;

// What the sentence in the window says about a level difference of L dB, each number in full
// (the boxes cut them to their lengths).
struct LevelSentence {
    QString level;
    QString pressureFactor;  // 10^(L/20)
    QString sourceCount;     // 10^(L/10)
    bool warns = false;      // no example is generated at this level
};

LevelSentence levelSentence(int L);

} // namespace dazuv
