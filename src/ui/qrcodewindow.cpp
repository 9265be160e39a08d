#include "qrcodewindow.h"

#include "cli/qrcodeimage.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace zef {

namespace {

// Phones read a code on a screen best at about 4 or more pixels a module; the
// window keeps the code within the screen.
constexpr int MinModulePixels = 3;
constexpr int MaxModulePixels = 10;
constexpr int PreferredSide = 600;

} // namespace

QrCodeWindow::QrCodeWindow(QWidget* parent)
    : QDialog(parent), m_code(new QLabel(this)), m_length(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Config string as QR code"));
    m_code->setAlignment(Qt::AlignCenter);
    m_length->setWordWrap(true);
    m_length->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_code, 1);
    layout->addWidget(m_length);
    layout->addWidget(buttons);
}

void QrCodeWindow::showString(const QString& configString) {
    // At one pixel a module: the code's size in modules, quiet zone included
    // (21 + 8 to 177 + 8).
    const QrCodeImage probe = qrCodeImage(configString, 1);
    if (probe.image.isNull()) {
        m_code->clear();
        m_code->hide();
        m_length->setText(probe.error);
        adjustSize();
        return;
    }
    // About PreferredSide pixels, less on a small screen (room for the
    // window's frame, the length line and the button).
    int target = PreferredSide;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        target = std::min(target, screen->availableGeometry().height() - 200);
    const int modulePixels =
        std::clamp(target / probe.image.width(), MinModulePixels, MaxModulePixels);
    m_code->setPixmap(QPixmap::fromImage(qrCodeImage(configString, modulePixels).image));
    m_code->show();
    m_length->setText(qrCodeLengthText(configString));
    adjustSize();
}

QImage QrCodeWindow::code() const {
    return m_code->pixmap().toImage();
}

QString QrCodeWindow::lengthText() const {
    return m_length->text();
}

} // namespace zef
