#include "dragcontroller.h"

#include "model/elementselection.h"
#include "model/layoutdocument.h"
#include "preview/previewoverlay.h"
#include "preview/previewrenderer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace zef {

namespace {

// A move and the axes along which it may go: with Shift only along the axis
// it has gone further on (across on a tie).
struct Constrained {
    QPoint raw;
    bool moveX = true;
    bool moveY = true;
};

Constrained constrained(QPoint raw, Qt::KeyboardModifiers modifiers) {
    if (!(modifiers & Qt::ShiftModifier)) return {raw, true, true};
    const bool across = std::abs(raw.x()) >= std::abs(raw.y());
    return {across ? QPoint(raw.x(), 0) : QPoint(0, raw.y()), across, !across};
}

QPoint wholePixels(QPointF p) {
    return QPoint(int(std::lround(p.x())), int(std::lround(p.y())));
}

bool adds(Qt::KeyboardModifiers modifiers) {
    return modifiers & (Qt::ControlModifier | Qt::ShiftModifier);
}

void append(std::vector<QRect>& to, const std::vector<QRect>& rects) {
    to.insert(to.end(), rects.begin(), rects.end());
}

} // namespace

DragController::DragController(LayoutDocument& document, PreviewRenderer& renderer,
                               ElementSelection& selection)
    : m_document(document), m_renderer(renderer), m_selection(selection) {}

qreal DragController::zoom() const {
    return m_renderer.viewState().viewport.zoom;
}

bool DragController::snapsNow(Qt::KeyboardModifiers modifiers) const {
    return m_snapping && !(modifiers & Qt::AltModifier);
}

HandleRole DragController::handleAt(QPoint client) const {
    const DeviceInfo* d = m_document.device();
    const LayoutElement* e = m_document.selectedElement();
    if (!d || !e || m_selection.count() > 1) return HandleRole::None;
    const PreviewViewport& v = m_renderer.viewState().viewport;
    // The last drawn wins, as the squares overlap.
    const std::vector<ElementHandle> handles = elementHandles(*e);
    for (auto it = handles.rbegin(); it != handles.rend(); ++it) {
        const QPointF c = v.deviceToClient(*d, it->at + QPointF(0.5, 0.5));
        if (std::abs(c.x() - client.x()) <= HandleSize / 2 + 1 &&
            std::abs(c.y() - client.y()) <= HandleSize / 2 + 1)
            return it->role;
    }
    return HandleRole::None;
}

Qt::CursorShape DragController::cursorAt(QPoint client) const {
    const DeviceInfo* d = m_document.device();
    if (!d) return Qt::ArrowCursor;
    if (m_state == State::Dragging || m_state == State::Pressed) {
        if (m_target == Target::Handle && !m_originals.empty())
            return handleCursorShape(m_originals.front(), m_handle);
        if (m_target == Target::Elements) return Qt::SizeAllCursor;
        return Qt::ArrowCursor;
    }
    if (const HandleRole role = handleAt(client); role != HandleRole::None)
        return handleCursorShape(*m_document.selectedElement(), role);
    const QPoint p = m_renderer.viewState().viewport.devicePixelAt(*d, client);
    return m_renderer.ElementAtPoint(p.x(), p.y()) >= 0 ? Qt::SizeAllCursor : Qt::ArrowCursor;
}

DragOutcome DragController::press(QPoint client, Qt::KeyboardModifiers modifiers) {
    DragOutcome out;
    m_aloneOnClick = -1;
    // A release that never arrived (the button let go outside the window)
    // ends the last drag; the click's highlight stays for the next release.
    if (m_state != State::Idle) out.update = finish(m_lastClient, m_pressModifiers).update;
    const DeviceInfo* d = m_document.device();
    if (!d) return out;
    const PreviewViewport& v = m_renderer.viewState().viewport;
    m_pressClient = m_lastClient = client;
    m_pressPixel = v.devicePixelAt(*d, client);
    m_pressPoint = v.clientToDevice(*d, QPointF(client));
    m_pressModifiers = modifiers;
    m_rows.clear();
    m_originals.clear();
    m_state = State::Pressed;

    if (const HandleRole role = handleAt(client); role != HandleRole::None) {
        m_target = Target::Handle;
        m_handle = role;
        m_rows = {m_document.selection()};
        m_originals = {*m_document.selectedElement()};
        return out;
    }

    const int picked = m_renderer.OnLButtonDown(client);
    if (picked < 0) {
        m_target = Target::RubberBand;
        return out;
    }
    out.picked = picked;
    out.holdHighlight = m_renderer.holdHighlight();
    std::vector<QRect> earlier = std::move(out.update);
    if (adds(modifiers)) {
        m_selection.toggle(picked);
    } else if (m_selection.contains(picked) && m_selection.count() > 1) {
        // Pressing on one of several selected elements moves them all; a
        // release without a drag selects it alone.
        m_selection.setRows(m_selection.rows(), picked);
        m_aloneOnClick = picked;
    } else {
        m_selection.select(picked);
    }
    // A Ctrl+click that took the element out drags nothing.
    m_target = m_selection.contains(picked) ? Target::Elements : Target::None;
    out.selectionChanged = true;
    out.update = updateOverlay();
    append(out.update, earlier);
    return out;
}

void DragController::startDrag() {
    m_state = State::Dragging;
    switch (m_target) {
    case Target::Elements: {
        m_box.reset();
        m_anchors.clear();
        for (int row : m_selection.rows()) {
            const LayoutElement& e = m_document.elements()[std::size_t(row)];
            if (!hasPosition(e)) continue;
            m_rows.push_back(row);
            m_originals.push_back(e);
            if (const auto extent = m_renderer.elementExtent(e)) {
                m_box = m_box ? (*m_box | extent->bounds) : extent->bounds;
                if (extent->anchor) m_anchors.push_back(*extent->anchor);
            }
        }
        m_scene = sceneWithout(m_rows);
        break;
    }
    case Target::Handle: {
        const LayoutElement& e = m_originals.front();
        for (const ElementHandle& h : elementHandles(e))
            if (h.role == m_handle) m_handleStart = h.at;
        m_scene = sceneWithout(m_rows);
        // A line's end can be lined up with its other end.
        if (m_handle == HandleRole::FirstPoint) m_scene.anchors.emplace_back(e.x2, e.y2);
        if (m_handle == HandleRole::SecondPoint) m_scene.anchors.emplace_back(e.x, e.y);
        break;
    }
    case Target::RubberBand:
        m_extents.clear();
        for (const LayoutElement& e : m_document.elements())
            m_extents.push_back(m_renderer.elementExtent(e));
        m_rowsBefore = m_selection.rows();
        m_currentBefore = m_selection.current();
        break;
    case Target::None:
        break;
    }
}

SnapScene DragController::sceneWithout(const std::vector<int>& rows) {
    SnapScene scene = SnapScene::forScreen(*m_document.device());
    const ElementVector& elements = m_document.elements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (std::binary_search(rows.begin(), rows.end(), int(i))) continue;
        if (const auto extent = m_renderer.elementExtent(elements[i])) {
            scene.extents.push_back(extent->bounds);
            if (extent->anchor) scene.anchors.push_back(*extent->anchor);
        }
    }
    return scene;
}

DragOutcome DragController::move(QPoint client, Qt::KeyboardModifiers modifiers) {
    if (m_state == State::Idle || m_state == State::Cancelled) return {};
    m_lastClient = client;
    if (m_state == State::Pressed) {
        const QPoint travelled = client - m_pressClient;
        if (std::max(std::abs(travelled.x()), std::abs(travelled.y())) < DragStartDistance)
            return {};
        startDrag();
    }
    return step(client, modifiers);
}

DragOutcome DragController::step(QPoint client, Qt::KeyboardModifiers modifiers) {
    const DeviceInfo* d = m_document.device();
    if (!d) return {};
    const QPoint raw = m_renderer.viewState().viewport.devicePixelAt(*d, client) - m_pressPixel;
    switch (m_target) {
    case Target::Elements:
        return stepElements(raw, modifiers);
    case Target::Handle:
        return stepHandle(raw, modifiers);
    case Target::RubberBand:
        return stepRubberBand(client);
    case Target::None:
        break;
    }
    return {};
}

DragOutcome DragController::stepElements(QPoint raw, Qt::KeyboardModifiers modifiers) {
    DragOutcome out;
    const Constrained move = constrained(raw, modifiers);
    QPoint delta = move.raw;
    std::vector<SnapGuide> guides;
    if (snapsNow(modifiers) && m_box) {
        SnapSubject subject;
        subject.box = m_box->translated(move.raw);
        for (const QPointF& a : m_anchors) subject.points.push_back(a + QPointF(move.raw));
        subject.moveX = move.moveX;
        subject.moveY = move.moveY;
        const SnapResult snap = snapPosition(m_scene, subject, zoom());
        delta += wholePixels(snap.offset);
        guides = snap.guides;
    }
    std::vector<ElementGeometry> moved;
    for (const LayoutElement& e : m_originals) moved.push_back(movedBy(e, delta.x(), delta.y()));
    out.update = moveRows(moved);
    out.geometryChanged = !out.update.empty();
    append(out.update, setGuides(std::move(guides)));
    return out;
}

DragOutcome DragController::stepHandle(QPoint raw, Qt::KeyboardModifiers modifiers) {
    DragOutcome out;
    const LayoutElement& e = m_originals.front();
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool snaps = snapsNow(modifiers);
    std::vector<SnapGuide> guides;
    // An offset handle moves up and down only, Shift or not.
    const bool vertical = handleMotion(m_handle) == HandleMotion::Vertical;
    const Constrained move = constrained(raw, vertical ? Qt::NoModifier : modifiers);
    QPointF at = m_handleStart + QPointF(move.raw);
    switch (handleMotion(m_handle)) {
    case HandleMotion::Point:
    case HandleMotion::Vertical: {
        if (vertical) at.setX(m_handleStart.x());
        if (!snaps) break;
        SnapSubject subject;
        subject.points = {at};
        subject.moveX = !vertical && move.moveX;
        subject.moveY = move.moveY;
        const SnapResult snap = snapPosition(m_scene, subject, zoom());
        at += QPointF(wholePixels(snap.offset));
        guides = snap.guides;
        break;
    }
    case HandleMotion::Ray: {
        at = m_handleStart + QPointF(raw);
        const QPointF origin = handleOrigin(e, m_handle);
        const QPointF direction = handleDirection(e, m_handle);
        qreal length = QPointF::dotProduct(at - origin, direction);
        if (snaps) {
            const RaySnap snap = snapAlongRay(m_scene, origin, direction, length, zoom());
            length = snap.length;
            guides = snap.guides;
        }
        at = origin + direction * length;
        break;
    }
    case HandleMotion::Angle: {
        at = m_handleStart + QPointF(raw);
        const QPointF centre = handleOrigin(e, m_handle);
        const QPointF v = at - centre;
        if (v.isNull()) break;
        qreal degrees = std::atan2(v.y(), v.x()) * 180 / std::numbers::pi;
        if (shift) {
            degrees = std::round(degrees / ConstrainedAngleStep) * ConstrainedAngleStep;
        } else if (snaps) {
            const AngleSnap snap = snapAngle(centre, e.radius, degrees, zoom());
            degrees = snap.degrees;
            guides = snap.guides;
        }
        const qreal a = degrees * std::numbers::pi / 180;
        at = centre + QPointF(std::cos(a), std::sin(a)) * std::max<qreal>(e.radius, 1);
        break;
    }
    }
    out.update = moveRows({geometryWithHandleAt(e, m_handle, at)});
    out.geometryChanged = !out.update.empty();
    append(out.update, setGuides(std::move(guides)));
    return out;
}

DragOutcome DragController::stepRubberBand(QPoint client) {
    DragOutcome out;
    const DeviceInfo* d = m_document.device();
    PreviewViewState& view = m_renderer.viewState();
    const QRectF band =
        QRectF(m_pressPoint, view.viewport.clientToDevice(*d, QPointF(client))).normalized();
    std::vector<int> rows = rowsMeeting(m_extents, band);
    int current = rows.empty() ? -1 : rows.back();
    if (adds(m_pressModifiers)) {
        rows.insert(rows.end(), m_rowsBefore.begin(), m_rowsBefore.end());
        if (m_currentBefore >= 0) current = m_currentBefore;
    }
    const std::vector<int> before = m_selection.rows();
    const int currentBefore = m_selection.current();
    out.update = m_renderer.invalidateOverlay();
    view.rubberBand = band;
    m_selection.setRows(rows, current);
    if (m_selection.rows() != before || m_selection.current() != currentBefore) {
        out.selectionChanged = true;
        // The highlighted element is drawn in red: a new current one repaints all.
        if (view.highlightSelected && m_selection.current() != currentBefore)
            append(out.update, m_renderer.requestRepaint(false, false, false, true));
    }
    append(out.update, updateOverlay());
    return out;
}

std::vector<QRect> DragController::moveRows(const std::vector<ElementGeometry>& geometries) {
    std::vector<QRect> rects;
    for (std::size_t i = 0; i < m_rows.size() && i < geometries.size(); ++i)
        if (m_document.setGeometry(m_rows[i], geometries[i]))
            append(rects,
                   m_renderer.invalidateElement(m_document.elements()[std::size_t(m_rows[i])]));
    return rects;
}

std::vector<QRect> DragController::setGuides(std::vector<SnapGuide> guides) {
    PreviewViewState& view = m_renderer.viewState();
    std::vector<QRect> rects = m_renderer.invalidateOverlay();
    view.guides = std::move(guides);
    append(rects, updateOverlay());
    return rects;
}

std::vector<QRect> DragController::updateOverlay() {
    PreviewViewState& view = m_renderer.viewState();
    std::vector<QRect> rects = m_renderer.invalidateOverlay();
    view.handles.clear();
    view.selectionBoxes.clear();
    if (m_document.device()) {
        if (m_selection.count() == 1) {
            if (const LayoutElement* e = m_document.selectedElement()) {
                for (const ElementHandle& h : elementHandles(*e)) view.handles.push_back(h.at);
                // What has no handles (a value) shows where it is by its box.
                if (view.handles.empty())
                    if (const auto extent = m_renderer.elementExtent(*e))
                        view.selectionBoxes.push_back(extent->bounds);
            }
        } else if (m_selection.count() > 1) {
            for (int row : m_selection.rows())
                if (const auto extent =
                        m_renderer.elementExtent(m_document.elements()[std::size_t(row)]))
                    view.selectionBoxes.push_back(extent->bounds);
        }
    }
    append(rects, m_renderer.invalidateOverlay());
    return rects;
}

DragOutcome DragController::finish(QPoint client, Qt::KeyboardModifiers modifiers) {
    DragOutcome out;
    if (m_state == State::Dragging) {
        // The last pointer position counts, then the drag becomes one step.
        out = step(client, modifiers);
        if (m_target == Target::Elements || m_target == Target::Handle) m_document.commit();
        PreviewViewState& view = m_renderer.viewState();
        append(out.update, m_renderer.invalidateOverlay());
        view.guides.clear();
        view.rubberBand.reset();
        append(out.update, updateOverlay());
    }
    m_state = State::Idle;
    m_target = Target::None;
    m_extents.clear();
    return out;
}

DragOutcome DragController::release(QPoint client, Qt::KeyboardModifiers modifiers) {
    if (m_state == State::Idle) return {};
    const bool clicked = m_state == State::Pressed;
    const int alone = std::exchange(m_aloneOnClick, -1);
    DragOutcome out = finish(client, modifiers);
    if (clicked && alone >= 0 && m_selection.contains(alone)) {
        m_selection.select(alone);
        out.selectionChanged = true;
        append(out.update, updateOverlay());
    }
    out.releaseHighlight = m_renderer.OnLButtonUp();
    return out;
}

DragOutcome DragController::cancel() {
    DragOutcome out;
    if (m_state == State::Idle || m_state == State::Cancelled) return out;
    out.handled = true;
    if (m_state == State::Dragging) {
        PreviewViewState& view = m_renderer.viewState();
        if (m_target == Target::Elements || m_target == Target::Handle) {
            std::vector<ElementGeometry> original;
            for (const LayoutElement& e : m_originals) original.push_back(geometryOf(e));
            out.update = moveRows(original);
            out.geometryChanged = true;
        }
        if (m_target == Target::RubberBand) {
            m_selection.setRows(m_rowsBefore, m_currentBefore);
            out.selectionChanged = true;
        }
        append(out.update, m_renderer.invalidateOverlay());
        view.guides.clear();
        view.rubberBand.reset();
        append(out.update, updateOverlay());
    }
    m_state = State::Cancelled;
    return out;
}

} // namespace zef
