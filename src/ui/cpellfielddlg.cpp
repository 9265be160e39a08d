#include "cpellfielddlg.h"

#include "autosave.h"
#include "cautorepeatbutton.h"
#include "cli/catalogcommands.h"
#include "cli/documentio.h"
#include "cli/startuplayout.h"
#include "commandactions.h"
#include "config/configstring.h"
#include "configclipboard.h"
#include "controltooltips.h"
#include "designersettings.h"
#include "dialogtemplate.h"
#include "elementlistdelegate.h"
#include "elementlistmodel.h"
#include "elementlistview.h"
#include "endreport.h"
#include "files/layoutfile.h"
#include "layoutcheckview.h"
#include "layoutfilecommands.h"
#include "layoutfilewatcher.h"
#include "model/platform.h"
#include "model/recoloring.h"
#include "preview/arrangecommands.h"
#include "preview/randompool.h"
#include "previewexport.h"
#include "previewinteraction.h"
#include "qrcodewindow.h"
#include "shortcutwindow.h"
#include "templategallery.h"
#include "windowsettings.h"

#include <QAction>
#include <QApplication>
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
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <QtEndian>

namespace zef {

namespace {

const QString Version = QStringLiteral(ZEF_VERSION);
const QString InterfaceLetter = QStringLiteral("C");
const QString& KeyWindowPosition = settingskeys::WindowPosition;
const QString& KeyLastFile = settingskeys::LastFile;

// Set once the first window of the process has restored its position.
bool firstShow = true;

std::optional<ElementVector> chooseInGallery(const Catalogs& catalogs, int device,
                                             QWidget* parent) {
    TemplateGallery gallery(catalogs, device, parent);
    if (gallery.exec() != QDialog::Accepted) return std::nullopt;
    return gallery.chosenLayout();
}

CPellFieldDlg::TemplateChooser& templateChooser() {
    static CPellFieldDlg::TemplateChooser chooser;
    if (!chooser) chooser = chooseInGallery;
    return chooser;
}

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

// The keys' steps of the coordinate fields: the field's "-" or "+" button.
struct StepCommand {
    EditorCommand command;
    NumberField field;
    int delta;
};
constexpr StepCommand StepCommands[] = {
    {EditorCommand::SecondPointLeft, NumberField::X2, -1},
    {EditorCommand::SecondPointRight, NumberField::X2, +1},
    {EditorCommand::SecondPointUp, NumberField::Y2, -1},
    {EditorCommand::SecondPointDown, NumberField::Y2, +1},
    {EditorCommand::FirstPointLeft, NumberField::X, -1},
    {EditorCommand::FirstPointRight, NumberField::X, +1},
    {EditorCommand::FirstPointUp, NumberField::Y, -1},
    {EditorCommand::FirstPointDown, NumberField::Y, +1},
};

const StepCommand* stepCommand(EditorCommand command) {
    for (const StepCommand& step : StepCommands)
        if (step.command == command) return &step;
    return nullptr;
}

using designersettings::ViewOption;

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
    setFont(dialogFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    setPalette(pal);

    // The menu bar above the template's area; the area keeps the template's
    // client coordinates, and the window is as large as the two.
    m_menuBar = new QMenuBar(this);
    m_area = new QWidget(this);
    m_area->setFixedSize(TemplateWidth, TemplateHeight);
    // The window paints every pixel of the area itself.
    m_area->setAttribute(Qt::WA_OpaquePaintEvent);
    m_area->setMouseTracking(true);
    m_area->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_area);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    createControls();
    createMenus();
    connectCommands();
    connectDocument();
    OnInitDialog(arguments);
}

CPellFieldDlg::~CPellFieldDlg() {
    // The preview's pointer handling (a child of the template's area, which
    // goes after the members) holds the document and the renderer.
    delete m_preview;
    m_preview = nullptr;
}

ElementListView& CPellFieldDlg::elementList() const {
    return *m_ui.elementList;
}

QString CPellFieldDlg::windowTitle(const QString& file) {
    const QString suffix = file.isEmpty() ? QString() : QStringLiteral(" <%1>").arg(file);
    return QStringLiteral("Quennicks ZEF designer v%1 (%2)%3")
        .arg(Version, InterfaceLetter, suffix);
}

void CPellFieldDlg::createControls() {
    m_ui = createDesignerControls(m_area);
    setControlToolTips(m_ui, m_area);

    m_listModel = new ElementListModel(m_document, m_catalogs.valueTypes, this);
    ElementListView& list = elementList();
    list.setModel(m_listModel);
    list.setItemDelegate(new ElementListDelegate(&list));
    // Its line and toggles sit under the preview, in the template's area.
    m_layoutCheck = new LayoutCheckView(m_document, m_renderer, *m_listModel, m_area);

    m_panel = std::make_unique<PropertyPanel>(m_document, m_ui, m_renderer.viewState(), *this);
    m_panel->connectControls();

    m_keys = std::make_unique<KeyCommands>(*this, this);
    m_keys->install();
    // After the keys: it sees Space over the preview before they do.
    m_preview = new PreviewInteraction(m_area, m_document, m_renderer, m_selection);
}

void CPellFieldDlg::createMenus() {
    m_actions = new CommandActions(
        this, {{EditorCommand::OutlineFindings, m_layoutCheck->outlinesAction()},
               {EditorCommand::WidestValues, m_layoutCheck->widestValuesAction()}});
    m_actions->fillMenuBar(m_menuBar);
    connect(m_actions, &CommandActions::menuAboutToShow, this, &CPellFieldDlg::updateCommandStates);
    connect(m_actions->recentFilesMenu(), &QMenu::aboutToShow, this,
            &CPellFieldDlg::fillRecentFilesMenu);
}

QAction* CPellFieldDlg::action(EditorCommand id) const {
    return m_actions->action(id);
}

void CPellFieldDlg::connectCommands() {
    connectActions();
    connectPreview();

    // The template's buttons run their commands, as the menu items do.
    using C = EditorCommand;
    const std::pair<QAbstractButton*, EditorCommand> buttons[] = {
        {m_ui.add, C::Add},
        {m_ui.clone, C::Clone},
        {m_ui.remove, C::Delete},
        {m_ui.up, C::MoveUp},
        {m_ui.down, C::MoveDown},
        {m_ui.load, C::Open},
        {m_ui.append, C::Append},
        {m_ui.loadFromClipboard, C::LoadConfigString},
        {m_ui.scaleToDevice, C::ScaleToDevice},
        {m_ui.refresh, C::Refresh},
        {m_ui.saveAs, C::SaveAs},
        {m_ui.save, C::Save},
        {m_ui.copyToClipboard, C::CopyConfigString},
    };
    for (const auto& [button, id] : buttons) {
        button->setToolTip(action(id)->toolTip());
        connect(button, &QAbstractButton::clicked, this, [this, id = id] { runCommand(id); });
    }
    // Scale to device is enabled by the paint (the device the layout was made
    // for against the selected one); its button follows its action.
    connect(action(C::ScaleToDevice), &QAction::enabledChanged, m_ui.scaleToDevice,
            &QWidget::setEnabled);

    connect(m_ui.deviceList, &QComboBox::activated, this, &CPellFieldDlg::onDeviceSelected);
    connect(m_ui.elementKind, &QComboBox::activated, this, &CPellFieldDlg::onElementKindSelected);
    connect(&elementList(), &ElementListView::userSelectedRows, this,
            &CPellFieldDlg::onUserSelectedRows);
    connect(m_layoutCheck, &LayoutCheckView::elementChosen, this,
            &CPellFieldDlg::onUserSelectedRow);
}

void CPellFieldDlg::connectActions() {
    using C = EditorCommand;
    // Any command ends the edit in progress as an undo step of its own; the
    // auto-repeat of a held key goes on with its step.
    for (const CommandRow& row : editorCommands())
        connect(action(row.id), &QAction::triggered, this, [this] {
            if (!m_keyRepeating) m_document.finishEdit();
        });

    // Each command's handler: what its menu item, its button and its keys run.
    const std::pair<EditorCommand, void (CPellFieldDlg::*)()> handlers[] = {
        {C::New, &CPellFieldDlg::commandNew},
        {C::NewFromTemplate, &CPellFieldDlg::commandNewFromTemplate},
        {C::Open, &CPellFieldDlg::onLoad},
        {C::Append, &CPellFieldDlg::onAppend},
        {C::Save, &CPellFieldDlg::onSave},
        {C::SaveAs, &CPellFieldDlg::onSaveAs},
        {C::LoadConfigString, &CPellFieldDlg::onLoadFromClipboard},
        {C::CopyConfigString, &CPellFieldDlg::onCopyToClipboard},
        {C::ShowQrCode, &CPellFieldDlg::commandShowQrCode},
        {C::ExportPreview, &CPellFieldDlg::commandExportPreview},
        {C::Undo, &CPellFieldDlg::commandUndo},
        {C::Redo, &CPellFieldDlg::commandRedo},
        {C::Cut, &CPellFieldDlg::commandCut},
        {C::Copy, &CPellFieldDlg::commandCopy},
        {C::Paste, &CPellFieldDlg::commandPaste},
        {C::Delete, &CPellFieldDlg::commandDelete},
        {C::SelectAll, &CPellFieldDlg::commandSelectAll},
        {C::Add, &CPellFieldDlg::onAdd},
        {C::Clone, &CPellFieldDlg::commandClone},
        {C::MoveUp, &CPellFieldDlg::onUp},
        {C::MoveDown, &CPellFieldDlg::onDown},
        {C::ScaleToDevice, &CPellFieldDlg::onScaleToDevice},
        {C::Refresh, &CPellFieldDlg::onRefresh},
        {C::KeyboardShortcuts, &CPellFieldDlg::commandKeyboardShortcuts},
        {C::About, &CPellFieldDlg::showAbout},
    };
    for (const auto& [id, handler] : handlers)
        connect(action(id), &QAction::triggered, this, handler);
    // Quit goes through the close handling (which may ask to save).
    connect(action(C::Quit), &QAction::triggered, this, &QWidget::close);
    for (const StepCommand& step : StepCommands)
        connect(action(step.command), &QAction::triggered, this, [this, step] {
            // Several selected: Ctrl+arrows move them all by a pixel.
            if (m_selection.count() > 1 &&
                (step.field == NumberField::X || step.field == NumberField::Y)) {
                const int d = step.delta;
                m_selection.nudge(step.field == NumberField::X ? d : 0,
                                  step.field == NumberField::Y ? d : 0);
                showCurrentGeometry();
                return;
            }
            m_panel->onStep(step.field, step.delta);
        });

    // The preview's zoom.
    connect(action(C::ZoomIn), &QAction::triggered, m_preview, &PreviewInteraction::zoomIn);
    connect(action(C::ZoomOut), &QAction::triggered, m_preview, &PreviewInteraction::zoomOut);
    connect(action(C::ActualSize), &QAction::triggered, m_preview, &PreviewInteraction::zoomActual);
    connect(action(C::ZoomToFit), &QAction::triggered, m_preview, &PreviewInteraction::zoomToFit);
    connect(action(C::PixelGrid), &QAction::toggled, this, [this](bool on) {
        m_renderer.viewState().pixelGrid = on;
        invalidateView(false, false, false, true);
    });
    connect(action(C::Snapping), &QAction::toggled, this,
            [this](bool on) { m_preview->drags().setSnapping(on); });

    // Arrange.
    const std::pair<EditorCommand, Alignment> alignments[] = {
        {C::AlignLeft, Alignment::Left},     {C::AlignCentre, Alignment::Centre},
        {C::AlignRight, Alignment::Right},   {C::AlignTop, Alignment::Top},
        {C::AlignMiddle, Alignment::Middle}, {C::AlignBottom, Alignment::Bottom},
    };
    for (const auto& [id, alignment] : alignments)
        connect(action(id), &QAction::triggered, this, [this, alignment = alignment] {
            alignSelection(m_document, m_renderer, m_selection, alignment);
            showCurrentGeometry();
        });
    const std::pair<EditorCommand, Qt::Orientation> distributions[] = {
        {C::DistributeHorizontally, Qt::Horizontal},
        {C::DistributeVertically, Qt::Vertical},
    };
    for (const auto& [id, orientation] : distributions)
        connect(action(id), &QAction::triggered, this, [this, orientation = orientation] {
            distributeSelection(m_document, m_renderer, m_selection, orientation);
            showCurrentGeometry();
        });
    connect(action(C::FirstPointToPointer), &QAction::triggered, this, [this] {
        if (const auto p = m_renderer.pointer()) m_panel->moveFirstPointTo(p->x(), p->y());
    });
    connect(action(C::SecondPointToPointer), &QAction::triggered, this, [this] {
        if (const auto p = m_renderer.pointer()) m_panel->moveSecondPointTo(p->x(), p->y());
    });
    connect(action(C::ToggleDayNight), &QAction::triggered, this,
            [this] { m_panel->toggleDayNight(); });

    // The View menu's items and the three check boxes are kept in step both ways.
    const struct {
        EditorCommand command;
        QCheckBox* box;
        void (CPellFieldDlg::*handler)();
    } views[] = {
        {C::HighlightSelected, m_ui.highlight, &CPellFieldDlg::onHighlightClicked},
        {C::DynamicColorGradient, m_ui.gradient, &CPellFieldDlg::onGradientClicked},
        {C::NightMode, m_ui.nightMode, &CPellFieldDlg::onNightModeClicked},
    };
    for (const auto& view : views) {
        connect(view.box, &QAbstractButton::clicked, this, view.handler);
        connect(action(view.command), &QAction::toggled, this, [this, view](bool on) {
            if (view.box->isChecked() == on) return;
            view.box->setChecked(on);
            (this->*view.handler)();
        });
    }
}

void CPellFieldDlg::connectDocument() {
    LayoutDocument* doc = &m_document;
    // The list model has connected itself first, so its rows are up to date
    // when these run.
    connect(doc, &LayoutDocument::linesReset, this, &CPellFieldDlg::showSelection);
    connect(doc, &LayoutDocument::selectionChanged, this, &CPellFieldDlg::showSelection);
    connect(&m_selection, &ElementSelection::changed, this, [this] {
        showSelection();
        updateCommandStates();
    });
    connect(doc, &LayoutDocument::showElementRequested, this, [this] {
        if (LayoutElement* e = m_document.selectedElement())
            m_panel->showElement(e);
        else
            m_panel->enableForKind(KindNone);
    });
    connect(doc, &LayoutDocument::listFocusRequested, this, [this] { elementList().setFocus(); });
    connect(doc, &LayoutDocument::countsChanged, this, &CPellFieldDlg::updateCounts);
    connect(doc, &LayoutDocument::viewInvalidated, this, [this] {
        updateArea(m_renderer.requestRepaint(true, true, false, true));
        if (m_preview) m_preview->refreshOverlay();
    });
    connect(doc, &LayoutDocument::deviceChanged, this, &CPellFieldDlg::onDeviceChanged);
    connect(doc, &LayoutDocument::layoutCommitted, this, &CPellFieldDlg::checkRecoloredValues);
    // A layout loaded anew is told about anew.
    connect(doc, &LayoutDocument::fileNameChanged, this, [this] { m_warnedRows.clear(); });
    connect(doc, &LayoutDocument::fileNameChanged, this, &CPellFieldDlg::updateTitle);
    connect(doc, &LayoutDocument::modifiedChanged, this, &QWidget::setWindowModified);
    // A file loaded or saved is a recent file.
    connect(doc, &LayoutDocument::fileNameChanged, this, [this] {
        const QString name = m_document.fileName();
        if (!name.isEmpty() && QFileInfo(name).isFile()) designersettings::addRecentFile(name);
    });
    // What the commands can do follows the history, the lines and the device.
    for (const auto signal : {&LayoutDocument::undoStateChanged, &LayoutDocument::linesReset,
                              &LayoutDocument::countsChanged})
        connect(doc, signal, this, &CPellFieldDlg::updateCommandStates);
    connect(doc, &LayoutDocument::selectionChanged, this, &CPellFieldDlg::updateCommandStates);
    connect(doc, &LayoutDocument::deviceChanged, this, &CPellFieldDlg::updateCommandStates);
}

void CPellFieldDlg::connectPreview() {
    connect(m_preview, &PreviewInteraction::pointerTextChanged, m_ui.pointer, &QLineEdit::setText);
    connect(m_preview, &PreviewInteraction::elementPicked, this, &CPellFieldDlg::previewPicked);
    connect(m_preview, &PreviewInteraction::highlightReleased, this,
            &CPellFieldDlg::previewReleasedHighlight);
    connect(m_preview, &PreviewInteraction::currentElementChanged, this,
            &CPellFieldDlg::showCurrentElement);
    connect(m_preview, &PreviewInteraction::currentElementMoved, this,
            &CPellFieldDlg::showCurrentGeometry);
    connect(m_preview, &PreviewInteraction::zoomChanged, this, &CPellFieldDlg::updateCommandStates);
    // The layout check runs once a drag is over, not at each of its steps.
    connect(m_preview, &PreviewInteraction::draggingChanged, m_layoutCheck,
            [this](bool dragging) { m_layoutCheck->setHeld(dragging); });
}

void CPellFieldDlg::showSelection() {
    elementList().selectRows(m_selection.rows(), m_document.selection());
    if (m_preview) m_preview->refreshOverlay();
}

void CPellFieldDlg::OnInitDialog(const QStringList& arguments) {
    m_programDir = QCoreApplication::applicationDirPath();
    QString lastFile;
    if (arguments.size() <= 1) {
        QSettings settings;
        settings.beginGroup(settingsGroup());
        lastFile = lastFileFromSetting(settings.value(KeyLastFile));
    }
    const StartupLayout startup = startupLayout(arguments.value(1), lastFile, m_programDir);
    if (!startup.example) m_document.setFileName(startup.path);

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
    restoreViewOptions();

    setWindowTitle(windowTitle(QString()));
    // A start-up file that cannot be loaded leaves an empty untitled layout.
    // The example is read without becoming the layout's file (nor a recent
    // one): a Save asks where to write.
    if (startup.example)
        loadReadLayout(m_document, readLayoutFor(m_document, startup.path, false), QString(),
                       false);
    else
        loadStartupLayout(m_document);
    updateTitle();

    // What the last run could not do when it ended unattended.
    if (const QString report = takeEndReport(); !report.isEmpty())
        m_platform.showMessage(report, MessageButtons::Ok, MessageIcon::Warning);
    m_autosave = std::make_unique<Autosave>(m_document);
    m_autosave->offerRecovery();
    m_autosave->start();
    m_fileWatcher = std::make_unique<LayoutFileWatcher>(m_document);
    // Coming back to the window is when a change made elsewhere matters.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive && !m_closing) m_fileWatcher->check();
            });

    invalidateView(true, true, false, true);
    m_area->update();
    updateCommandStates();
}

void CPellFieldDlg::restoreViewOptions() {
    using C = EditorCommand;
    const std::pair<ViewOption, EditorCommand> options[] = {
        {ViewOption::HighlightSelected, C::HighlightSelected},
        {ViewOption::DynamicColorGradient, C::DynamicColorGradient},
        {ViewOption::NightMode, C::NightMode},
        {ViewOption::PixelGrid, C::PixelGrid},
        {ViewOption::Snapping, C::Snapping},
    };
    for (const auto& [option, command] : options)
        action(command)->setChecked(designersettings::viewOption(option));
    // The actions start unchecked; these two are on unless stored off.
    m_renderer.viewState().pixelGrid = action(C::PixelGrid)->isChecked();
    m_preview->drags().setSnapping(action(C::Snapping)->isChecked());
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

void CPellFieldDlg::updateArea(const std::vector<QRect>& rects) {
    for (const QRect& r : rects) m_area->update(r);
}

void CPellFieldDlg::invalidateView(bool swatch, bool dcSwatches, bool elementArea,
                                   bool wholePreview) {
    updateArea(m_renderer.InvalidateView(swatch, dcSwatches, elementArea, wholePreview));
    if (m_preview) m_preview->refreshOverlay();
    m_layoutCheck->schedule();
}

bool CPellFieldDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_area) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint:
        paintTemplate(static_cast<QPaintEvent*>(event));
        return true;
    default:
        return false;
    }
}

void CPellFieldDlg::paintTemplate(QPaintEvent* event) {
    QPainter painter(m_area);
    const PaintResult result =
        m_renderer.RenderClientArea(painter, m_area->size(), event->region());
    painter.end();
    afterPaint(result);
}

void CPellFieldDlg::afterPaint(const PaintResult& result) {
    m_ui.paintTime->setText(result.paintTimeText());
    if (result.previewPainted) {
        m_ui.deviceSummary->setText(result.summaryText);
    }
}

void CPellFieldDlg::checkRecoloredValues() {
    // Told once when a change brings a value the warning has not named yet
    // (a load brings them all anew), never by a repaint or a zoom.
    std::vector<int> rows =
        recoloredValuesWithoutValueType(m_document.elements(), m_catalogs.valueTypes);
    const bool news = std::any_of(rows.begin(), rows.end(), [this](int row) {
        return std::find(m_warnedRows.begin(), m_warnedRows.end(), row) == m_warnedRows.end();
    });
    m_warnedRows = std::move(rows);
    if (!news || m_warningPending) return;
    m_warningPending = true;
    // After the command that changed the layout, outside its handlers.
    QTimer::singleShot(0, this, [this] {
        m_warningPending = false;
        if (m_closing) return;
        const int selected = m_document.selection();
        if (std::find(m_warnedRows.begin(), m_warnedRows.end(), selected) != m_warnedRows.end())
            m_panel->selectValueTypeEntry(1);
        m_platform.showMessage(PreviewRenderer::dcWarningText(), MessageButtons::Ok,
                               MessageIcon::Warning);
    });
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

void CPellFieldDlg::previewPicked(int row, bool holdHighlight) {
    // The click of old: the highlight is on while the button is held.
    if (holdHighlight) {
        m_ui.highlight->setChecked(true);
        onHighlightClicked();
    }
    Q_UNUSED(row); // the selection has taken it (or, Ctrl+click, let it go)
    m_panel->onElementSelected();
}

void CPellFieldDlg::showCurrentGeometry() {
    if (LayoutElement* e = m_document.selectedElement()) m_panel->showGeometry(*e);
}

void CPellFieldDlg::previewReleasedHighlight() {
    m_ui.highlight->setChecked(false);
    onHighlightClicked();
}

void CPellFieldDlg::showCurrentElement() {
    // As a click in the list: the panel and its swatches show the element.
    m_panel->onElementSelected();
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
    describeFontSlots(m_ui.font, *device, m_catalogs.fonts);
    if (LayoutElement* e = m_document.selectedElement())
        m_panel->showElement(e);
    else
        m_panel->enableForKind(KindNone);
    m_preview->contentChanged();
    invalidateView(true, true, false, true);
}

void CPellFieldDlg::onElementKindSelected(int index) {
    m_document.setNewElementKind(index);
}

void CPellFieldDlg::onUserSelectedRow(int row) {
    m_document.setSelection(row);
    m_panel->onElementSelected();
}

void CPellFieldDlg::onUserSelectedRows(const std::vector<int>& rows, int current) {
    m_selection.setRows(rows, current);
    m_panel->onElementSelected();
}

void CPellFieldDlg::onAdd() {
    m_document.addNew();
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

void CPellFieldDlg::setViewOption(bool PreviewViewState::*option, const QCheckBox* checkBox,
                                  EditorCommand command) {
    m_renderer.viewState().*option = checkBox->isChecked();
    {
        const QSignalBlocker blocker(action(command));
        action(command)->setChecked(checkBox->isChecked());
    }
    invalidateView(true, true, false, true);
}

void CPellFieldDlg::onHighlightClicked() {
    setViewOption(&PreviewViewState::highlightSelected, m_ui.highlight,
                  EditorCommand::HighlightSelected);
}
void CPellFieldDlg::onGradientClicked() {
    setViewOption(&PreviewViewState::showDcGradient, m_ui.gradient,
                  EditorCommand::DynamicColorGradient);
}
void CPellFieldDlg::onNightModeClicked() {
    setViewOption(&PreviewViewState::nightMode, m_ui.nightMode, EditorCommand::NightMode);
}

// --- commands of the menus ---------------------------------------------------------

void CPellFieldDlg::commandNew() {
    newLayout(m_document);
}
void CPellFieldDlg::commandNewFromTemplate() {
    const int device = m_document.selectedDevice();
    if (device < 0) {
        m_platform.showMessage(QStringLiteral("Select a device first: the starter layouts are made "
                                              "for its screen and fonts."),
                               MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    if (const std::optional<ElementVector> layout = templateChooser()(m_catalogs, device, this))
        startFromTemplate(*layout);
}
void CPellFieldDlg::setTemplateChooser(TemplateChooser chooser) {
    templateChooser() = std::move(chooser);
}
bool CPellFieldDlg::startFromTemplate(const ElementVector& layout) {
    if (!mayDiscardLayout(askToSaveChanges(m_document))) return false;
    m_document.replaceLayout(layout, m_document.selectedDevice(), QString());
    return true;
}
void CPellFieldDlg::commandUndo() {
    m_document.undo();
}
void CPellFieldDlg::commandRedo() {
    m_document.redo();
}
// Cut, Copy, Paste, Delete and Clone act on the selected elements (one or
// several).
void CPellFieldDlg::commandCut() {
    m_selection.cut();
}
void CPellFieldDlg::commandCopy() {
    m_selection.copy();
}
void CPellFieldDlg::commandPaste() {
    m_selection.paste();
}
void CPellFieldDlg::commandDelete() {
    m_selection.remove();
}
void CPellFieldDlg::commandClone() {
    if (m_panel->updatingControls()) return;
    m_selection.clone();
}
void CPellFieldDlg::commandSelectAll() {
    m_selection.selectAll();
    m_panel->onElementSelected();
}

void CPellFieldDlg::commandShowQrCode() {
    if (!m_qrWindow) m_qrWindow = new QrCodeWindow(this);
    // The string Copy to clipboard gives.
    m_qrWindow->showString(BuildConfigString(m_document.elements(), m_catalogs.valueTypes,
                                             documentFontSlots(m_document)));
    m_qrWindow->show();
    m_qrWindow->raise();
    m_qrWindow->activateWindow();
}

void CPellFieldDlg::commandExportPreview() {
    exportPreviewImage(m_document, m_renderer);
}

void CPellFieldDlg::commandKeyboardShortcuts() {
    if (!m_shortcutWindow) m_shortcutWindow = new ShortcutWindow(this);
    m_shortcutWindow->show();
    m_shortcutWindow->raise();
    m_shortcutWindow->activateWindow();
}

void CPellFieldDlg::fillRecentFilesMenu() {
    QMenu* menu = m_actions->recentFilesMenu();
    menu->clear();
    const QStringList files = designersettings::recentFiles();
    if (files.isEmpty()) menu->addAction(QStringLiteral("No recent files"))->setEnabled(false);
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString& file = files.at(i);
        QAction* item = menu->addAction(
            QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(QDir::toNativeSeparators(file)));
        // A file that has gone stays listed, greyed, so the list does not
        // jump while the file is on a drive that is not there now.
        const bool exists = QFileInfo(file).isFile();
        item->setEnabled(exists);
        item->setToolTip(exists ? file : QStringLiteral("Not found: %1").arg(file));
        connect(item, &QAction::triggered, this, [this, file] { openRecentFile(file); });
    }
}

void CPellFieldDlg::openRecentFile(const QString& path) {
    m_document.finishEdit();
    openLayoutFile(m_document, path, false);
}

void CPellFieldDlg::updateCommandStates() const {
    using C = EditorCommand;
    const int row = m_document.selection();
    const bool selected = m_document.selectedElement() != nullptr;
    action(C::Undo)->setEnabled(m_document.canUndo());
    action(C::Redo)->setEnabled(m_document.canRedo());
    for (C c : {C::Cut, C::Copy, C::Delete, C::Clone}) action(c)->setEnabled(selected);
    action(C::MoveUp)->setEnabled(selected && row > 0);
    action(C::MoveDown)->setEnabled(selected && row + 1 < m_document.count());
    action(C::Paste)->setEnabled(m_document.hasClipboardElement());
    action(C::ScaleToDevice)->setEnabled(m_document.canScaleToDevice());
    action(C::ExportPreview)->setEnabled(m_document.device() != nullptr);
    action(C::SelectAll)->setEnabled(m_document.count() > 0);
    action(C::ZoomIn)->setEnabled(m_preview && m_preview->canZoomIn());
    action(C::ZoomOut)->setEnabled(m_preview && m_preview->canZoomOut());
    action(C::ActualSize)->setEnabled(m_preview && m_document.device() && m_preview->zoom() != 1);
    action(C::ZoomToFit)->setEnabled(m_document.device() != nullptr);
    // One element is aligned to the screen; distributing needs three.
    const bool placed = selected && m_document.device();
    for (C c :
         {C::AlignLeft, C::AlignCentre, C::AlignRight, C::AlignTop, C::AlignMiddle, C::AlignBottom})
        action(c)->setEnabled(placed);
    for (C c : {C::DistributeHorizontally, C::DistributeVertically})
        action(c)->setEnabled(placed && m_selection.count() >= 3);
}

// --- keyboard ------------------------------------------------------------------

bool CPellFieldDlg::listHasFocus() const {
    return elementList().hasFocus();
}
bool CPellFieldDlg::hasSelectedElement() const {
    return m_document.selectedElement() != nullptr;
}

bool CPellFieldDlg::textFieldHasFocus() const {
    const QWidget* focus = QApplication::focusWidget();
    if (qobject_cast<const QLineEdit*>(focus)) return true;
    const auto* combo = qobject_cast<const QComboBox*>(focus);
    return combo && combo->isEditable();
}

bool CPellFieldDlg::cancelPointerDrag() {
    return m_preview && m_preview->cancelDrag();
}

bool CPellFieldDlg::commandApplies(EditorCommand command) const {
    using C = EditorCommand;
    const bool selected = hasSelectedElement();
    if (const StepCommand* step = stepCommand(command)) {
        const bool firstPoint = step->field == NumberField::X || step->field == NumberField::Y;
        if (firstPoint && m_selection.count() > 1) return true;
        return selected && m_panel->numberEdit(step->field)->isEnabled();
    }
    switch (command) {
    case C::FirstPointToPointer:
    case C::SecondPointToPointer: {
        // Only where the pointer was last seen on the screen.
        const auto p = m_renderer.pointer();
        const NumberField field =
            command == C::FirstPointToPointer ? NumberField::X : NumberField::X2;
        return p && p->x() >= 0 && p->y() >= 0 && selected &&
               m_panel->numberEdit(field)->isEnabled();
    }
    case C::ToggleDayNight:
        return selected && m_ui.dayNight->isEnabled();
    default:
        updateCommandStates();
        return action(command)->isEnabled();
    }
}

void CPellFieldDlg::runCommand(EditorCommand command, bool repeated) {
    updateCommandStates();
    // A held arrow key's repeats are one undo step with its first press.
    m_keyRepeating = repeated && stepCommand(command);
    action(command)->trigger();
    m_keyRepeating = false;
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
    designersettings::setViewOption(ViewOption::HighlightSelected, m_ui.highlight->isChecked());
    designersettings::setViewOption(ViewOption::DynamicColorGradient, m_ui.gradient->isChecked());
    designersettings::setViewOption(ViewOption::NightMode, m_ui.nightMode->isChecked());
    designersettings::setViewOption(ViewOption::PixelGrid,
                                    action(EditorCommand::PixelGrid)->isChecked());
    designersettings::setViewOption(ViewOption::Snapping,
                                    action(EditorCommand::Snapping)->isChecked());
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
    // A second request while this one writes finds the window closing.
    m_closing = true;
    keepUnsavedWork();
    writeSettings();
    if (m_autosave) m_autosave->windowClosed(false);
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

void CPellFieldDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("&Info über ZEF Designer..."), this, &CPellFieldDlg::showAbout);
    menu.exec(event->globalPos());
}

void CPellFieldDlg::showAbout() {
    QMessageBox about(this);
    about.setWindowTitle(QStringLiteral("Info"));
    about.setText(QStringLiteral("Quennicks ZEF Designer"));
    about.setInformativeText(
        QStringLiteral("Version %1 (%2)\n\n"
                       "Free software under the GNU General Public License, version 3 or "
                       "later; it comes with no warranty.\n\n"
                       "The preview's faces are Roboto Condensed (Apache License 2.0), "
                       "Bebas Neue (SIL Open Font License 1.1) and DejaVu Sans (Bitstream "
                       "Vera licence). The licence texts are in %3.")
            .arg(Version, InterfaceLetter,
                 QDir::toNativeSeparators(QDir::cleanPath(
                     QDir(QCoreApplication::applicationDirPath())
                         .filePath(QStringLiteral(ZEF_DOC_DIR_FROM_BIN "/copyright"))))));
    about.setStandardButtons(QMessageBox::Ok);
    about.exec();
}

} // namespace zef
