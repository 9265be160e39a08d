#include "findingsline.h"

#include <QMenu>
#include <QPainter>
#include <QStyle>

namespace zef {

FindingsLine::FindingsLine(QWidget* parent) : QToolButton(parent), m_menu(new QMenu(this)) {
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    connect(this, &QToolButton::clicked, this, &FindingsLine::showFindings);
    setFindings({});
}

QString FindingsLine::countText(std::size_t count) {
    if (count == 0) return QStringLiteral("No findings");
    if (count == 1) return QStringLiteral("1 finding");
    return QStringLiteral("%1 findings").arg(count);
}

void FindingsLine::setFindings(const std::vector<Finding>& findings) {
    m_findings = findings;
    setText(countText(m_findings.size()));
    setIcon(m_findings.empty() ? QIcon() : style()->standardIcon(QStyle::SP_MessageBoxWarning));
    setToolTip(
        m_findings.empty()
            ? QStringLiteral("The layout check finds nothing that will not show on the device")
            : QStringLiteral("What will not show on the device: click to list it"));
    setCursor(m_findings.empty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
    // A list shown for the findings before is out of date now.
    if (m_menu->isVisible()) m_menu->close();
}

void FindingsLine::fillMenu() {
    m_menu->clear();
    for (const Finding& finding : m_findings) {
        const int element = finding.element;
        m_menu->addAction(findingLine(finding), this,
                          [this, element] { emit elementChosen(element); });
    }
}

void FindingsLine::showFindings() {
    if (m_findings.empty()) return;
    fillMenu();
    // The line sits at the bottom of the window: the list opens above it.
    const QSize size = m_menu->sizeHint();
    m_menu->popup(mapToGlobal(QPoint(0, -size.height())));
}

void FindingsLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect textRect = rect();
    if (!icon().isNull()) {
        const QSize size = iconSize();
        icon().paint(&painter, QRect(QPoint(0, (height() - size.height()) / 2), size));
        textRect.setLeft(size.width() + 3);
    }
    QFont font = this->font();
    font.setUnderline(!m_findings.empty() && underMouse());
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
}

} // namespace zef
