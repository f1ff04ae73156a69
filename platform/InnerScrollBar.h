#pragma once

#include <QPointer>
#include <QScrollBar>

namespace platform {

// The Qt bar inside a ScrollBar: what the platform's own bars do that Qt's don't.
class InnerScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit InnerScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);

    // Ends a held arrow or track click as a release would, so that a box or a tone shown
    // meanwhile cannot leave it repeating on its own.
    void releaseHeld();

    // Marks the bar whose user-made change is being handled, for as long as it lives.
    class Acting {
    public:
        explicit Acting(InnerScrollBar *bar);
        ~Acting();
        Acting(const Acting &) = delete;
        Acting &operator=(const Acting &) = delete;

    private:
        QPointer<InnerScrollBar> m_outer;
    };
    // Before a message box: the acting bar lets go of the held arrow or track, so the box's
    // answer cannot be followed by further steps.
    static void releaseActing();

protected:
    // A press whose handler held the program (a tone) repeats only after the first delay
    // again, so that a release made meanwhile is handled first. Qt's own bar would repeat
    // 50 ms after such a press, and under load that can come before the release.
    void mousePressEvent(QMouseEvent *event) override;

    // Left and Right move the thumb the way they point, as the arrow buttons do; Qt's scroll
    // bars turn them round.
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace platform
