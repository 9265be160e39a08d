#include "cautorepeatbutton.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPointer>

namespace zef {

CAutoRepeatButton::CAutoRepeatButton(QWidget* parent) : QPushButton(parent) {
    init();
}

CAutoRepeatButton::CAutoRepeatButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent) {
    init();
}

CAutoRepeatButton::~CAutoRepeatButton() = default;

void CAutoRepeatButton::init() {
    // Keyboard activation (space bar) stays the button's own, unrepeated click.
    setAutoRepeat(false);
    connect(&m_timer, &QTimer::timeout, this, &CAutoRepeatButton::repeatTick);
}

void CAutoRepeatButton::setRepeatDelays(int firstDelay, int repeatInterval) {
    m_firstDelay = firstDelay;
    m_repeatInterval = repeatInterval;
}

void CAutoRepeatButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QPushButton::mousePressEvent(event);
        return;
    }
    m_timer.start(m_firstDelay);
    m_repeatCount = 0;
    m_pressed = true;
    // Shows the button pressed; the press itself sends nothing.
    QPushButton::mousePressEvent(event);
}

void CAutoRepeatButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QPushButton::mouseDoubleClickEvent(event);
        return;
    }
    // The second press of a fast double click is a plain press: one click on
    // release, no repetition.
    m_timer.stop();
    if (!m_pressed) {
        m_repeatCount = 0;
        m_pressed = true;
        QPushButton::mousePressEvent(event);
    } else {
        event->accept();
    }
}

void CAutoRepeatButton::repeatTick() {
    if (!m_pressed || !isEnabled() || !isVisible()) {
        // The press ended without a release reaching us (disabled, hidden).
        endPress();
        return;
    }
    // While the pointer is off the button nothing is sent; the timer keeps its
    // interval so the repetition resumes when the pointer comes back.
    if (!isDown() || m_inClick) return;
    m_timer.start(m_repeatInterval);
    ++m_repeatCount;
    sendClick();
}

void CAutoRepeatButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QPushButton::mouseReleaseEvent(event);
        return;
    }
    m_timer.stop();
    if (!m_pressed) {
        // Not a press of ours: nothing to release, nothing to send.
        event->ignore();
        return;
    }
    m_pressed = false;
    const bool click = m_repeatCount == 0 && isDown() && hitButton(event->position().toPoint());
    // The standard release handling sees the button up and so sends no click
    // of its own; the clicks above are the only ones.
    setDown(false);
    QPushButton::mouseReleaseEvent(event);
    event->accept();
    if (click) sendClick();
}

void CAutoRepeatButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    // A modal window that opens, or a button disabled under the pointer,
    // takes the mouse release away from us: end the press there.
    if ((event->type() == QEvent::EnabledChange && !isEnabled()) ||
        (event->type() == QEvent::ActivationChange && !isActiveWindow()))
        endPress();
}

void CAutoRepeatButton::hideEvent(QHideEvent* event) {
    endPress();
    QPushButton::hideEvent(event);
}

void CAutoRepeatButton::endPress() {
    m_timer.stop();
    if (!m_pressed) return;
    m_pressed = false;
    setDown(false);
}

void CAutoRepeatButton::sendClick() {
    // A command that opens a modal window runs a nested event loop in which
    // our timer could fire again; those ticks are dropped.
    const QPointer<CAutoRepeatButton> self(this);
    m_inClick = true;
    emit clicked(false);
    if (self) m_inClick = false;
}

} // namespace zef
