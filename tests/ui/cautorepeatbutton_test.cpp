#include "ui/cautorepeatbutton.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <memory>

namespace zef {
namespace {

class AutoRepeatButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(200, 100);
        button = new CAutoRepeatButton(QStringLiteral("+"), window.get());
        button->setGeometry(10, 10, 80, 30);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    static QPoint on() { return {40, 15}; }
    static QPoint off() { return {150, 15}; } // inside the window, outside the button

    void send(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(pos), QPointF(this->button->mapToGlobal(pos)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(this->button, &event);
    }
    void press(QPoint pos = on()) {
        send(QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
    }
    void doubleClickPress() {
        send(QEvent::MouseButtonDblClick, on(), Qt::LeftButton, Qt::LeftButton);
    }
    void move(QPoint pos) { send(QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton); }
    void release(QPoint pos = on()) {
        send(QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
    }
    // One tick of the clock: the timer fires only while it runs.
    void tick() {
        if (button->isRepeatTimerActive()) button->repeatTick();
    }

    // Plays a script: P press, D double-click press, T tick, O pointer off the
    // button, B pointer back on, R release on the button, r release off it,
    // X button disabled.
    void play(const char* script) {
        for (const char* c = script; *c; ++c) {
            switch (*c) {
            case 'P':
                press();
                break;
            case 'D':
                doubleClickPress();
                break;
            case 'T':
                tick();
                break;
            case 'O':
                move(off());
                break;
            case 'B':
                move(on());
                break;
            case 'R':
                release(on());
                break;
            case 'r':
                release(off());
                break;
            case 'X':
                button->setEnabled(false);
                break;
            case ' ':
                break;
            default:
                FAIL() << "bad script step " << *c;
            }
        }
    }

    std::unique_ptr<QWidget> window;
    CAutoRepeatButton* button = nullptr;
    int clicks = 0;
};

struct PressCase {
    const char* name;
    const char* script;
    int clicks;
};

// With the 700/100 ms clock, n ticks stand for a press held 700 + 100 (n - 1)
// ms and a little more.
const PressCase PressCases[] = {
    {"short press: one click on release", "P R", 1},
    {"held 1050 ms: ticks at 700..1000 ms, none on release", "P TTTT R", 4},
    {"one repetition, none on release", "P T R", 1},
    {"released off the button before repeating", "P O r", 0},
    {"released off the button after repeating", "P TT O r", 2},
    {"off between 750 and 950 ms: those ticks send nothing", "P T O TT B T R", 2},
    {"off between 750 and 950 ms, released off", "P T O TT B T O r", 2},
    {"off before the first tick, released on it", "P O TT B R", 1},
    {"back on after the first delay: repetition resumes", "P O T B TT R", 2},
    {"release without a press of ours", "R", 0},
    {"double click: second press gives one click, no repetition", "P R P D TTTT R", 2},
    {"a double-click message alone is a press without repetition", "D TTT R", 1},
    {"disabled while held: the press ends", "P T X TTT", 1},
};

TEST_F(AutoRepeatButtonTest, ClicksPerPressScript) {
    for (const PressCase& c : PressCases) {
        SCOPED_TRACE(c.name);
        clicks = 0;
        button->setEnabled(true);
        play(c.script);
        EXPECT_EQ(clicks, c.clicks);
        EXPECT_FALSE(button->isRepeatTimerActive());
        EXPECT_FALSE(button->isDown());
    }
}

TEST_F(AutoRepeatButtonTest, TimerRunsAt700ThenAt100) {
    EXPECT_EQ(button->firstDelay(), 700);
    EXPECT_EQ(button->repeatInterval(), 100);
    press();
    EXPECT_TRUE(button->isRepeatTimerActive());
    EXPECT_EQ(button->currentTimerInterval(), 700);
    EXPECT_EQ(clicks, 0); // the press itself sends nothing
    tick();
    EXPECT_EQ(button->currentTimerInterval(), 100);
    EXPECT_EQ(button->repeatCount(), 1);
    move(off());
    tick(); // off the button: nothing, and the timer keeps its interval
    EXPECT_TRUE(button->isRepeatTimerActive());
    EXPECT_EQ(button->currentTimerInterval(), 100);
    EXPECT_EQ(button->repeatCount(), 1);
    move(on());
    release();
    EXPECT_FALSE(button->isRepeatTimerActive());
    EXPECT_EQ(clicks, 1);
    // The count belongs to the press: a new press starts again at 0.
    press();
    EXPECT_EQ(button->repeatCount(), 0);
    release();
    EXPECT_EQ(clicks, 2);
}

TEST_F(AutoRepeatButtonTest, RepeatsOnTheRealClockAndStopsOnRelease) {
    // Short delays and generous waits keep this steady on a busy machine.
    button->setRepeatDelays(30, 10);
    press();
    QTRY_VERIFY_WITH_TIMEOUT(clicks >= 3, 10000);
    release();
    const int atRelease = clicks;
    QTest::qWait(100);
    EXPECT_EQ(clicks, atRelease);
    EXPECT_FALSE(button->isRepeatTimerActive());
}

TEST_F(AutoRepeatButtonTest, QTestMouseClicksGiveOneClickEach) {
    QTest::mouseClick(button, Qt::LeftButton, {}, on());
    EXPECT_EQ(clicks, 1);
    // A fast second click arrives as a press followed by a double click.
    QTest::mousePress(button, Qt::LeftButton, {}, on());
    EXPECT_TRUE(button->isRepeatTimerActive());
    QTest::mouseDClick(button, Qt::LeftButton, {}, on());
    EXPECT_FALSE(button->isRepeatTimerActive());
    QTest::mouseRelease(button, Qt::LeftButton, {}, on());
    EXPECT_EQ(clicks, 2);
}

TEST_F(AutoRepeatButtonTest, SpaceBarIsThePlainUnrepeatedClick) {
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->isRepeatTimerActive());
}

TEST_F(AutoRepeatButtonTest, HidingTheButtonEndsThePress) {
    press();
    tick();
    button->hide();
    EXPECT_FALSE(button->isRepeatTimerActive());
    EXPECT_FALSE(button->isDown());
    tick();
    EXPECT_EQ(clicks, 1);
}

TEST_F(AutoRepeatButtonTest, TicksDuringAClickAreDropped) {
    // A command that runs a nested event loop (a message box) must not be
    // re-entered by the button's own timer.
    int nested = 0;
    QObject::connect(button, &QPushButton::clicked, [this, &nested] {
        if (clicks == 1) {
            button->repeatTick();
            nested = clicks;
        }
    });
    press();
    tick();
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(clicks, 1);
    release();
}

} // namespace
} // namespace zef
