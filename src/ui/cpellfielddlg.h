#pragma once

#include "catalog/catalogs.h"
#include "model/layoutdocument.h"

#include <QDialog>
#include <QStringList>

#include <vector>

namespace zef {

class Platform;

// The designer window: owns the catalogs, the document and every control.
class CPellFieldDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int TemplateWidth = 1210;  // 807 dialog units x 1.5
    static constexpr int TemplateHeight = 871;  // 536 dialog units x 1.625

    // arguments as QCoreApplication::arguments(): the executable first.
    CPellFieldDlg(Platform& platform, const QStringList& arguments, QWidget* parent = nullptr);
    ~CPellFieldDlg() override;

    // "Quennicks ZEF designer v3.8.1 (C)" plus " <file>" when a file is named.
    static QString windowTitle(const QString& file);

    LayoutDocument& document() { return m_document; }
    const Catalogs& catalogs() const { return m_catalogs; }
    const QString& programDir() const { return m_programDir; }
    const std::vector<std::int32_t>& randomPool() const { return m_randomPool; }

    // The close handling: asks to save a modified layout; returns false when
    // the user cancelled. Writes the settings when the close goes ahead.
    bool OnClose();
    void showAbout();

    // Settings group and keys.
    static QString settingsGroup() { return QStringLiteral("ZEFDesigner"); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

public slots:
    void reject() override;

private:
    void OnInitDialog(const QStringList& arguments);
    void restoreWindowPosition();
    void writeSettings();
    void updateTitle();

    Platform& m_platform;
    Catalogs m_catalogs;
    LayoutDocument m_document;
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
