#include "cpellfielddlg.h"

#include "files/layoutfile.h"
#include "model/platform.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QScreen>
#include <QSettings>
#include <QtEndian>

namespace zef {

namespace {

const QString Version = QStringLiteral("3.8.1");
const QString InterfaceLetter = QStringLiteral("C");
const QString KeyWindowPosition = QStringLiteral("window_position");
const QString KeyLastFile = QStringLiteral("last_file");
constexpr int RandomPoolSize = 1024;

// Set once the first window of the process has restored its position.
bool firstShow = true;

} // namespace

QByteArray WindowPlacement::toBytes() const {
    const std::int32_t fields[] = {length, flags, showCmd, minX, minY, maxX, maxY,
                                   left,   top,   right,   bottom};
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
    : QDialog(parent), m_platform(platform), m_document(m_catalogs, platform) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(TemplateWidth, TemplateHeight);
    OnInitDialog(arguments);
}

CPellFieldDlg::~CPellFieldDlg() = default;

QString CPellFieldDlg::windowTitle(const QString& file) {
    const QString suffix = file.isEmpty() ? QString() : QStringLiteral(" <%1>").arg(file);
    return QStringLiteral("Quennicks ZEF designer v%1 (%2)%3").arg(Version, InterfaceLetter, suffix);
}

void CPellFieldDlg::OnInitDialog(const QStringList& arguments) {
    m_programDir = QCoreApplication::applicationDirPath();
    m_document.fileName = QDir(m_programDir).filePath(QStringLiteral("layout.xml"));

    if (arguments.size() > 1) {
        m_document.fileName = arguments.at(1);
    } else {
        QSettings settings;
        settings.beginGroup(settingsGroup());
        const QString last = settings.value(KeyLastFile).toString();
        if (last.size() > 4) m_document.fileName = last;
    }

    QRandomGenerator generator(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    if (m_randomPool.empty()) {
        m_randomPool.reserve(RandomPoolSize);
        // Values in the C library's rand() range, 0..32767.
        for (int i = 0; i < RandomPoolSize; ++i)
            m_randomPool.push_back(static_cast<std::int32_t>(generator.bounded(32768)));
    }

    m_catalogs.build();
    QString fontsFile = QDir(m_programDir).filePath(QStringLiteral("fonts.txt"));
    if (!QFileInfo::exists(fontsFile)) fontsFile = QStringLiteral(ZEF_DATA_DIR "/fonts.txt");
    m_catalogs.fonts.loadPreviewFaces(fontsFile);

    setWindowTitle(windowTitle(QString()));
    // A missing or unreadable start-up file is not reported: the window starts
    // empty and keeps the path for a later Save.
    if (loadLayout(m_document, m_document.fileName, false).status == LoadStatus::Loaded)
        updateTitle();
}

void CPellFieldDlg::updateTitle() { setWindowTitle(windowTitle(m_document.fileName)); }

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
    const QVariant value = settings.value(KeyWindowPosition);
    if (!value.canConvert<QByteArray>()) return;
    const auto placement = WindowPlacement::fromBytes(value.toByteArray());
    if (!placement) return;
    // Only the position is restored, never the size; and never a position that
    // would put the window's title bar off every screen.
    const QPoint topLeft(placement->left, placement->top);
    const QRect titleBar(topLeft, QSize(width(), 30));
    bool visible = false;
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(titleBar)) visible = true;
    if (visible) move(topLeft);
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
    settings.setValue(KeyLastFile, m_document.fileName);
    settings.sync();
}

bool CPellFieldDlg::OnClose() {
    if (m_document.isModified()) {
        switch (m_platform.showMessage(QStringLiteral("Do you want to save your changes?"),
                                       MessageButtons::YesNoCancel, MessageIcon::Question)) {
        case MessageAnswer::Yes:
            // A cancelled file dialog or a failed save still closes, as Save
            // was the user's answer; a failure has been told already.
            saveLayout(m_document, false);
            break;
        case MessageAnswer::No: break;
        default: return false;
        }
    }
    writeSettings();
    return true;
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
