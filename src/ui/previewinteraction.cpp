#include "previewinteraction.h"

#include "model/layoutdocument.h"
#include "preview/previewgeometry.h"
#include "preview/previewrenderer.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextEdit>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace zef {

namespace {

// The zoom, under the preview between the findings line and its toggles.
constexpr QRect ZoomLabelRect{982, 854, 26, 12};
constexpr int ZoomLabelFontPixels = 10;

// One notch of a mouse wheel (an angle of 120 eighths of a degree) scrolls
// this many screen pixels.
constexpr int PixelsPerNotch = 60;
constexpr int NotchAngle = 120;
// A drag beyond the view scrolls every AutoScrollMs by the pointer's distance
// from the view, at most AutoScrollMaxStep pixels.
constexpr int AutoScrollMs = 30;
constexpr int AutoScrollMaxStep = 40;

} // namespace

PreviewInteraction::PreviewInteraction(QWidget* area, LayoutDocument& document,
                                       PreviewRenderer& renderer, ElementSelection& selection)
    : QObject(area), m_area(area), m_document(document), m_renderer(renderer),
      m_drags(document, renderer, selection), m_horizontal(new QScrollBar(Qt::Horizontal, area)),
      m_vertical(new QScrollBar(Qt::Vertical, area)), m_corner(new QWidget(area)),
      m_zoomLabel(new QLabel(QStringLiteral("1x"), area)) {
    // The corner shows the window's background, as a scroll area's does.
    m_corner->setAutoFillBackground(true);
    m_corner->hide();
    m_zoomLabel->setGeometry(ZoomLabelRect);
    m_zoomLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font = m_zoomLabel->font();
    font.setPixelSize(ZoomLabelFontPixels);
    m_zoomLabel->setFont(font);
    m_zoomLabel->setToolTip(QStringLiteral(
        "Zoom of the preview (Ctrl+wheel, Ctrl++, Ctrl+-, Ctrl+0 for 1:1, Ctrl+9 to fit)"));
    for (QScrollBar* bar : {m_horizontal, m_vertical}) {
        bar->hide();
        bar->setSingleStep(PixelsPerNotch / 3);
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (m_updatingBars) return;
            PreviewViewport v = m_renderer.viewState().viewport;
            v.scroll = QPoint(m_horizontal->value(), m_vertical->value());
            setViewport(v);
        });
    }
    m_autoScroll.setInterval(AutoScrollMs);
    connect(&m_autoScroll, &QTimer::timeout, this, &PreviewInteraction::followPointerOut);
    m_area->setMouseTracking(true);
    // One filter on the application sees the area's mouse and the window's
    // keys; installed after the window's key commands, it sees Space over the
    // preview first.
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

PreviewInteraction::~PreviewInteraction() = default;

// --- events ------------------------------------------------------------------

bool PreviewInteraction::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_area) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            mousePress(static_cast<QMouseEvent*>(event));
            return false;
        case QEvent::MouseMove:
            mouseMove(static_cast<QMouseEvent*>(event));
            return false;
        case QEvent::MouseButtonRelease:
            mouseRelease(static_cast<QMouseEvent*>(event));
            return false;
        case QEvent::Wheel:
            wheel(static_cast<QWheelEvent*>(event));
            return event->isAccepted();
        case QEvent::Leave:
            if (!m_spaceHeld) m_lastPoint = QPoint(-1, -1);
            return false;
        default:
            return false;
        }
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != m_area->window())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool press = event->type() == QEvent::KeyPress;
    if (key->key() == Qt::Key_Shift || key->key() == Qt::Key_Alt) {
        // The drag's snapping and constraint follow the keys without a move.
        if (m_drags.state() == DragController::State::Dragging) {
            const Qt::KeyboardModifier changed =
                key->key() == Qt::Key_Shift ? Qt::ShiftModifier : Qt::AltModifier;
            Qt::KeyboardModifiers modifiers = key->modifiers();
            modifiers.setFlag(changed, press);
            apply(m_drags.move(m_lastPoint, modifiers));
        }
        return false;
    }
    if (key->key() != Qt::Key_Space || key->modifiers() != Qt::NoModifier) return false;
    // Space held with the pointer over a preview that scrolls: the left
    // button pans. Where the keyboard focus is in a control that takes Space
    // (a text field, the element list, a button, a list), Space keeps its
    // meaning there, wherever the pointer rests.
    if (press && !m_spaceHeld) {
        if (!previewContains(m_lastPoint) || !scrolls() || focusTakesSpace()) return false;
        m_spaceHeld = true;
        m_area->setCursor(Qt::OpenHandCursor);
        return true;
    }
    if (!m_spaceHeld) return false;
    if (!press && !key->isAutoRepeat()) {
        m_spaceHeld = false;
        if (!m_panning) m_area->setCursor(m_drags.cursorAt(m_lastPoint));
    }
    return true;
}

bool PreviewInteraction::focusTakesSpace() {
    const QWidget* focus = QApplication::focusWidget();
    return qobject_cast<const QLineEdit*>(focus) || qobject_cast<const QAbstractItemView*>(focus) ||
           qobject_cast<const QAbstractButton*>(focus) || qobject_cast<const QComboBox*>(focus) ||
           qobject_cast<const QAbstractSpinBox*>(focus) ||
           qobject_cast<const QPlainTextEdit*>(focus) || qobject_cast<const QTextEdit*>(focus);
}

void PreviewInteraction::mousePress(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (!previewContains(point)) return;
    if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && m_spaceHeld)) {
        m_panning = true;
        m_panFrom = point;
        m_area->setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    const DragOutcome outcome = m_drags.press(point, event->modifiers());
    update(outcome.update);
    if (outcome.picked >= 0)
        emit elementPicked(outcome.picked, outcome.holdHighlight);
    else if (outcome.selectionChanged)
        emit currentElementChanged();
}

void PreviewInteraction::showPointer() {
    if (const auto text = m_renderer.OnMouseMove(m_lastPoint)) emit pointerTextChanged(*text);
}

void PreviewInteraction::mouseMove(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    m_lastPoint = point;
    showPointer();
    if (m_panning) {
        scrollBy(m_panFrom - point);
        m_panFrom = point;
        return;
    }
    m_lastModifiers = event->modifiers();
    if ((event->buttons() & Qt::LeftButton) && m_drags.isActive()) {
        apply(m_drags.move(point, event->modifiers()));
        const bool out = m_drags.state() == DragController::State::Dragging &&
                         !beyondView(point).isNull() && scrolls();
        if (out && !m_autoScroll.isActive()) m_autoScroll.start();
        if (!out) m_autoScroll.stop();
    }
    if (m_spaceHeld)
        m_area->setCursor(Qt::OpenHandCursor);
    else if (m_drags.isActive() || previewContains(point))
        m_area->setCursor(m_drags.cursorAt(point));
    else
        m_area->unsetCursor();
}

void PreviewInteraction::mouseRelease(QMouseEvent* event) {
    if (m_panning && (event->button() == Qt::MiddleButton || event->button() == Qt::LeftButton)) {
        m_panning = false;
        m_area->setCursor(m_spaceHeld ? Qt::OpenHandCursor : Qt::ArrowCursor);
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    m_autoScroll.stop();
    const DragOutcome outcome = m_drags.release(event->position().toPoint(), event->modifiers());
    apply(outcome);
    if (outcome.releaseHighlight) emit highlightReleased();
}

void PreviewInteraction::wheel(QWheelEvent* event) {
    const QPoint point = event->position().toPoint();
    event->ignore();
    if (!previewContains(point) || !m_document.device()) return;
    event->accept();
    const QPoint angle = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        if (angle.y() > 0) zoomTo(zef::zoomIn(zoom()), point);
        if (angle.y() < 0) zoomTo(zef::zoomOut(zoom()), point);
        return;
    }
    QPoint delta = event->pixelDelta();
    if (delta.isNull()) delta = angle * PixelsPerNotch / NotchAngle;
    // Shift turns the wheel's scrolling sideways.
    if (event->modifiers() & Qt::ShiftModifier) delta = QPoint(delta.y(), delta.x());
    scrollBy(-delta);
}

bool PreviewInteraction::cancelDrag() {
    m_autoScroll.stop();
    const DragOutcome outcome = m_drags.cancel();
    if (!outcome.handled) return false;
    apply(outcome);
    m_area->setCursor(Qt::ArrowCursor);
    return true;
}

QPoint PreviewInteraction::beyondView(QPoint client) const {
    const QRect view(preview::origin(), m_renderer.viewState().viewSize);
    const auto past = [](int v, int low, int high) {
        return v < low ? v - low : (v > high ? v - high : 0);
    };
    return QPoint(past(client.x(), view.left(), view.right()),
                  past(client.y(), view.top(), view.bottom()));
}

void PreviewInteraction::followPointerOut() {
    const QPoint beyond = beyondView(m_lastPoint);
    if (m_drags.state() != DragController::State::Dragging || beyond.isNull()) {
        m_autoScroll.stop();
        return;
    }
    const auto step = [](int d) { return std::clamp(d, -AutoScrollMaxStep, AutoScrollMaxStep); };
    const QPoint before = m_renderer.viewState().viewport.scroll;
    scrollBy(QPoint(step(beyond.x()), step(beyond.y())));
    if (m_renderer.viewState().viewport.scroll == before) return; // at the end
    // Another device pixel is under the pointer now: the drag goes on to it.
    apply(m_drags.move(m_lastPoint, m_lastModifiers));
}

void PreviewInteraction::apply(const DragOutcome& outcome) {
    update(outcome.update);
    if (outcome.selectionChanged)
        emit currentElementChanged();
    else if (outcome.geometryChanged)
        emit currentElementMoved();
    const bool dragging = m_drags.state() == DragController::State::Dragging;
    if (dragging != m_dragging) {
        m_dragging = dragging;
        emit draggingChanged(dragging);
    }
}

void PreviewInteraction::update(const std::vector<QRect>& rects) {
    for (const QRect& r : rects) m_area->update(r);
}

void PreviewInteraction::refreshOverlay() {
    if (m_drags.state() == DragController::State::Dragging) return;
    update(m_drags.updateOverlay());
}

// --- zoom and scroll ------------------------------------------------------------

int PreviewInteraction::zoom() const {
    return m_renderer.viewState().viewport.zoom;
}
bool PreviewInteraction::canZoomIn() const {
    return m_document.device() && zef::zoomIn(zoom()) != zoom();
}
bool PreviewInteraction::canZoomOut() const {
    return m_document.device() && zef::zoomOut(zoom()) != zoom();
}

QPoint PreviewInteraction::previewCentre() const {
    const QSize view = m_renderer.viewState().viewSize;
    return preview::origin() + QPoint(view.width() / 2, view.height() / 2);
}

void PreviewInteraction::zoomIn() {
    zoomTo(zef::zoomIn(zoom()), previewCentre());
}

void PreviewInteraction::zoomOut() {
    zoomTo(zef::zoomOut(zoom()), previewCentre());
}

void PreviewInteraction::zoomActual() {
    zoomTo(1, preview::origin());
}

void PreviewInteraction::zoomToFit() {
    zoomTo(fitZoom(m_renderer.contentSize(), preview::area().size()), preview::origin());
}

void PreviewInteraction::zoomTo(int newZoom, QPoint anchor) {
    if (!m_document.device()) return;
    const int before = zoom();
    // The anchor keeps its place in the view the new zoom leaves beside its
    // scroll bars.
    setViewport(m_renderer.viewState().viewport.zoomedAbout(
        newZoom, anchor, m_renderer.contentSize(), viewSizeAt(zoomStep(newZoom))));
    if (zoom() == before) return;
    m_zoomLabel->setText(QStringLiteral("%1x").arg(zoom()));
    emit zoomChanged(zoom());
}

void PreviewInteraction::contentChanged() {
    setViewport(m_renderer.viewState().viewport);
}

void PreviewInteraction::setViewport(const PreviewViewport& viewport) {
    m_renderer.viewState().viewport.zoom = zoomStep(viewport.zoom);
    layoutScrollBars();
    update(m_renderer.setViewport(viewport));
    // The bars show where the view is now (the renderer keeps the scroll
    // within the content).
    const QPoint scroll = m_renderer.viewState().viewport.scroll;
    m_updatingBars = true;
    m_horizontal->setValue(scroll.x());
    m_vertical->setValue(scroll.y());
    m_updatingBars = false;
    // Another device pixel may be under the pointer now.
    if (previewContains(m_lastPoint)) showPointer();
}

int PreviewInteraction::scrollBarExtent() const {
    return m_area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_area);
}

QSize PreviewInteraction::viewSizeAt(int zoomLevel) const {
    const QSize area = preview::area().size();
    const QSize content = m_renderer.contentSize() * zoomLevel;
    const int extent = scrollBarExtent();
    // A bar along one edge takes room from the other direction.
    bool across = content.width() > area.width();
    bool down = content.height() > area.height();
    if (across && !down) down = content.height() > area.height() - extent;
    if (down && !across) across = content.width() > area.width() - extent;
    return {area.width() - (down ? extent : 0), area.height() - (across ? extent : 0)};
}

void PreviewInteraction::layoutScrollBars() {
    const QRect area = preview::area();
    const int extent = scrollBarExtent();
    const QSize view = viewSizeAt(zoom());
    const bool across = view.height() < area.height();
    const bool down = view.width() < area.width();
    m_renderer.viewState().viewSize = view;
    const QPoint limit = m_renderer.viewState().viewport.maxScroll(m_renderer.contentSize(), view);

    m_updatingBars = true;
    m_horizontal->setGeometry(area.left(), area.top() + view.height(), view.width(), extent);
    m_horizontal->setRange(0, limit.x());
    m_horizontal->setPageStep(view.width());
    m_horizontal->setVisible(across);
    m_vertical->setGeometry(area.left() + view.width(), area.top(), extent, view.height());
    m_vertical->setRange(0, limit.y());
    m_vertical->setPageStep(view.height());
    m_vertical->setVisible(down);
    m_corner->setGeometry(area.left() + view.width(), area.top() + view.height(), extent, extent);
    m_corner->setVisible(across && down);
    m_updatingBars = false;
}

void PreviewInteraction::scrollBy(QPoint delta) {
    if (!scrolls()) return;
    PreviewViewport v = m_renderer.viewState().viewport;
    v.scroll += delta;
    setViewport(v);
}

bool PreviewInteraction::scrolls() const {
    return !m_horizontal->isHidden() || !m_vertical->isHidden();
}

bool PreviewInteraction::previewContains(QPoint client) const {
    return QRect(preview::origin(), m_renderer.viewState().viewSize).contains(client);
}

} // namespace zef
