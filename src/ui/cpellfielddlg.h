#pragma once

#include "catalog/catalogs.h"
#include "designercontrols.h"
#include "keycommands.h"
#include "model/elementselection.h"
#include "model/layoutdocument.h"
#include "preview/previewrenderer.h"
#include "propertypanel.h"
#include "settingskeys.h"

#include <QDialog>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QMenuBar;

namespace zef {

class Autosave;
class CommandActions;
class ElementListModel;
class ElementListView;
class LayoutCheckView;
class LayoutFileWatcher;
class Platform;
class PreviewInteraction;
class QrCodeWindow;
class ShortcutWindow;

// The designer window: owns the catalogs, the document, the preview and every
// control, and wires each control to its command. Its menu bar sits above the
// template's area, which keeps the template's client coordinates (the preview
// origin at (650, 35)).
class CPellFieldDlg : public QDialog, public PropertyPanelHost, public KeyCommandTarget {
    Q_OBJECT
public:
    static constexpr int TemplateWidth = 1210; // 807 dialog units x 1.5
    static constexpr int TemplateHeight = 871; // 536 dialog units x 1.625

    // arguments as QCoreApplication::arguments(): the executable first.
    CPellFieldDlg(Platform& platform, const QStringList& arguments, QWidget* parent = nullptr);
    ~CPellFieldDlg() override;

    // "Quennicks ZEF designer v3.8.1 (C)" plus " <file>" when a file is named.
    static QString windowTitle(const QString& file);
    // What the title names instead of a file for a layout that has none.
    static QString untitledName() { return QStringLiteral("untitled"); }
    // The title the window shows now.
    using QDialog::windowTitle;

    LayoutDocument& document() { return m_document; }
    const Catalogs& catalogs() const { return m_catalogs; }
    const QString& programDir() const { return m_programDir; }
    const std::vector<std::int32_t>& randomPool() const { return m_randomPool; }

    // The window's controls, each as the widget it is.
    const DesignerControls& ui() const { return m_ui; }
    // The area the template lays out: the controls and the painted preview.
    QWidget* templateArea() const { return m_area; }
    // The commands: one action each, used by the menus, buttons and keys.
    CommandActions& commands() const { return *m_actions; }
    QAction* action(EditorCommand id) const;
    QMenuBar* menuBar() const { return m_menuBar; }
    PropertyPanel& panel() { return *m_panel; }
    ElementListModel& listModel() { return *m_listModel; }
    ElementListView& elementList() const;
    PreviewRenderer& renderer() { return m_renderer; }
    LayoutCheckView& layoutCheck() { return *m_layoutCheck; }
    // The selected elements (the document's selection is the current one).
    ElementSelection& selection() { return m_selection; }
    // The mouse, wheel, zoom and scroll bars of the preview.
    PreviewInteraction& previewInteraction() { return *m_preview; }

    // The close handling: asks to save a modified layout; returns false when
    // the user cancelled or the save did not happen. Writes the settings when
    // the close goes ahead.
    bool OnClose();
    // New (Ctrl+N): asks to save unsaved changes, then an empty untitled layout
    // on the selected device.
    void commandNew();
    // New from template (Ctrl+Shift+N): the gallery of starter layouts for the
    // selected device; the one chosen replaces the layout (after the question
    // about unsaved changes), untitled.
    void commandNewFromTemplate();
    bool startFromTemplate(const ElementVector& layout);
    // Shows the starter layouts for a device and gives the one chosen (nothing
    // when cancelled): the gallery in the program; tests answer it, as they
    // answer message boxes, through one that never blocks. An empty chooser
    // restores the gallery.
    using TemplateChooser =
        std::function<std::optional<ElementVector>(const Catalogs&, int device, QWidget* parent)>;
    static void setTemplateChooser(TemplateChooser chooser);
    // The desktop session is ending: nothing may be asked, and the process may
    // be ended at any moment. Unsaved changes are written to a fresh recovery
    // copy now (offered at the next start).
    void keepUnsavedWork();
    // The process was asked to end (SIGTERM, the session's end): keeps unsaved
    // work as a recovery copy, writes the settings and closes without a question.
    // (Make the platform unattended first: nothing may wait for an answer.)
    void endWithoutQuestions();
    // Notices changes to the layout's file made by someone else.
    LayoutFileWatcher& fileWatcher() const { return *m_fileWatcher; }
    // File > New, as the menu, the keys and the tests reach it.
    QAction* newAction() const { return action(EditorCommand::New); }
    void showAbout();

    // Settings group and keys.
    static QString settingsGroup() { return settingskeys::Group; }
    // Only the first window shown in a process restores the stored position;
    // this makes the next one shown do it again, as in a new process.
    static void resetFirstShow();

    // --- commands (buttons, lists and check boxes of the left column) --------
    void onDeviceSelected(int index);
    void onDeviceChanged(int index);
    void onElementKindSelected(int index);
    void onUserSelectedRow(int row);
    // The user selected rows in the element list; current is the one clicked.
    void onUserSelectedRows(const std::vector<int>& rows, int current);
    void onAdd();
    void onUp();
    void onDown();
    void onLoad();
    void onAppend();
    void onLoadFromClipboard();
    void onScaleToDevice();
    void onRefresh();
    void onSaveAs();
    void onSave();
    void onCopyToClipboard();
    void onHighlightClicked();
    void onGradientClicked();
    void onNightModeClicked();
    // --- commands of the menus ----------------------------------------------
    void commandUndo();
    void commandRedo();
    void commandCut();
    void commandCopy();
    void commandPaste();
    void commandSelectAll();
    void commandDelete();
    void commandClone();
    void commandShowQrCode();
    void commandExportPreview();
    void commandKeyboardShortcuts();
    // Opens a file of the recent-files menu (asking to save changes first).
    void openRecentFile(const QString& path);
    // Brings the enabled state of the commands up to date (Scale to device
    // follows the paint, as its button always did).
    void updateCommandStates() const;

    // --- PropertyPanelHost --------------------------------------------------
    void invalidateView(bool swatch, bool dcSwatches, bool elementArea, bool wholePreview) override;
    void refreshLine(int row) override;
    void refreshCommand() override;
    void selectListRow(int row) override;

    // --- KeyCommandTarget ---------------------------------------------------
    bool listHasFocus() const override;
    bool hasSelectedElement() const override;
    bool textFieldHasFocus() const override;
    bool cancelPointerDrag() override;
    bool commandApplies(EditorCommand command) const override;
    // The one way every command runs: its action is triggered (the menu item
    // triggers it itself).
    void runCommand(EditorCommand command, bool repeated = false) override;

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

public slots:
    void reject() override;

private:
    // The template area's paint and mouse, in its client coordinates.
    void paintTemplate(QPaintEvent* event);
    // The preview's pointer picked an element, or released that pick.
    void previewPicked(int row, bool holdHighlight);
    void previewReleasedHighlight();
    void showCurrentElement();
    // Drags, nudges and Arrange moved the current element: its fields follow.
    void showCurrentGeometry();

    void createControls();
    void createMenus();
    void connectCommands();
    void connectActions();
    void fillRecentFilesMenu();
    void restoreViewOptions();
    void connectDocument();
    void connectPreview();
    // The list shows the selected rows; the handles and boxes follow.
    void showSelection();
    void OnInitDialog(const QStringList& arguments);
    void restoreWindowPosition();
    void writeSettings();
    void updateTitle();
    void updateCounts();
    void updateArea(const std::vector<QRect>& rects);
    void afterPaint(const PaintResult& result);
    // After a change of the layout: asks, once, to select a value type for a
    // value that a dynamic colour recolours but that has none.
    void checkRecoloredValues();
    void setViewOption(bool PreviewViewState::*option, const QCheckBox* checkBox,
                       EditorCommand command);

    Platform& m_platform;
    QMenuBar* m_menuBar = nullptr;
    QWidget* m_area = nullptr;
    CommandActions* m_actions = nullptr;
    QPointer<ShortcutWindow> m_shortcutWindow;
    QPointer<QrCodeWindow> m_qrWindow;
    // Set while a held key's auto-repeat runs its command: the step goes on.
    bool m_keyRepeating = false;
    Catalogs m_catalogs;
    LayoutDocument m_document;
    ElementSelection m_selection{m_document};
    PreviewRenderer m_renderer;
    DesignerControls m_ui;
    ElementListModel* m_listModel = nullptr;
    LayoutCheckView* m_layoutCheck = nullptr;
    PreviewInteraction* m_preview = nullptr;
    std::unique_ptr<PropertyPanel> m_panel;
    std::unique_ptr<KeyCommands> m_keys;
    std::unique_ptr<Autosave> m_autosave;
    std::unique_ptr<LayoutFileWatcher> m_fileWatcher;
    // The values the "select a value type" warning has named (see
    // checkRecoloredValues()), and whether it is about to be shown.
    std::vector<int> m_warnedRows;
    bool m_warningPending = false;
    QString m_programDir;
    std::vector<std::int32_t> m_randomPool;
    bool m_closing = false;
};

// The 44-byte window placement record kept in "window_position": length,
// flags, show command, minimised and maximised positions, normal rectangle.
struct WindowPlacement {
    std::int32_t length = 44;
    std::int32_t flags = 0;
    std::int32_t showCmd = 1;
    std::int32_t minX = -1, minY = -1, maxX = -1, maxY = -1;
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;

    QByteArray toBytes() const;
    // Nothing when the bytes are fewer than 44.
    static std::optional<WindowPlacement> fromBytes(const QByteArray& bytes);
};

} // namespace zef
