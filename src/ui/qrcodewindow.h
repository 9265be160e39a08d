#pragma once

#include <QDialog>

class QLabel;

namespace zef {

// File > Show config string as QR code: the string that Copy to clipboard
// gives, as a QR code large enough to scan from the screen, with its length;
// or, for a string too long for one code, a sentence saying so.
class QrCodeWindow : public QDialog {
    Q_OBJECT
public:
    explicit QrCodeWindow(QWidget* parent = nullptr);

    void showString(const QString& configString);

    // The code as shown (null when the string does not fit one code).
    QImage code() const;
    QString lengthText() const;

private:
    QLabel* m_code;
    QLabel* m_length;
};

} // namespace zef
