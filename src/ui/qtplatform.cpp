#include "qtplatform.h"

#include "cli/consoleplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTextStream>

namespace zef {

MessageAnswer QtPlatform::showMessage(const QString& text, MessageButtons buttons,
                                      MessageIcon icon) {
    if (m_unattended) {
        // Said as the command line says it: one escaped line on stderr, and the
        // cautious answer to a question.
        m_unattendedMessages << text;
        QTextStream err(stderr);
        return ConsolePlatform(err).showMessage(text, buttons, icon);
    }
    QMessageBox box(m_parent);
    box.setWindowTitle(QApplication::applicationDisplayName().isEmpty()
                           ? QStringLiteral("ZEF Designer")
                           : QApplication::applicationDisplayName());
    box.setText(text);
    switch (icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MessageButtons::ReplaceSaveAsCancel: {
        QPushButton* replace =
            box.addButton(QStringLiteral("&Replace"), QMessageBox::DestructiveRole);
        QPushButton* saveAs = box.addButton(QStringLiteral("&Save As..."), QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(saveAs);
        box.exec();
        if (box.clickedButton() == replace) return MessageAnswer::Replace;
        if (box.clickedButton() == saveAs) return MessageAnswer::SaveAs;
        return MessageAnswer::Cancel;
    }
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Cancel;
    }
}

QString QtPlatform::getOpenFileName(const QString& directory, const QString& filter) {
    return QFileDialog::getOpenFileName(m_parent, QString(), directory, filter);
}

QString QtPlatform::getSaveFileName(const QString& suggestedPath, const QString& filter,
                                    const QString& defaultSuffix) {
    QFileDialog dialog(m_parent, QString(), suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (QFileInfo(suggestedPath).isFile()) dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<Bgr> QtPlatform::pickColor(Bgr initial) {
    const QColor c = QColorDialog::getColor(QColor::fromRgb(color::toArgb(initial)), m_parent);
    if (!c.isValid()) return std::nullopt;
    return color::fromArgb(c.rgb());
}

QString QtPlatform::clipboardText() {
    return QApplication::clipboard()->text();
}

void QtPlatform::setClipboardText(const QString& text) {
    QApplication::clipboard()->setText(text);
}

} // namespace zef
