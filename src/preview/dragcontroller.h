#pragma once

#include "model/elementgeometry.h"
#include "preview/elementextent.h"
#include "preview/elementhandles.h"
#include "preview/snapping.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <qnamespace.h>

#include <optional>
#include <vector>

namespace zef {

class ElementSelection;
class LayoutDocument;
class PreviewRenderer;

// What the window does after a pointer event handled by the DragController.
struct DragOutcome {
    // Client rectangles to update().
    std::vector<QRect> update;
    // Press: the element the click picked, as the click always has: the
    // window checks "Highlight (red) selected element" (running its command)
    // when holdHighlight is set and shows the current element in the panel.
    int picked = -1;
    bool holdHighlight = false;
    // The selection (set or current element) changed: the panel shows the
    // current element.
    bool selectionChanged = false;
    // The dragged elements moved: the panel shows the current element's new
    // values (the list rows were told through lineChanged).
    bool geometryChanged = false;
    // Release: the highlight the click switched on goes off again (the window
    // unchecks the box and runs its command).
    bool releaseHighlight = false;
    // Esc: false when no drag was going on (the key keeps its other meaning).
    bool handled = false;
};

// Direct manipulation on the preview: a small state machine over the document
// that turns pointer events (client points, modifiers) into picks, moves of the
// selected elements, handle drags and rubber bands.
//
//   Idle --press--> Pressed --moved DragStartDistance--> Dragging --release--> Idle
//   Pressed/Dragging --Esc--> Cancelled --release--> Idle
//
// A press on a handle of the current element grabs that handle; a press on an
// element picks it by the preview's hit rules (Ctrl or Shift adds it to the
// selection or takes it out; a press on a selected element keeps the
// selection, so that the whole selection moves, and a release there without a
// drag selects that element alone); a press on empty space starts
// a rubber band (Ctrl or Shift adds to the selection). A release without a
// drag is exactly the click of old.
//
// While dragging, the document changes at every step without recording (its
// geometry edits do not commit) and commits once at the release: one undo step
// per drag. Esc puts back what the drag changed. Alt suspends snapping, Shift
// keeps a move horizontal or vertical (and steps angles by 15 degrees).
class DragController {
public:
    enum class State { Idle, Pressed, Dragging, Cancelled };
    enum class Target { None, Elements, Handle, RubberBand };

    // Screen pixels the pointer must travel before a press becomes a drag.
    static constexpr int DragStartDistance = 3;

    DragController(LayoutDocument& document, PreviewRenderer& renderer,
                   ElementSelection& selection);

    DragOutcome press(QPoint client, Qt::KeyboardModifiers modifiers);
    // The left button is held (call for every move, and again with the last
    // point when Alt or Shift is pressed or released during a drag).
    DragOutcome move(QPoint client, Qt::KeyboardModifiers modifiers);
    DragOutcome release(QPoint client, Qt::KeyboardModifiers modifiers);
    // Esc.
    DragOutcome cancel();

    State state() const { return m_state; }
    // The button went down on the preview and is not released yet.
    bool isActive() const { return m_state != State::Idle; }

    // Snapping is on by default (the View menu's toggle).
    bool snapping() const { return m_snapping; }
    void setSnapping(bool on) { m_snapping = on; }

    // The pointer shape at a client point: a handle's own, a four-way arrow
    // over an element, else the arrow; during a drag the dragged thing's.
    Qt::CursorShape cursorAt(QPoint client) const;

    // Puts the handles of the current element (when it is the only one
    // selected) or the boxes of the selected elements (when there are several)
    // into the overlay. Call after every change of the selection or of the
    // document; returns the rectangles to update.
    std::vector<QRect> updateOverlay();

    // The handle of the current element at a client point (None: none).
    HandleRole handleAt(QPoint client) const;

private:
    void startDrag();
    // Ends a press or drag (a drag commits) without the release's highlight.
    DragOutcome finish(QPoint client, Qt::KeyboardModifiers modifiers);
    DragOutcome step(QPoint client, Qt::KeyboardModifiers modifiers);
    DragOutcome stepElements(QPoint raw, Qt::KeyboardModifiers modifiers);
    DragOutcome stepHandle(QPoint raw, Qt::KeyboardModifiers modifiers);
    DragOutcome stepRubberBand(QPoint client);
    // The scene of everything but the rows being dragged.
    SnapScene sceneWithout(const std::vector<int>& rows);
    std::vector<QRect> moveRows(const std::vector<ElementGeometry>& geometries);
    std::vector<QRect> setGuides(std::vector<SnapGuide> guides);
    bool snapsNow(Qt::KeyboardModifiers modifiers) const;
    qreal zoom() const;

    LayoutDocument& m_document;
    PreviewRenderer& m_renderer;
    ElementSelection& m_selection;
    bool m_snapping = true;

    State m_state = State::Idle;
    Target m_target = Target::None;
    QPoint m_pressClient;
    QPoint m_pressPixel;  // device pixel under the press
    QPointF m_pressPoint; // device point under the press (fractional)
    Qt::KeyboardModifiers m_pressModifiers;
    QPoint m_lastClient;

    // Elements and handles being dragged, as they were at the press.
    std::vector<int> m_rows;
    std::vector<LayoutElement> m_originals;
    std::optional<QRectF> m_box;    // the dragged elements' joint extent
    std::vector<QPointF> m_anchors; // text anchors of dragged values
    HandleRole m_handle = HandleRole::None;
    QPointF m_handleStart;
    SnapScene m_scene;

    // The rubber band: every element's extent, and the selection before it.
    std::vector<std::optional<ElementExtent>> m_extents;
    std::vector<int> m_rowsBefore;
    int m_currentBefore = -1;
    // A press on one of several selected elements: selected alone when the
    // button comes up without a drag.
    int m_aloneOnClick = -1;
};

} // namespace zef
