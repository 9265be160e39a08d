#pragma once

#include "layoutelement.h"

#include <vector>

namespace zef {

// The earlier states of a layout, each with the list selection it had and the
// device it was made for (which Scale to device changes with the elements), in a
// ring of at most Depth steps: once full, a new step overwrites the oldest.
// Undo walks back through the ring; steps beyond the position are overwritten
// by the next change.
//
// Redo: each undo keeps the state it left (as the user saw it) on a redo
// stack; redo gives it back and moves the ring's position forward again over
// the step that the undo restored, so that undo and redo alternate freely.
// Both select what the step's change was made on. A recorded change empties
// the redo stack.
class UndoHistory {
public:
    static constexpr int Depth = 100;

    // A state to go back to.
    struct Step {
        ElementVector elements;
        int selection = -1;
        int designDevice = -1;
    };

    // Forgets every step (a loaded layout starts a new history).
    void clear();

    // Records the state before a change, unless the change is the one that an
    // undo itself caused (see undo()); that one is skipped once. An empty state
    // (before the first element, or no baseline right after a load) is not a
    // step to go back to; it still uses up a pending skip.
    void record(const ElementVector& before, int selection, int designDevice = -1);

    bool canUndo() const { return m_count > 0 && !m_snapshots.empty(); }
    // The most recent step, moving the position back by one. The next record()
    // is skipped: it is the commit of the restored state itself.
    Step undo();
    // Undo, keeping the state being left for redo.
    Step undo(const ElementVector& current, int currentDesignDevice = -1);

    bool canRedo() const { return !m_redo.empty(); }
    // The state the last undo left; the next record() is skipped as after an
    // undo (it is the commit of the restored state).
    Step redo();
    int redoCount() const { return static_cast<int>(m_redo.size()); }

    int count() const { return m_count; }
    int position() const { return m_position; }
    bool skipsNextRecord() const { return m_skipNext; }
    int size() const { return static_cast<int>(m_snapshots.size()); }

private:
    std::vector<ElementVector> m_snapshots;
    std::vector<int> m_selections;
    std::vector<int> m_designDevices;
    std::vector<ElementVector> m_redo; // most recent undo last
    std::vector<int> m_redoDesignDevices;
    int m_position = -1; // slot of the most recent step; -1 when none
    int m_count = 0;     // steps that can be undone, 0..Depth
    bool m_skipNext = false;
};

} // namespace zef
