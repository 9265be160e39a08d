#pragma once

#include "preview/dragcontroller.h"
#include "preview/previewviewport.h"

#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QTimer>

#include <vector>

class QKeyEvent;
class QLabel;
class QMouseEvent;
class QScrollBar;
class QWheelEvent;
class QWidget;

namespace zef {

class ElementSelection;
class LayoutDocument;
class PreviewRenderer;

// The pointer on the preview column of the template's area: the left button
// picks, drags and draws rubber bands (through the DragController), the wheel
// scrolls (with Ctrl: zooms about the pointer), the middle button or Space
// held with the left button pans; the two scroll bars over the area's right
// and bottom edges show when the zoomed device does not fit.
//
// The window forwards the area's mouse and wheel events and connects the
// signals to its controls; the zoom commands call the zoom functions.
class PreviewInteraction : public QObject {
    Q_OBJECT
public:
    PreviewInteraction(QWidget* area, LayoutDocument& document, PreviewRenderer& renderer,
                       ElementSelection& selection);
    ~PreviewInteraction() override;

    DragController& drags() { return m_drags; }
    const DragController& drags() const { return m_drags; }

    // True when the focused control has a use for Space of its own.
    static bool focusTakesSpace();
    void mousePress(QMouseEvent* event);
    void mouseMove(QMouseEvent* event);
    void mouseRelease(QMouseEvent* event);
    void wheel(QWheelEvent* event);
    // Esc: puts back what a drag changed; false when no drag is going on.
    bool cancelDrag();

    int zoom() const;
    bool canZoomIn() const;
    bool canZoomOut() const;
    // Zoom steps about the preview's centre; 1:1 and the fitting step keep the
    // picture's top-left corner in place.
    void zoomIn();
    void zoomOut();
    void zoomActual();
    void zoomToFit();
    void zoomTo(int zoom, QPoint anchor);

    // The device or its picture changed: the scroll bars and the scroll are
    // brought in line with the new content.
    void contentChanged();
    // The selection or the document changed: the handles and boxes follow.
    void refreshOverlay();

    // Catches Shift and Alt changing during a drag and Space over the preview.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The pointer moved over the area: the pointer read-out's text.
    void pointerTextChanged(const QString& text);
    // A press picked an element (the click of old): holdHighlight asks the
    // window to switch the highlight on until the release.
    void elementPicked(int row, bool holdHighlight);
    // The release after such a press: the highlight goes off again.
    void highlightReleased();
    // The selection changed: the panel shows the current element.
    void currentElementChanged();
    // A drag moved or reshaped the elements: the panel's position fields follow.
    void currentElementMoved();
    // The zoom changed (the View menu's zoom items follow).
    void zoomChanged(int zoom);
    // A drag began (the pointer went far enough with the button down) or
    // ended (released or cancelled).
    void draggingChanged(bool dragging);

private:
    void apply(const DragOutcome& outcome);
    void update(const std::vector<QRect>& rects);
    void setViewport(const PreviewViewport& viewport);
    // The part of the preview area left beside the scroll bars the content
    // needs at a zoom.
    QSize viewSizeAt(int zoomLevel) const;
    int scrollBarExtent() const;
    void layoutScrollBars();
    void scrollBy(QPoint delta);
    void showPointer();
    // While a drag holds the pointer beyond the shown part of the preview,
    // the view scrolls that way and the drag follows.
    void followPointerOut();
    QPoint beyondView(QPoint client) const;
    bool scrolls() const;
    bool previewContains(QPoint client) const;
    QPoint previewCentre() const;

    QWidget* m_area;
    LayoutDocument& m_document;
    PreviewRenderer& m_renderer;
    DragController m_drags;
    QScrollBar* m_horizontal;
    QScrollBar* m_vertical;
    QWidget* m_corner; // between the two bars
    QLabel* m_zoomLabel;
    // Panning with the middle button, or the left one while Space is held.
    bool m_panning = false;
    bool m_spaceHeld = false;
    QPoint m_panFrom;
    // The pointer's last place on the area and the modifiers then, for a drag
    // step when Shift or Alt changes without a move.
    QPoint m_lastPoint{-1, -1};
    Qt::KeyboardModifiers m_lastModifiers;
    QTimer m_autoScroll;
    bool m_updatingBars = false;
    bool m_dragging = false;
};

} // namespace zef
