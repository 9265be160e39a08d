#pragma once

#include "elementgeometry.h"
#include "filestamp.h"
#include "layoutelement.h"
#include "undohistory.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <vector>

namespace zef {

class Platform;
struct Catalogs;
struct DeviceInfo;

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
    static constexpr int UndoDepth = UndoHistory::Depth;

    LayoutDocument(const Catalogs& catalogs, Platform& platform, QObject* parent = nullptr);

    const Catalogs& catalogs() const { return m_catalogs; }
    Platform& platform() const { return m_platform; }

    // --- state -------------------------------------------------------------
    const ElementVector& elements() const { return m_elements; }
    // The preview writes where it drew each element (the runtime members) and
    // fills a value's sample and pattern when it shows them; nothing else
    // writes through this.
    ElementVector& elementsForDrawing() { return m_elements; }
    // The file the layout came from or was saved to; empty while the layout is
    // untitled (new, read from a string, or a start-up file that did not load).
    const QString& fileName() const { return m_fileName; }
    // Names the file the layout belongs to (start-up, before its load). Every
    // name the document keeps is made absolute (absoluteFileName()).
    void setFileName(const QString& name);
    // What the file held when the layout was read from it or written to it
    // (null while that is not known).
    const FileStamp& fileStamp() const { return m_fileStamp; }
    void setFileStamp(const FileStamp& stamp) { m_fileStamp = stamp; }
    // Makes the layout untitled; suggestion is where Save as starts (a start-up
    // file the user named that could not be loaded).
    void setUntitled(const QString& suggestion);
    // Where Save as starts: the file name, or for an untitled layout the suggestion.
    const QString& suggestedFileName() const {
        return m_fileName.isEmpty() ? m_suggestedName : m_fileName;
    }
    // The elements as last loaded or saved, from which "modified" follows.
    const ElementVector& savedElements() const { return m_savedElements; }
    const UndoHistory& history() const { return m_history; }
    bool hasClipboardElement() const { return !m_clipboard.empty(); }
    // The first element of the clipboard (an empty element when it is empty).
    const LayoutElement& clipboardElement() const;
    // Every element the clipboard holds, in document order.
    const ElementVector& clipboardElements() const { return m_clipboard; }
    // The device the layout was made for (-1: none); Scale to device maps
    // from it to the selected device.
    int designDevice() const { return m_designDevice; }
    void setDesignDevice(int index) { m_designDevice = index; }
    // Position in the element-kind list that Add creates (0 "Value").
    int newElementKind() const { return m_newElementKind; }
    void setNewElementKind(int kind) { m_newElementKind = kind; }

    int count() const { return static_cast<int>(m_elements.size()); }
    int selection() const { return m_selection; }
    // Selects a line (-1 for none; out of range is clamped to none).
    void setSelection(int row);
    // Changes the element at row: when change altered anything, its line is
    // rebuilt, the view repainted and the change committed, one undo step
    // (joined to the open edit of an EditScope's source). Returns whether
    // anything changed.
    bool editElement(int row, const std::function<void(LayoutElement&)>& change);
    // The element the property panel edits; its handlers write into it and
    // then refresh, which records the change.
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

    // --- several elements, direct manipulation ------------------------------
    // Rows are list rows; out-of-range rows are ignored. The geometry changes
    // update the lines and record nothing until commit() (or refresh()), so
    // that a drag of many steps is one undo step; the caller repaints.
    // Each geometry edit keeps the old geometry as the previous one.
    bool setGeometry(int row, const ElementGeometry& geometry);
    void moveElements(const std::vector<int>& rows, int dx, int dy);
    // Moves row i by moves[i] (the Arrange commands), then refreshes: one step.
    void arrangeElements(const std::vector<int>& rows, const std::vector<QPoint>& moves);
    // Removes the rows (one step); the row after the first removed one, or the
    // new last one, becomes the selection.
    void removeElements(std::vector<int> rows);
    // The clipboard becomes copies of the rows, in document order.
    void copyElements(std::vector<int> rows);
    void cutElements(const std::vector<int>& rows);
    // Inserts the clipboard's elements after the selection, in their order,
    // within the element limit (one message for those refused), then
    // refreshes. Returns the rows of the inserted elements.
    std::vector<int> pasteElements();
    // Inserts copies of the rows after the last of them, in their order;
    // returns the rows of the copies.
    std::vector<int> cloneElements(std::vector<int> rows);

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
    // Shows the counts line again (a file that names no device changes nothing else).
    void updateCounts() { emit countsChanged(); }
    bool isModified() const;

    // Requests a repaint of the whole view and commits.
    void refresh();
    void commit();
    void undo();
    bool canUndo() const { return m_history.canUndo(); }
    // Gives back what the last undo took away (the state and the selection).
    void redo();
    bool canRedo() const { return m_history.canRedo(); }

    // The user's edits are the undo steps: the keystrokes of one field, or the
    // clicks of one held "+" button, are one step. While an EditScope for a
    // source lives, commits belong to that source's edit; a commit of the same
    // source on the same element that follows it without any other commit in
    // between joins the step already recorded instead of recording another.
    // Any other commit, or finishEdit(), ends the edit.
    class EditScope {
    public:
        EditScope(LayoutDocument& document, const void* source);
        ~EditScope();
        EditScope(const EditScope&) = delete;
        EditScope& operator=(const EditScope&) = delete;

    private:
        LayoutDocument& m_document;
        bool m_outermost;
    };
    // The field was left, Enter was pressed or another command runs: the next
    // change is a step of its own.
    void finishEdit() { m_openEdit = nullptr; }

    // --- whole layouts ----------------------------------------------------
    // Replaces the layout by loaded elements (a file, a config string): selects
    // the device it was made for (when device is not -1), adds the elements as
    // the device's limit allows (one message for the refused ones), adopts them
    // as the saved state of fileName with a new undo history, selects the last
    // element and repaints. Returns the number of refused elements: those the
    // limit refused and the unbuilt ones a reader left out (told together).
    int replaceLayout(ElementVector loaded, int device, const QString& fileName, int unbuilt = 0);
    // New: an empty, untitled layout on the selected device, with a new undo
    // history and nothing unsaved.
    void newLayout();
    // Adds elements after the current ones (Append): the file name, the saved
    // state and the history stay, so the layout is modified afterwards.
    int appendElements(ElementVector loaded, int unbuilt = 0);
    // A recovered copy: loaded like a file, then belonging to originalName and
    // still modified against what that file held (saved) when it was last
    // read or written (originalStamp).
    void restoreRecovered(const ElementVector& recovered, int device, const QString& originalName,
                          const ElementVector& saved, const FileStamp& originalStamp = {});
    // The layout was written to fileName (or to its own file), which now holds
    // what stamp says.
    void markSaved(const QString& fileName, const FileStamp& stamp = {});
    void markSaved() { markSaved(m_fileName, m_fileStamp); }
    // True while a change has not been committed (recorded for undo) yet.
    bool hasUncommittedChange() const { return !isSameLayout(m_elements, m_committedElements); }

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
    // What undo or redo can do may have changed.
    void undoStateChanged();
    // isModified() turned true or false (after a change, an undo, a load or a save).
    void modifiedChanged(bool modified);
    // A commit took a change of the elements (a command, an undo or redo, a load).
    void layoutCommitted();

private:
    void moveSelected(int delta);
    // Gives a new value or graphic its place; false for the other kinds.
    bool placeNewElement(LayoutElement& e) const;
    // Undo and redo: the state and selection of a step, shown and committed.
    void restoreStep(UndoHistory::Step step);
    void fillShownTexts(ElementVector& elements) const;
    // Tells the window when isModified() has turned.
    void updateModified();
    void adoptLoadedLayout(const QString& name);
    // What every load ends with: lines, counts, the last element selected and
    // shown, the list focused, the view repainted.
    void finishLoad(bool adopt, const QString& name);
    // Elements that count towards the device's limit: all but separators.
    int countedElements() const;
    // Copies placed beside their originals (offsetCopies()) on the selected device.
    ElementVector visibleCopies(ElementVector copies) const;
    // Inserts copies of `elements` after the selection as one batch.
    std::vector<int> insertAfterSelection(const ElementVector& elements);

    const Catalogs& m_catalogs;
    Platform& m_platform;
    ElementVector m_elements;
    QString m_fileName;
    FileStamp m_fileStamp;
    QString m_suggestedName;
    ElementVector m_savedElements;
    ElementVector m_committedElements; // at the last commit; empty right after a load
    int m_committedDesignDevice = -1;
    UndoHistory m_history;
    ElementVector m_clipboard;
    int m_designDevice = -1;
    int m_newElementKind = KindValue;
    int m_selection = -1;
    int m_selectedDevice = -1;
    bool m_batching = false;
    int m_batchRefused = 0;
    int m_batchCounted = 0;
    bool m_batchAdded = false;
    const void* m_editSource = nullptr; // the EditScope in force
    const void* m_openEdit = nullptr;   // the edit the last commit belonged to
    int m_openEditSelection = -1;
    bool m_modified = false; // isModified() when last told
};

} // namespace zef
