#pragma once

#include "layoutelement.h"

#include <QObject>
#include <QString>

#include <vector>

namespace zef {

class Platform;
struct Catalogs;
struct DeviceInfo;

using ElementVector = std::vector<LayoutElement>;

// The one layout being designed: its elements (list row i is element i), the
// list selection, the device selection, the file name, the saved copy from
// which "modified" follows, the undo history and the element clipboard.
//
// Operations change elements and list lines together; the signals tell the
// window which lines to rebuild. "Refresh" emits viewInvalidated() and then
// commits, which records the undo step.
class LayoutDocument : public QObject {
    Q_OBJECT
public:
    static constexpr int UndoDepth = 100;

    LayoutDocument(const Catalogs& catalogs, Platform& platform, QObject* parent = nullptr);

    const Catalogs& catalogs() const { return m_catalogs; }
    Platform& platform() const { return m_platform; }

    // --- state -------------------------------------------------------------
    ElementVector elements;
    QString fileName;
    ElementVector savedElements;
    ElementVector committedElements;
    std::vector<ElementVector> undoSnapshots;
    std::vector<int> undoSelections;
    int undoPos = -1;
    int undoCount = 0;
    bool undoSkipNext = false;
    LayoutElement clipboardElement;
    int designDevice = -1;
    // Position in the element-kind list that Add creates (0 "Value").
    int newElementKind = KindValue;

    int count() const { return static_cast<int>(elements.size()); }
    int selection() const { return m_selection; }
    // Selects a line (-1 for none; out of range is clamped to none).
    void setSelection(int row);
    LayoutElement* selectedElement();
    const LayoutElement* selectedElement() const;

    int selectedDevice() const { return m_selectedDevice; }
    // The selected device's record, or nullptr while none is selected.
    const DeviceInfo* device() const;
    const DeviceInfo* designDeviceInfo() const;

    // --- operations --------------------------------------------------------
    // Inserts a copy of source (or a new element of newElementKind) after the
    // selection or at the end, within the device's element limit. Returns true
    // when the element was added.
    bool addElement(const LayoutElement* source, bool atEnd, bool keepPanel);
    // The "Add" button: addElement(none), counts, refresh.
    void addNew();
    void cloneSelected();
    void removeSelected();
    void moveSelectedUp();
    void moveSelectedDown();
    void copySelected();
    void cutSelected();
    void pasteElement();
    void scaleToDevice();
    bool canScaleToDevice() const;

    // Empties the layout and its list lines without recording anything.
    void clearElements();

    // Reports limit refusals once for a whole batch of addElement calls (a load
    // or a config string) rather than once per refused element, and announces
    // the batch's new lines once (linesReset) when it ends.
    void beginAddBatch();
    // Ends the batch; returns the number of elements that were refused.
    int endAddBatch();

    // The device-list handler: drops what a smaller device lacks, selects it.
    void selectDevice(int index);
    // Value types and graphic kinds a smaller class lacks fall back to 0.
    void dropUnavailableTypes(int oldDevice, int newDevice);

    QString countsText() const;
    bool isModified() const;

    // Requests a repaint of the whole view and commits.
    void refresh();
    void commit();
    void undo();
    bool canUndo() const { return undoCount > 0; }

    void adoptLoadedLayout(const QString& name);
    void markSaved();

    // The message shown when the element limit is reached.
    static QString limitMessage();

signals:
    void linesReset();
    void lineInserted(int row);
    void lineRemoved(int row);
    void lineChanged(int row);
    void selectionChanged(int row);
    // The property panel should show the selected element.
    void showElementRequested();
    void listFocusRequested();
    void countsChanged();
    // Something changed that the preview must repaint.
    void viewInvalidated();
    void deviceChanged(int index);
    // fileName was adopted by a load or a save (the window title shows it).
    void fileNameChanged();

private:
    void moveSelected(int delta);
    // Elements that count towards the device's limit: all but separators.
    int countedElements() const;

    const Catalogs& m_catalogs;
    Platform& m_platform;
    int m_selection = -1;
    int m_selectedDevice = -1;
    bool m_batching = false;
    int m_batchRefused = 0;
    int m_batchCounted = 0;
    bool m_batchAdded = false;
};

} // namespace zef
