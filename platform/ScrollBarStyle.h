#pragma once

#include <QProxyStyle>

namespace platform {

// The platform's scroll bar over whatever style the application runs: arrow buttons square
// to the bar's thickness and a thumb that is a square of that thickness, placed along the
// groove by the value alone, whatever the range and page step. On short bars the arrows and
// the thumb give up length, so that the thumb still travels and can be read.
class ScrollBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Owned by the bar it styles: a control library's bars must not leave an object of its
    // code behind when the library is unloaded.
    explicit ScrollBarStyle(QObject *owner);

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget = nullptr) const override;
    // The thumb as a raised button over the groove, so that it cannot be taken for the track.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
};

} // namespace platform
