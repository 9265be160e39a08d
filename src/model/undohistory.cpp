#include "undohistory.h"

#include <algorithm>

namespace zef {

void UndoHistory::clear() {
    m_snapshots.clear();
    m_selections.clear();
    m_designDevices.clear();
    m_redo.clear();
    m_redoDesignDevices.clear();
    m_position = -1;
    m_count = 0;
    m_skipNext = false;
}

void UndoHistory::record(const ElementVector& before, int selection, int designDevice) {
    if (m_skipNext) {
        m_skipNext = false;
        return;
    }
    // A new change: what was undone cannot come back any more.
    m_redo.clear();
    m_redoDesignDevices.clear();
    if (before.empty()) return;
    const int next = m_position + 1;
    const int stored = size();
    if (stored >= Depth) {
        // Full: the ring wraps and the oldest step is overwritten.
        m_position = next >= Depth ? 0 : next;
        m_snapshots[static_cast<std::size_t>(m_position)] = before;
        m_selections[static_cast<std::size_t>(m_position)] = selection;
        m_designDevices[static_cast<std::size_t>(m_position)] = designDevice;
    } else {
        m_position = next;
        if (next < stored) {
            m_snapshots[static_cast<std::size_t>(next)] = before;
            m_selections[static_cast<std::size_t>(next)] = selection;
            m_designDevices[static_cast<std::size_t>(next)] = designDevice;
        } else {
            m_snapshots.push_back(before);
            m_selections.push_back(selection);
            m_designDevices.push_back(designDevice);
        }
    }
    m_count = std::min(m_count + 1, Depth);
}

UndoHistory::Step UndoHistory::undo() {
    if (!canUndo()) return {};
    // The ring wraps backwards.
    if (m_position < 0) m_position = size() - 1;
    m_skipNext = true;
    const auto slot = static_cast<std::size_t>(m_position);
    Step step{m_snapshots[slot], m_selections[slot], m_designDevices[slot]};
    --m_count;
    --m_position;
    return step;
}

UndoHistory::Step UndoHistory::undo(const ElementVector& current, int currentDesignDevice) {
    if (!canUndo()) return {};
    Step step = undo();
    m_redo.push_back(current);
    m_redoDesignDevices.push_back(currentDesignDevice);
    // Never more than the ring can give back (it holds at most Depth steps).
    if (static_cast<int>(m_redo.size()) > Depth) {
        m_redo.erase(m_redo.begin());
        m_redoDesignDevices.erase(m_redoDesignDevices.begin());
    }
    return step;
}

UndoHistory::Step UndoHistory::redo() {
    if (!canRedo()) return {};
    // The slot after the position still holds the state the undo restored:
    // the step that undoes this redo, with the selection of its change.
    m_position = (m_position + 1) % size();
    Step step{std::move(m_redo.back()), m_selections[static_cast<std::size_t>(m_position)],
              m_redoDesignDevices.back()};
    m_redo.pop_back();
    m_redoDesignDevices.pop_back();
    m_count = std::min(m_count + 1, Depth);
    m_skipNext = true;
    return step;
}

} // namespace zef
