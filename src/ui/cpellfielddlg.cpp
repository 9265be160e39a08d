#include "cpellfielddlg.h"

#include "autosave.h"
#include "cautorepeatbutton.h"
#include "cli/catalogcommands.h"
#include "config/configstring.h"
#include "configclipboard.h"
#include "dialogtemplate.h"
#include "elementlistdelegate.h"
#include "elementlistmodel.h"
#include "elementlistview.h"
#include "files/layoutfile.h"
#include "layoutcheckview.h"
#include "layoutfilecommands.h"
#include "model/platform.h"
#include "preview/randompool.h"
#include "windowsettings.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QtEndian>

namespace zef {

namespace {

const QString Version = QStringLiteral(ZEF_VERSION);
const QString InterfaceLetter = QStringLiteral("C");
const QString KeyWindowPosition = QStringLiteral("window_position");
const QString KeyLastFile = QStringLiteral("last_file");

// Set once the first window of the process has restored its position.
bool firstShow = true;

// The window's font: the classic dialog font at 8 points is 11 pixels high,
// which makes a dialog unit 1.5 x 1.625 pixels.
QFont dialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Segoe UI"),
                      QStringLiteral("Roboto"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}

// The element list's font: Arial 15 pixels high (cell), 6 wide. Arial has no
// lighter face than the regular one, so the requested weight draws regular.
QFont elementListFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arimo"), QStringLiteral("Roboto"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(13);
    font.setWeight(QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

NumberField toNumberField(CoordinateField field) {
    switch (field) {
    case CoordinateField::X:
        return NumberField::X;
    case CoordinateField::Y:
        return NumberField::Y;
    case CoordinateField::X2:
        return NumberField::X2;
    case CoordinateField::Y2:
        return NumberField::Y2;
    }
    return NumberField::X;
}

} // namespace

QByteArray WindowPlacement::toBytes() const {
    const std::int32_t fields[] = {length, flags, showCmd, minX,  minY,  maxX,
                                   maxY,   left,  top,     right, bottom};
    QByteArray bytes(44, '\0');
    for (int i = 0; i < 11; ++i) qToLittleEndian<std::int32_t>(fields[i], bytes.data() + 4 * i);
    return bytes;
}

std::optional<WindowPlacement> WindowPlacement::fromBytes(const QByteArray& bytes) {
    if (bytes.size() < 44) return std::nullopt;
    std::int32_t f[11];
    for (int i = 0; i < 11; ++i) f[i] = qFromLittleEndian<std::int32_t>(bytes.constData() + 4 * i);
    WindowPlacement p;
    p.length = f[0];
    p.flags = f[1];
    p.showCmd = f[2];
    p.minX = f[3];
    p.minY = f[4];
    p.maxX = f[5];
    p.maxY = f[6];
    p.left = f[7];
    p.top = f[8];
    p.right = f[9];
    p.bottom = f[10];
    return p;
}

CPellFieldDlg::CPellFieldDlg(Platform& platform, const QStringList& arguments, QWidget* parent)
    : QDialog(parent), m_platform(platform), m_document(m_catalogs, platform),
      m_renderer(m_document) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(TemplateWidth, TemplateHeight);
    setFont(dialogFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    setPalette(pal);
    // The window paints every pixel of its client area itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);

    createControls();
    connectCommands();
    connectDocument();
    OnInitDialog(arguments);
}

CPellFieldDlg::~CPellFieldDlg() = default;

ElementListView& CPellFieldDlg::elementList() const {
    return *m_ui.elementList;
}

QString CPellFieldDlg::windowTitle(const QString& file) {
    const QString suffix = file.isEmpty() ? QString() : QStringLiteral(" <%1>").arg(file);
    return QStringLiteral("Quennicks ZEF designer v%1 (%2)%3")
        .arg(Version, InterfaceLetter, suffix);
}

void CPellFieldDlg::createControls() {
    m_ui = createDesignerControls(this);

    m_listModel = new ElementListModel(m_document, m_catalogs.valueTypes, this);
    ElementListView& list = elementList();
    list.setModel(m_listModel);
    list.setItemDelegate(new ElementListDelegate(&list));
    m_layoutCheck = new LayoutCheckView(m_document, m_renderer, *m_listModel, this);

    m_panel = std::make_unique<PropertyPanel>(m_document, m_ui, m_renderer.viewState(), *this);
    m_panel->connectControls();

    m_keys = std::make_unique<KeyCommands>(*this, this);
    m_keys->install();

    // New has no button in the template; its action carries the shortcut.
    m_newAction = new QAction(QStringLiteral("&New"), this);
    m_newAction->setShortcut(QKeySequence::New);
    m_newAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_newAction, &QAction::triggered, this, &CPellFieldDlg::commandNew);
    addAction(m_newAction);
}

void CPellFieldDlg::connectCommands() {
    const std::pair<QAbstractButton*, void (CPellFieldDlg::*)()> clicks[] = {
        {m_ui.add, &CPellFieldDlg::onAdd},
        {m_ui.clone, &CPellFieldDlg::onClone},
        {m_ui.remove, &CPellFieldDlg::onRemove},
        {m_ui.up, &CPellFieldDlg::onUp},
        {m_ui.down, &CPellFieldDlg::onDown},
        {m_ui.load, &CPellFieldDlg::onLoad},
        {m_ui.append, &CPellFieldDlg::onAppend},
        {m_ui.loadFromClipboard, &CPellFieldDlg::onLoadFromClipboard},
        {m_ui.scaleToDevice, &CPellFieldDlg::onScaleToDevice},
        {m_ui.refresh, &CPellFieldDlg::onRefresh},
        {m_ui.saveAs, &CPellFieldDlg::onSaveAs},
        {m_ui.save, &CPellFieldDlg::onSave},
        {m_ui.copyToClipboard, &CPellFieldDlg::onCopyToClipboard},
        {m_ui.highlight, &CPellFieldDlg::onHighlightClicked},
        {m_ui.gradient, &CPellFieldDlg::onGradientClicked},
        {m_ui.nightMode, &CPellFieldDlg::onNightModeClicked},
    };
    for (const auto& [button, handler] : clicks)
        connect(button, &QAbstractButton::clicked, this, handler);

    connect(m_ui.deviceList, &QComboBox::activated, this, &CPellFieldDlg::onDeviceSelected);
    connect(m_ui.elementKind, &QComboBox::activated, this, &CPellFieldDlg::onElementKindSelected);
    connect(&elementList(), &ElementListView::userSelectedRow, this,
            &CPellFieldDlg::onUserSelectedRow);
    connect(m_layoutCheck, &LayoutCheckView::elementChosen, this,
            &CPellFieldDlg::onUserSelectedRow);
}

void CPellFieldDlg::connectDocument() {
    LayoutDocument* doc = &m_document;
    // The list model has connected itself first, so its rows are up to date
    // when these run.
    connect(doc, &LayoutDocument::linesReset, this,
            [this] { elementList().selectRow(m_document.selection()); });
    connect(doc, &LayoutDocument::selectionChanged, this,
            [this](int row) { elementList().selectRow(row); });
    connect(doc, &LayoutDocument::showElementRequested, this, [this] {
        if (LayoutElement* e = m_document.selectedElement())
            m_panel->showElement(e);
        else
            m_panel->enableForKind(KindNone);
    });
    connect(doc, &LayoutDocument::listFocusRequested, this, [this] { elementList().setFocus(); });
    connect(doc, &LayoutDocument::countsChanged, this, &CPellFieldDlg::updateCounts);
    connect(doc, &LayoutDocument::viewInvalidated, this,
            [this] { update(m_renderer.requestRepaint(true, true, false, true)); });
    connect(doc, &LayoutDocument::deviceChanged, this, &CPellFieldDlg::onDeviceChanged);
    connect(doc, &LayoutDocument::fileNameChanged, this, &CPellFieldDlg::updateTitle);
    connect(doc, &LayoutDocument::modifiedChanged, this, &QWidget::setWindowModified);
}

void CPellFieldDlg::OnInitDialog(const QStringList& arguments) {
    m_programDir = QCoreApplication::applicationDirPath();
    QString startupFile = QDir(m_programDir).filePath(QStringLiteral("layout.xml"));
    if (arguments.size() > 1) {
        startupFile = arguments.at(1);
    } else {
        QSettings settings;
        settings.beginGroup(settingsGroup());
        const QString last = lastFileFromSetting(settings.value(KeyLastFile));
        if (!last.isEmpty()) startupFile = last;
    }
    m_document.setFileName(startupFile);

    if (m_randomPool.empty()) {
        QRandomGenerator generator(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
        m_randomPool = zef::randomPool(generator);
    }
    m_renderer.viewState().randomPool = m_randomPool;
    m_renderer.viewState().programDir = m_programDir;

    m_catalogs.build();
    m_catalogs.fonts.loadPreviewFaces(previewFacesPath(m_programDir));

    auto* devices = m_ui.deviceList;
    for (const DeviceInfo& d : m_catalogs.devices.devices()) devices->addItem(d.name);
    devices->setCurrentIndex(-1);

    auto* kinds = m_ui.elementKind;
    for (const ValueTypeInfo& kind : m_catalogs.valueTypes.elementKinds) kinds->addItem(kind.name);
    kinds->setCurrentIndex(KindValue);
    m_document.setNewElementKind(KindValue);

    m_ui.alignment->addItems(
        {QStringLiteral("Right"), QStringLiteral("Center"), QStringLiteral("Left")});

    elementList().setFont(elementListFont());

    onDeviceChanged(m_document.selectedDevice());
    m_panel->enableForKind(KindNone);
    updateCounts();
    m_ui.scaleToDevice->setEnabled(false);

    setWindowTitle(windowTitle(QString()));
    // A start-up file that cannot be loaded leaves an empty untitled layout.
    loadStartupLayout(m_document);
    updateTitle();

    m_autosave = std::make_unique<Autosave>(m_document);
    m_autosave->offerRecovery();
    m_autosave->start();

    invalidateView(true, true, false, true);
    QWidget::update();
}

void CPellFieldDlg::updateTitle() {
    // "[*]" is where Qt shows the desktop's mark for unsaved changes.
    const QString& file = m_document.fileName();
    setWindowTitle(windowTitle(file.isEmpty() ? untitledName() : file) + QStringLiteral("[*]"));
    setWindowModified(m_document.isModified());
}

void CPellFieldDlg::updateCounts() {
    m_ui.counts->setText(m_document.countsText());
}

// --- repainting --------------------------------------------------------------

void CPellFieldDlg::update(const std::vector<QRect>& rects) {
    for (const QRect& r : rects) QWidget::update(r);
}

void CPellFieldDlg::invalidateView(bool swatch, bool dcSwatches, bool elementArea,
                                   bool wholePreview) {
    update(m_renderer.InvalidateView(swatch, dcSwatches, elementArea, wholePreview));
    m_layoutCheck->schedule();
}

void CPellFieldDlg::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const PaintResult result = m_renderer.RenderClientArea(painter, size(), event->region());
    painter.end();
    afterPaint(result);
}

void CPellFieldDlg::afterPaint(const PaintResult& result) {
    m_ui.paintTime->setText(result.paintTimeText());
    if (result.previewPainted) {
        m_ui.deviceSummary->setText(result.summaryText);
        m_ui.scaleToDevice->setEnabled(result.scaleToDeviceEnabled);
    }
    if (result.dcWarning || result.selectValueTypeForSelection) {
        // Message boxes and panel changes wait until the paint is over.
        QTimer::singleShot(0, this, [this, result] {
            if (result.selectValueTypeForSelection) m_panel->selectValueTypeEntry(1);
            m_renderer.showDcWarning(result);
        });
    }
}

void CPellFieldDlg::refreshLine(int row) {
    m_listModel->listItemText(row, false);
}

void CPellFieldDlg::refreshCommand() {
    invalidateView(true, true, false, true);
    m_listModel->refreshAllRows();
}

void CPellFieldDlg::selectListRow(int row) {
    m_document.setSelection(row);
    elementList().setFocus();
}

// --- the preview's mouse -------------------------------------------------------

void CPellFieldDlg::mouseMoveEvent(QMouseEvent* event) {
    if (const auto text = m_renderer.OnMouseMove(event->position().toPoint()))
        m_ui.pointer->setText(*text);
    QDialog::mouseMoveEvent(event);
}

void CPellFieldDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const int row = m_renderer.OnLButtonDown(event->position().toPoint());
        if (row >= 0) {
            m_ui.highlight->setChecked(true);
            onHighlightClicked();
            m_document.setSelection(row);
            m_panel->onElementSelected();
        }
    }
    QDialog::mousePressEvent(event);
}

void CPellFieldDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_renderer.OnLButtonUp()) {
        m_ui.highlight->setChecked(false);
        onHighlightClicked();
    }
    QDialog::mouseReleaseEvent(event);
}

// --- commands ------------------------------------------------------------------

void CPellFieldDlg::onDeviceSelected(int index) {
    m_document.selectDevice(index);
}

void CPellFieldDlg::onDeviceChanged(int index) {
    auto* devices = m_ui.deviceList;
    if (devices->currentIndex() != index) devices->setCurrentIndex(index);
    const DeviceInfo* device = m_document.device();
    if (!device) return;
    m_panel->fillDeviceLists(device);
    if (LayoutElement* e = m_document.selectedElement())
        m_panel->showElement(e);
    else
        m_panel->enableForKind(KindNone);
    invalidateView(true, true, false, true);
}

void CPellFieldDlg::onElementKindSelected(int index) {
    m_document.setNewElementKind(index);
}

void CPellFieldDlg::onUserSelectedRow(int row) {
    m_document.setSelection(row);
    m_panel->onElementSelected();
}

void CPellFieldDlg::onAdd() {
    m_document.addNew();
}

void CPellFieldDlg::onClone() {
    if (m_panel->updatingControls()) return;
    m_document.cloneSelected();
}

void CPellFieldDlg::onRemove() {
    m_document.removeSelected();
}
void CPellFieldDlg::onUp() {
    m_document.moveSelectedUp();
}
void CPellFieldDlg::onDown() {
    m_document.moveSelectedDown();
}
void CPellFieldDlg::onLoad() {
    openLayoutDialog(m_document, false);
}
void CPellFieldDlg::onAppend() {
    openLayoutDialog(m_document, true);
}
void CPellFieldDlg::onLoadFromClipboard() {
    OnLoadFromClipboard(m_document);
}
void CPellFieldDlg::onScaleToDevice() {
    m_document.scaleToDevice();
}
void CPellFieldDlg::onRefresh() {
    refreshCommand();
}
void CPellFieldDlg::onSaveAs() {
    saveLayout(m_document, true);
}
void CPellFieldDlg::onSave() {
    saveLayout(m_document, false);
}
void CPellFieldDlg::onCopyToClipboard() {
    OnCopyToClipboard(m_document, m_layoutCheck->findings().size());
}

void CPellFieldDlg::setViewOption(bool PreviewViewState::*option, const QCheckBox* checkBox) {
    m_renderer.viewState().*option = checkBox->isChecked();
    invalidateView(true, true, false, true);
}

void CPellFieldDlg::onHighlightClicked() {
    setViewOption(&PreviewViewState::highlightSelected, m_ui.highlight);
}
void CPellFieldDlg::onGradientClicked() {
    setViewOption(&PreviewViewState::showDcGradient, m_ui.gradient);
}
void CPellFieldDlg::onNightModeClicked() {
    setViewOption(&PreviewViewState::nightMode, m_ui.nightMode);
}

// --- keyboard ------------------------------------------------------------------

bool CPellFieldDlg::listHasFocus() const {
    return elementList().hasFocus();
}
bool CPellFieldDlg::hasSelectedElement() const {
    return m_document.selectedElement() != nullptr;
}
bool CPellFieldDlg::coordinateEnabled(CoordinateField field) const {
    return m_panel->numberEdit(toNumberField(field))->isEnabled();
}
QPoint CPellFieldDlg::pointerPosition() const {
    return m_renderer.pointer().value_or(QPoint(-1, -1));
}
bool CPellFieldDlg::dayNightEnabled() const {
    return m_ui.dayNight->isEnabled();
}
bool CPellFieldDlg::clipboardHasElement() const {
    return m_document.hasClipboardElement();
}
void CPellFieldDlg::commandNew() {
    newLayout(m_document);
}
void CPellFieldDlg::commandClose() {
    close();
}
void CPellFieldDlg::commandToggleDayNight() {
    m_panel->toggleDayNight();
}
void CPellFieldDlg::commandRemove() {
    onRemove();
}
void CPellFieldDlg::commandStep(CoordinateField field, int delta) {
    m_panel->onStep(toNumberField(field), delta);
}
void CPellFieldDlg::commandFirstPointTo(QPoint p) {
    m_panel->moveFirstPointTo(p.x(), p.y());
}
void CPellFieldDlg::commandSecondPointTo(QPoint p) {
    m_panel->moveSecondPointTo(p.x(), p.y());
}
void CPellFieldDlg::commandSaveAs() {
    onSaveAs();
}
void CPellFieldDlg::commandCopyConfig() {
    onCopyToClipboard();
}
void CPellFieldDlg::commandUndo() {
    m_document.undo();
}
void CPellFieldDlg::commandAppend() {
    onAppend();
}
void CPellFieldDlg::commandLoad() {
    onLoad();
}
void CPellFieldDlg::commandSave() {
    onSave();
}
void CPellFieldDlg::commandCut() {
    m_document.cutSelected();
}
void CPellFieldDlg::commandCopy() {
    m_document.copySelected();
}
void CPellFieldDlg::commandPaste() {
    m_document.pasteElement();
}

// --- window lifecycle ------------------------------------------------------------

void CPellFieldDlg::resetFirstShow() {
    firstShow = true;
}

void CPellFieldDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (firstShow) {
        firstShow = false;
        restoreWindowPosition();
    }
}

void CPellFieldDlg::restoreWindowPosition() {
    QSettings settings;
    settings.beginGroup(settingsGroup());
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
    if (const auto topLeft = windowPositionFromSetting(settings.value(KeyWindowPosition),
                                                       frameGeometry().size(), screens))
        move(*topLeft);
}

void CPellFieldDlg::writeSettings() {
    WindowPlacement placement;
    const QRect frame = frameGeometry();
    placement.left = frame.left();
    placement.top = frame.top();
    placement.right = frame.left() + frame.width();
    placement.bottom = frame.top() + frame.height();
    QSettings settings;
    settings.beginGroup(settingsGroup());
    settings.setValue(KeyWindowPosition, placement.toBytes());
    // An untitled layout has no file to reopen; the last one stays.
    if (!m_document.fileName().isEmpty()) settings.setValue(KeyLastFile, m_document.fileName());
    settings.sync();
    // Written once, when the window closes: said then, once.
    if (settings.status() == QSettings::AccessError)
        m_platform.showMessage(
            QStringLiteral("The window position and the last file could not be saved to \"%1\"; "
                           "the next start uses the defaults.")
                .arg(QDir::toNativeSeparators(settings.fileName())),
            MessageButtons::Ok, MessageIcon::Warning);
}

bool CPellFieldDlg::OnClose() {
    // A failed save or a cancelled Save as keeps the window open with the
    // changes, as Cancel does.
    const UnsavedChanges answer = askToSaveChanges(m_document);
    if (!mayDiscardLayout(answer)) return false;
    writeSettings();
    // Only an explicit No drops the changes; otherwise a fresh recovery copy
    // of what is still unsaved is kept for the next start.
    if (m_autosave) m_autosave->windowClosed(answer == UnsavedChanges::Dropped);
    return true;
}

void CPellFieldDlg::keepUnsavedWork() {
    if (m_autosave) m_autosave->saveNow();
}

void CPellFieldDlg::endWithoutQuestions() {
    if (m_closing) return;
    keepUnsavedWork();
    writeSettings();
    if (m_autosave) m_autosave->windowClosed(false);
    m_closing = true;
    QDialog::done(QDialog::Rejected);
}

void CPellFieldDlg::closeEvent(QCloseEvent* event) {
    if (m_closing) {
        event->accept();
        return;
    }
    if (!OnClose()) {
        event->ignore();
        return;
    }
    m_closing = true;
    event->accept();
    QDialog::done(QDialog::Rejected);
}

void CPellFieldDlg::reject() {
    // Escape and the window's close button both go through the close question.
    close();
}

void CPellFieldDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        showAbout();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CPellFieldDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("&Info über ZEF Designer..."), this, &CPellFieldDlg::showAbout);
    menu.exec(event->globalPos());
}

void CPellFieldDlg::showAbout() {
    QMessageBox about(this);
    about.setWindowTitle(QStringLiteral("Info"));
    about.setText(QStringLiteral("Quennicks ZEF Designer"));
    about.setInformativeText(QStringLiteral("Version %1 (%2)").arg(Version, InterfaceLetter));
    about.setStandardButtons(QMessageBox::Ok);
    about.exec();
}

} // namespace zef
