#include "layoutdocument.h"

#include "catalog/catalogs.h"
#include "devicescaling.h"
#include "platform.h"

#include <algorithm>
#include <cmath>

namespace zef {

namespace {

const QString SeparatorCaption = QStringLiteral("----------------- Seperator ------------------");
constexpr Bgr NewDynamicColorReplaceColor = 0x563412;

} // namespace

LayoutDocument::LayoutDocument(const Catalogs& catalogs, Platform& platform, QObject* parent)
    : QObject(parent), m_catalogs(catalogs), m_platform(platform) {}

QString LayoutDocument::limitMessage() {
    return QStringLiteral("You have reached the maximum number of elements for this device!");
}

void LayoutDocument::setSelection(int row) {
    if (row < 0 || row >= count()) row = -1;
    if (row == m_selection) return;
    m_selection = row;
    emit selectionChanged(row);
}

LayoutElement* LayoutDocument::selectedElement() {
    return m_selection >= 0 && m_selection < count() ? &elements[m_selection] : nullptr;
}

const LayoutElement* LayoutDocument::selectedElement() const {
    return m_selection >= 0 && m_selection < count() ? &elements[m_selection] : nullptr;
}

const DeviceInfo* LayoutDocument::device() const {
    if (m_selectedDevice < 0 || m_selectedDevice >= m_catalogs.devices.count()) return nullptr;
    return &m_catalogs.devices.at(m_selectedDevice);
}

const DeviceInfo* LayoutDocument::designDeviceInfo() const {
    if (designDevice < 0 || designDevice >= m_catalogs.devices.count()) return nullptr;
    return &m_catalogs.devices.at(designDevice);
}

bool LayoutDocument::addElement(const LayoutElement* source, bool atEnd, bool keepPanel) {
    const DeviceInfo* dev = device();
    if (!dev) return false;

    const int n = count();
    // A batch keeps its count of counted elements, so that loading a file of
    // many separators stays linear.
    const int counted = m_batching ? m_batchCounted : countedElements();
    if (counted >= dev->maxElements) {
        if (m_batching)
            ++m_batchRefused;
        else
            m_platform.showMessage(limitMessage());
        return false;
    }

    const int index = atEnd ? n : (m_selection >= 0 ? m_selection + 1 : n);
    LayoutElement element = source ? *source : LayoutElement(newElementKind);
    if (!source) {
        if (element.kind == KindDynamicColor) element.replaceColor = NewDynamicColorReplaceColor;
        if (element.kind == KindSeparator) element.text = SeparatorCaption;
    }
    if (m_batching && element.kind != KindSeparator) ++m_batchCounted;
    elements.insert(elements.begin() + index, std::move(element));
    if (m_batching) {
        // The lines of a batch are announced once, when it ends: inserting
        // thousands of rows one by one into a view is quadratic.
        m_batchAdded = true;
        m_selection = index;
    } else {
        // The selection index shifts silently; the new line then becomes the selection.
        if (m_selection >= index) ++m_selection;
        emit lineInserted(index);
        setSelection(index);
    }
    if (!keepPanel) emit showElementRequested();
    return true;
}

void LayoutDocument::addNew() {
    addElement(nullptr, false, false);
    emit countsChanged();
    refresh();
}

void LayoutDocument::cloneSelected() {
    const LayoutElement* selected = selectedElement();
    if (!selected) return;
    const LayoutElement copy = *selected;
    addElement(&copy, false, false);
    emit countsChanged();
    refresh();
}

void LayoutDocument::removeSelected() {
    if (m_selection < 0) return;
    const int index = m_selection;
    const ElementKind removedKind = elements[index].kind;

    elements.erase(elements.begin() + index);
    m_selection = -1;
    emit lineRemoved(index);

    if (!elements.empty()) {
        setSelection(std::min(index, count() - 1));
        emit showElementRequested();
        emit countsChanged();
        if (removedKind == KindDynamicColor) {
            // Recoloured elements lose their mark: every line is rebuilt.
            refresh();
            emit linesReset();
            return;
        }
        refresh();
        return;
    }
    emit selectionChanged(-1);
    emit showElementRequested();
    emit countsChanged();
    refresh();
}

void LayoutDocument::moveSelected(int delta) {
    const int from = m_selection;
    const int to = from + delta;
    if (from < 0 || to < 0 || to >= count()) return;
    std::swap(elements[from], elements[to]);
    m_selection = to;
    emit lineChanged(from);
    emit lineChanged(to);
    emit selectionChanged(to);
    refresh();
}

void LayoutDocument::moveSelectedUp() {
    moveSelected(-1);
}
void LayoutDocument::moveSelectedDown() {
    moveSelected(+1);
}

void LayoutDocument::copySelected() {
    if (const LayoutElement* selected = selectedElement()) clipboardElement = *selected;
}

void LayoutDocument::cutSelected() {
    if (!selectedElement()) return;
    copySelected();
    removeSelected();
}

void LayoutDocument::pasteElement() {
    if (clipboardElement.kind == KindNone) return;
    const LayoutElement copy = clipboardElement;
    addElement(&copy, false, false);
    emit countsChanged();
    refresh();
}

bool LayoutDocument::canScaleToDevice() const {
    return designDevice != -1 && designDevice != m_selectedDevice && device() && designDeviceInfo();
}

void LayoutDocument::scaleToDevice() {
    if (!canScaleToDevice()) return;
    scaleElements(elements, *designDeviceInfo(), *device());
    designDevice = m_selectedDevice;
    refresh();
}

void LayoutDocument::clearElements() {
    elements.clear();
    m_selection = -1;
    emit linesReset();
    emit selectionChanged(-1);
}

int LayoutDocument::countedElements() const {
    return static_cast<int>(std::count_if(elements.begin(), elements.end(),
                                          [](const auto& e) { return e.kind != KindSeparator; }));
}

void LayoutDocument::beginAddBatch() {
    m_batching = true;
    m_batchRefused = 0;
    m_batchCounted = countedElements();
    m_batchAdded = false;
}

int LayoutDocument::endAddBatch() {
    m_batching = false;
    const int refused = m_batchRefused;
    m_batchRefused = 0;
    if (m_batchAdded) {
        m_batchAdded = false;
        emit linesReset();
        emit selectionChanged(m_selection);
    }
    if (refused == 1) {
        m_platform.showMessage(limitMessage());
    } else if (refused > 1) {
        m_platform.showMessage(limitMessage() +
                               QStringLiteral("\n%1 elements were not added.").arg(refused));
    }
    return refused;
}

void LayoutDocument::selectDevice(int index) {
    if (index < 0 || index >= m_catalogs.devices.count()) return;
    dropUnavailableTypes(m_selectedDevice, index);
    m_selectedDevice = index;
    emit deviceChanged(index);
}

void LayoutDocument::dropUnavailableTypes(int oldDevice, int newDevice) {
    if (oldDevice < 0 || oldDevice == newDevice) return;
    const DeviceInfo& oldInfo = m_catalogs.devices.at(oldDevice);
    const DeviceInfo& newInfo = m_catalogs.devices.at(newDevice);
    if (newInfo.maxElements >= oldInfo.maxElements) return;

    const auto& vt = m_catalogs.valueTypes;
    for (int i = 0; i < count(); ++i) {
        LayoutElement& e = elements[i];
        if (!ValueTypeCatalog::isOffered(vt.valueTypes.at(e.valueType), newInfo)) {
            e.valueType = 0;
            emit lineChanged(i);
        }
        if (!ValueTypeCatalog::isOffered(vt.graphicKinds.at(e.graphicType), newInfo)) {
            e.graphicType = 0;
            emit lineChanged(i);
        }
    }
}

QString LayoutDocument::countsText() const {
    int v = 0, g = 0, d = 0;
    for (const auto& e : elements) {
        if (e.kind == KindValue)
            ++v;
        else if (e.kind == KindGraphic)
            ++g;
        else if (e.kind == KindDynamicColor)
            ++d;
    }
    return QStringLiteral("Val:%1, Graph:%2, DC:%3, Total:%4").arg(v).arg(g).arg(d).arg(v + g + d);
}

bool LayoutDocument::isModified() const {
    return !isSameLayout(elements, savedElements);
}

void LayoutDocument::refresh() {
    emit viewInvalidated();
    commit();
}

void LayoutDocument::commit() {
    if (isSameLayout(elements, committedElements)) return;
    if (!committedElements.empty()) {
        if (undoSkipNext) {
            undoSkipNext = false;
        } else {
            const int next = undoPos + 1;
            const int size = static_cast<int>(undoSnapshots.size());
            if (size >= UndoDepth) {
                undoPos = next >= UndoDepth ? 0 : next;
                undoSnapshots[undoPos] = committedElements;
                undoSelections[undoPos] = m_selection;
            } else {
                undoPos = next;
                if (next < size) {
                    undoSnapshots[next] = committedElements;
                    undoSelections[next] = m_selection;
                } else {
                    undoSnapshots.push_back(committedElements);
                    undoSelections.push_back(m_selection);
                }
            }
            undoCount = std::min(undoCount + 1, UndoDepth);
        }
    }
    committedElements = elements;
}

void LayoutDocument::undo() {
    if (undoCount <= 0 || undoSnapshots.empty()) return;
    if (undoPos < 0) undoPos = static_cast<int>(undoSnapshots.size()) - 1;
    undoSkipNext = true;
    elements = undoSnapshots[undoPos];
    m_selection = -1;
    emit linesReset();
    const int row = undoSelections[undoPos];
    m_selection = row >= 0 && row < count() ? row : -1;
    emit selectionChanged(m_selection);
    --undoCount;
    --undoPos;
    emit showElementRequested();
    emit listFocusRequested();
    emit countsChanged();
    refresh();
}

void LayoutDocument::adoptLoadedLayout(const QString& name) {
    fileName = name;
    savedElements = elements;
    undoSnapshots.clear();
    undoSelections.clear();
    undoPos = -1;
    undoCount = 0;
    undoSkipNext = false;
    committedElements.clear();
    emit fileNameChanged();
}

void LayoutDocument::markSaved() {
    savedElements = elements;
    emit fileNameChanged();
}

} // namespace zef
