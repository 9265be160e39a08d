#pragma once

#include "model/platform.h"

class QWidget;

namespace zef {

// The platform facilities through Qt's message boxes, file dialogs, colour
// dialog and clipboard.
class QtPlatform : public Platform {
public:
    void setParentWidget(QWidget* parent) { m_parent = parent; }

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
};

} // namespace zef
