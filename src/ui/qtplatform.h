#pragma once

#include "model/platform.h"

#include <QStringList>

class QWidget;

namespace zef {

// The platform facilities through Qt's message boxes, file dialogs, colour
// dialog and clipboard.
class QtPlatform : public Platform {
public:
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    // While unattended (the process is ending on a signal, or has lost its
    // display), nothing may wait for a user: a message goes to the standard
    // error and is kept (unattendedMessages()), and a question gets its
    // cautious answer (No, Cancel) without being shown.
    void setUnattended(bool on) { m_unattended = on; }
    const QStringList& unattendedMessages() const { return m_unattendedMessages; }

    MessageAnswer showMessage(const QString& text, MessageButtons buttons,
                              MessageIcon icon) override;
    QString getOpenFileName(const QString& directory, const QString& filter) override;
    QString getSaveFileName(const QString& suggestedPath, const QString& filter,
                            const QString& defaultSuffix) override;
    std::optional<Bgr> pickColor(Bgr initial) override;
    QString clipboardText() override;
    void setClipboardText(const QString& text) override;

private:
    QWidget* m_parent = nullptr;
    bool m_unattended = false;
    QStringList m_unattendedMessages;
};

} // namespace zef
