#include "layoutdocument.h"

#include "absolutefilename.h"
#include "catalog/catalogs.h"
#include "devicescaling.h"
#include "elementgeometry.h"
#include "platform.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zef {

namespace {

const QString SeparatorCaption = QStringLiteral("----------------- Seperator ------------------");
constexpr Bgr NewDynamicColorReplaceColor = 0x563412;
constexpr Bgr NewElementColor = 0xFFFFFF;
// Shown until the user picks a value type, which replaces it by its pattern.
const QString NewValueText = QStringLiteral("New value");

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
    return m_selection >= 0 && m_selection < count() ? &m_elements[m_selection] : nullptr;
}

const LayoutElement* LayoutDocument::selectedElement() const {
    return m_selection >= 0 && m_selection < count() ? &m_elements[m_selection] : nullptr;
}

const DeviceInfo* LayoutDocument::device() const {
    if (m_selectedDevice < 0 || m_selectedDevice >= m_catalogs.devices.count()) return nullptr;
    return &m_catalogs.devices.at(m_selectedDevice);
}

const DeviceInfo* LayoutDocument::designDeviceInfo() const {
    if (m_designDevice < 0 || m_designDevice >= m_catalogs.devices.count()) return nullptr;
    return &m_catalogs.devices.at(m_designDevice);
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
    LayoutElement element = source ? *source : LayoutElement(m_newElementKind);
    if (!source) {
        if (element.kind == KindDynamicColor) element.replaceColor = NewDynamicColorReplaceColor;
        if (element.kind == KindSeparator) element.text = SeparatorCaption;
    }
    if (m_batching && element.kind != KindSeparator) ++m_batchCounted;
    m_elements.insert(m_elements.begin() + index, std::move(element));
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
    // Placed before it is added, so that the panel shows it where it is.
    LayoutElement placed(m_newElementKind);
    if (placeNewElement(placed))
        addElement(&placed, false, false);
    else
        addElement(nullptr, false, false);
    emit countsChanged();
    refresh();
}

// The element record's defaults put a new element in black at the screen's
// top-left corner, where nothing of it shows. Add places it where the user
// looks: white, in the middle of the screen.
bool LayoutDocument::placeNewElement(LayoutElement& e) const {
    const DeviceInfo* dev = device();
    if (!dev || (e.kind != KindValue && e.kind != KindGraphic)) return false;
    const std::int32_t w = dev->screenWidth;
    const std::int32_t h = dev->screenHeight;
    e.color = NewElementColor;
    if (e.kind == KindValue) {
        // Centred on the middle; the text's top goes half a line above it.
        e.hAlignment = 1;
        e.text = NewValueText;
        const PreviewFace face =
            m_catalogs.fonts.faceFor(m_catalogs.fonts.fontNameFor(dev->name, e.font));
        e.x = w / 2;
        e.y = std::max(0, (h - face.pixelSize) / 2);
    } else {
        // The middle quarter: a line across it, and as a box, circle or arc
        // (the kinds the user may switch to) something of a visible size too.
        e.x = w * 3 / 8;
        e.y = h * 3 / 8;
        e.x2 = w * 5 / 8;
        e.y2 = h * 5 / 8;
        e.radius = std::max(1, std::min(w, h) / 8);
    }
    e.prevX = e.x;
    e.prevY = e.y;
    e.prevX2 = e.x2;
    e.prevY2 = e.y2;
    e.prevRadius = e.radius;
    e.prevStroke = e.stroke;
    return true;
}

ElementVector LayoutDocument::visibleCopies(ElementVector copies) const {
    const DeviceInfo* d = device();
    if (!d) return copies;
    return offsetCopies(std::move(copies), d->screenWidth, d->screenHeight);
}

void LayoutDocument::cloneSelected() {
    const LayoutElement* selected = selectedElement();
    if (!selected) return;
    const LayoutElement copy = visibleCopies({*selected}).front();
    addElement(&copy, false, false);
    emit countsChanged();
    refresh();
}

void LayoutDocument::removeSelected() {
    if (m_selection < 0) return;
    const int index = m_selection;
    const ElementKind removedKind = m_elements[index].kind;

    m_elements.erase(m_elements.begin() + index);
    m_selection = -1;
    emit lineRemoved(index);

    if (!m_elements.empty()) {
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
    std::swap(m_elements[from], m_elements[to]);
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
    if (const LayoutElement* selected = selectedElement()) m_clipboard = {*selected};
}

void LayoutDocument::cutSelected() {
    if (!selectedElement()) return;
    copySelected();
    removeSelected();
}

void LayoutDocument::pasteElement() {
    if (m_clipboard.size() > 1) {
        pasteElements();
        return;
    }
    if (m_clipboard.empty()) return;
    const LayoutElement copy = visibleCopies({m_clipboard.front()}).front();
    addElement(&copy, false, false);
    emit countsChanged();
    refresh();
}

bool LayoutDocument::canScaleToDevice() const {
    return m_designDevice != -1 && m_designDevice != m_selectedDevice && device() &&
           designDeviceInfo();
}

void LayoutDocument::scaleToDevice() {
    if (!canScaleToDevice()) return;
    scaleElements(m_elements, *designDeviceInfo(), *device());
    m_designDevice = m_selectedDevice;
    // The panel shows the scaled geometry of the selected element.
    emit showElementRequested();
    refresh();
}

void LayoutDocument::clearElements() {
    m_elements.clear();
    m_selection = -1;
    emit linesReset();
    emit selectionChanged(-1);
}

int LayoutDocument::countedElements() const {
    return static_cast<int>(std::count_if(m_elements.begin(), m_elements.end(),
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
        LayoutElement& e = m_elements[i];
        if (!ValueTypeCatalog::isOffered(vt.valueTypes.at(e.valueType), newInfo)) {
            e.valueType = 0;
            emit lineChanged(i);
        }
        if (!ValueTypeCatalog::isOffered(vt.graphicKinds.at(e.graphicType), newInfo)) {
            e.setGraphicKind(GraphicKind::Line);
            emit lineChanged(i);
        }
    }
}

QString LayoutDocument::countsText() const {
    int v = 0, g = 0, d = 0;
    for (const auto& e : m_elements) {
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
    return !isSameLayout(m_elements, m_savedElements);
}

bool LayoutDocument::editElement(int row, const std::function<void(LayoutElement&)>& change) {
    if (row < 0 || row >= count()) return false;
    LayoutElement& e = m_elements[static_cast<std::size_t>(row)];
    const LayoutElement before = e;
    change(e);
    if (isSameContent(before, e)) return false;
    emit lineChanged(row);
    refresh();
    return true;
}

void LayoutDocument::refresh() {
    emit viewInvalidated();
    commit();
}

void LayoutDocument::commit() {
    if (isSameLayout(m_elements, m_committedElements) && m_designDevice == m_committedDesignDevice)
        return;
    const bool continuesEdit =
        m_editSource && m_editSource == m_openEdit && m_selection == m_openEditSelection;
    // An empty baseline (right after a load, or before the first element) is
    // not recorded, but it takes up the skip of an undo that restored a layout
    // from nothing (the removal of the only element). The keystrokes of one
    // edit after its first are no steps of their own.
    if (!continuesEdit) {
        m_history.record(m_committedElements, m_selection, m_committedDesignDevice);
        emit undoStateChanged();
    }
    m_openEdit = m_editSource;
    m_openEditSelection = m_selection;
    m_committedElements = m_elements;
    m_committedDesignDevice = m_designDevice;
    updateModified();
    emit layoutCommitted();
}

void LayoutDocument::updateModified() {
    const bool modified = isModified();
    if (modified == m_modified) return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

LayoutDocument::EditScope::EditScope(LayoutDocument& document, const void* source)
    : m_document(document), m_outermost(!document.m_editSource) {
    // A field whose change writes another field (a graph's number of values)
    // stays the edit of the field the user changed.
    if (m_outermost) m_document.m_editSource = source;
}

LayoutDocument::EditScope::~EditScope() {
    if (m_outermost) m_document.m_editSource = nullptr;
}

void LayoutDocument::redo() {
    if (!m_history.canRedo()) return;
    finishEdit();
    restoreStep(m_history.redo());
}

void LayoutDocument::undo() {
    if (!m_history.canUndo()) return;
    finishEdit();
    restoreStep(m_history.undo(m_elements, m_designDevice));
}

void LayoutDocument::restoreStep(UndoHistory::Step step) {
    emit undoStateChanged();
    m_elements = std::move(step.elements);
    m_designDevice = step.designDevice;
    m_selection = -1;
    emit linesReset();
    m_selection = step.selection >= 0 && step.selection < count() ? step.selection : -1;
    emit selectionChanged(m_selection);
    emit showElementRequested();
    emit listFocusRequested();
    emit countsChanged();
    refresh();
}

void LayoutDocument::adoptLoadedLayout(const QString& name) {
    m_fileName = absoluteFileName(name);
    m_fileStamp = {};
    m_suggestedName.clear();
    m_savedElements = m_elements;
    m_history.clear();
    m_committedElements.clear();
    m_committedDesignDevice = m_designDevice;
    finishEdit();
    emit undoStateChanged();
    emit fileNameChanged();
    updateModified();
}

void LayoutDocument::setUntitled(const QString& suggestion) {
    m_suggestedName = absoluteFileName(suggestion);
    setFileName(QString());
}

void LayoutDocument::setFileName(const QString& name) {
    const QString absolute = absoluteFileName(name);
    if (absolute == m_fileName) return;
    m_fileName = absolute;
    m_fileStamp = {};
    emit fileNameChanged();
}

void LayoutDocument::finishLoad(bool adopt, const QString& name) {
    // A line's text can depend on other elements (dynamic colours).
    emit linesReset();
    if (adopt) {
        adoptLoadedLayout(name);
        // The device lists follow the layout's device once it is adopted.
        if (m_selectedDevice >= 0) emit deviceChanged(m_selectedDevice);
    }
    emit countsChanged();
    setSelection(count() - 1);
    emit showElementRequested();
    emit listFocusRequested();
    refresh();
}

void LayoutDocument::fillShownTexts(ElementVector& elements) const {
    for (LayoutElement& e : elements) zef::fillShownTexts(e, m_catalogs.valueTypes);
}

int LayoutDocument::replaceLayout(ElementVector loaded, int device, const QString& fileName,
                                  int unbuilt) {
    // Opening is not editing: what the preview and the panel fill in is there
    // before the loaded state is adopted.
    fillShownTexts(loaded);
    if (device >= 0 && device < m_catalogs.devices.count()) {
        m_designDevice = device;
        selectDevice(device);
    }
    clearElements();
    beginAddBatch();
    for (const LayoutElement& e : loaded) addElement(&e, false, true);
    m_batchRefused += unbuilt;
    const int refused = endAddBatch();
    finishLoad(true, fileName);
    return refused;
}

int LayoutDocument::appendElements(ElementVector loaded, int unbuilt) {
    fillShownTexts(loaded);
    beginAddBatch();
    for (const LayoutElement& e : loaded) addElement(&e, true, true);
    m_batchRefused += unbuilt;
    const int refused = endAddBatch();
    finishLoad(false, QString());
    return refused;
}

void LayoutDocument::restoreRecovered(const ElementVector& recovered, int device,
                                      const QString& originalName, const ElementVector& saved,
                                      const FileStamp& originalStamp) {
    replaceLayout(recovered, device, originalName);
    m_fileStamp = originalStamp;
    m_savedElements = saved;
    fillShownTexts(m_savedElements);
    emit fileNameChanged();
    updateModified();
}

void LayoutDocument::markSaved(const QString& fileName, const FileStamp& stamp) {
    m_fileName = absoluteFileName(fileName);
    m_fileStamp = stamp;
    m_suggestedName.clear();
    m_savedElements = m_elements;
    emit fileNameChanged();
    updateModified();
}

void LayoutDocument::newLayout() {
    replaceLayout({}, m_selectedDevice, QString());
}

} // namespace zef
