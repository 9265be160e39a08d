#pragma once

#include <QPushButton>
#include <QTimer>

namespace zef {

// A push button that repeats its click while it is held down with the left
// mouse button: once after 700 ms, then every 100 ms. The parent sees nothing
// but ordinary clicked() signals.
//
// A press released before the first repetition gives exactly one click (on
// release); a press that repeated gives no extra click on release; a release
// with the pointer off the button gives none. While the pointer is off the
// button the ticks send nothing, and the repetition resumes when it comes back.
class CAutoRepeatButton : public QPushButton {
    Q_OBJECT
public:
    static constexpr int FirstDelay = 700;
    static constexpr int RepeatInterval = 100;

    explicit CAutoRepeatButton(QWidget* parent = nullptr);
    explicit CAutoRepeatButton(const QString& text, QWidget* parent = nullptr);
    ~CAutoRepeatButton() override;

    // The delays in milliseconds (700 and 100 unless changed).
    void setRepeatDelays(int firstDelay, int repeatInterval);
    int firstDelay() const { return m_firstDelay; }
    int repeatInterval() const { return m_repeatInterval; }

    // Clicks the timer sent during the current press.
    int repeatCount() const { return m_repeatCount; }
    bool isRepeatTimerActive() const { return m_timer.isActive(); }
    // The interval the timer runs at now (the first delay until the first tick).
    int currentTimerInterval() const { return m_timer.interval(); }

    // One tick of the repeat timer. The timer calls it; tests call it to drive
    // the clock without waiting.
    void repeatTick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void init();
    void endPress();
    void sendClick();

    QTimer m_timer;
    int m_firstDelay = FirstDelay;
    int m_repeatInterval = RepeatInterval;
    int m_repeatCount = 0;
    // A left press of ours is in progress (the button holds the mouse).
    bool m_pressed = false;
    bool m_inClick = false;
};

} // namespace zef
