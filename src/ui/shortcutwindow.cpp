#include "shortcutwindow.h"

#include "editorcommand.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zef {

ShortcutWindow::ShortcutWindow(QWidget* parent) : QDialog(parent), m_table(new QTableWidget(this)) {
    setWindowTitle(QStringLiteral("Keyboard shortcuts"));

    const QStringList headers{QStringLiteral("Keys"), QStringLiteral("Where"),
                              QStringLiteral("Command"), QStringLiteral("What it does")};
    m_table->setColumnCount(static_cast<int>(headers.size()));
    m_table->setHorizontalHeaderLabels(headers);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(false);
    for (const CommandRow& row : editorCommands()) {
        if (!row.hasKeys()) continue;
        const int r = m_table->rowCount();
        m_table->insertRow(r);
        const QString cells[] = {keysText(row), scopeText(row.scope), row.plainText(),
                                 QString::fromUtf8(row.toolTip)};
        for (int c = 0; c < static_cast<int>(std::size(cells)); ++c)
            m_table->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);

    auto* note = new QLabel(
        QStringLiteral("The \"-\" and \"+\" buttons and Up/Down repeat while held (after 700 ms, "
                       "every 100 ms). In an edit field, Enter ends the edit: the keys typed "
                       "there since it was entered are one undo step."),
        this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(note);
    layout->addWidget(buttons);
    resize(900, 620);
}

} // namespace zef
