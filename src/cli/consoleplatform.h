#pragma once

#include "model/platform.h"

#include <QString>

class QTextStream;

namespace zef {

// A platform for commands run without a window: every message box becomes one
// error line on a stream (stderr, printError), questions are answered No, dialogs are cancelled
// and the clipboard is empty.
class ConsolePlatform : public Platform {
public:
    explicit ConsolePlatform(QTextStream& err) : m_err(err) {}

    MessageAnswer showMessage(const QString& text, MessageButtons buttons,
                              MessageIcon icon) override;
    QString getOpenFileName(const QString&, const QString&) override { return {}; }
    QString getSaveFileName(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<Bgr> pickColor(Bgr) override { return std::nullopt; }
    QString clipboardText() override { return {}; }
    void setClipboardText(const QString&) override {}

private:
    QTextStream& m_err;
};

} // namespace zef
