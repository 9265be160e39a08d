#include "layoutcheckview.h"

#include "elementlistmodel.h"
#include "findingsline.h"
#include "model/layoutdocument.h"
#include "preview/previewrenderer.h"

#include <QAction>
#include <QCheckBox>
#include <QWidget>

namespace zef {

namespace {

// The band between the bottom of the preview (client y 854) and the frame of
// its group box: the findings line on the left, the toggles on the right. It
// is 12 pixels high, so its texts are a pixel smaller than the window's.
constexpr QRect LineRect{651, 854, 330, 12};
constexpr QRect OutlinesBoxRect{1010, 854, 96, 12};
constexpr QRect WidestValuesBoxRect{1112, 854, 90, 12};
constexpr int BandFontPixels = 10;
constexpr int BandIndicatorPixels = 10;

void fitBand(QWidget* widget) {
    QFont font = widget->font();
    font.setPixelSize(BandFontPixels);
    widget->setFont(font);
}

QAction* toggle(const QString& text, const QKeySequence& shortcut, const QString& tip, bool checked,
                QObject* parent) {
    auto* action = new QAction(text, parent);
    action->setCheckable(true);
    action->setChecked(checked);
    action->setShortcut(shortcut);
    action->setToolTip(
        QStringLiteral("%1 (%2)").arg(tip, shortcut.toString(QKeySequence::NativeText)));
    return action;
}

// A check box that shows an action's state and toggles it.
QCheckBox* checkBoxFor(QAction* action, const QRect& place, QWidget* parent) {
    auto* box = new QCheckBox(action->text(), parent);
    box->setGeometry(place);
    fitBand(box);
    box->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }")
                           .arg(BandIndicatorPixels));
    box->setChecked(action->isChecked());
    box->setToolTip(action->toolTip());
    box->setFocusPolicy(Qt::NoFocus);
    QObject::connect(box, &QCheckBox::toggled, action, &QAction::setChecked);
    QObject::connect(action, &QAction::toggled, box, &QCheckBox::setChecked);
    return box;
}

} // namespace

LayoutCheckView::LayoutCheckView(LayoutDocument& document, PreviewRenderer& renderer,
                                 ElementListModel& list, QWidget* window)
    : QObject(window), m_document(document), m_renderer(renderer), m_list(list), m_window(window),
      m_check(std::make_unique<LayoutCheck>(document.catalogs(), renderer.faces())) {
    m_due.setSingleShot(true);
    m_due.setInterval(0);
    connect(&m_due, &QTimer::timeout, this, &LayoutCheckView::run);

    // Changes the document announces itself; the property panel's edits
    // arrive through schedule(), called with every repaint request.
    LayoutDocument* doc = &m_document;
    for (auto signal : {&LayoutDocument::linesReset, &LayoutDocument::viewInvalidated})
        connect(doc, signal, this, &LayoutCheckView::schedule);
    for (auto signal : {&LayoutDocument::lineInserted, &LayoutDocument::lineRemoved,
                        &LayoutDocument::lineChanged, &LayoutDocument::deviceChanged})
        connect(doc, signal, this, &LayoutCheckView::schedule);

    m_outlines =
        toggle(QStringLiteral("Outline findings"), QKeySequence(QStringLiteral("Ctrl+Shift+F")),
               QStringLiteral("Outline on the preview what the layout check found"), true, this);
    m_widestValues =
        toggle(QStringLiteral("Widest values"), QKeySequence(QStringLiteral("Ctrl+Shift+W")),
               QStringLiteral("Draw every value with its widest digits, as the check measures it"),
               false, this);
    window->addAction(m_outlines);
    window->addAction(m_widestValues);
    connect(m_outlines, &QAction::toggled, this, &LayoutCheckView::showOutlines);
    connect(m_widestValues, &QAction::toggled, this, &LayoutCheckView::setWidestValues);

    m_line = new FindingsLine(window);
    m_line->setGeometry(LineRect);
    m_line->setIconSize(QSize(BandFontPixels, BandFontPixels));
    fitBand(m_line);
    connect(m_line, &FindingsLine::elementChosen, this, &LayoutCheckView::elementChosen);
    m_outlinesBox = checkBoxFor(m_outlines, OutlinesBoxRect, window);
    m_widestValuesBox = checkBoxFor(m_widestValues, WidestValuesBoxRect, window);
}

LayoutCheckView::~LayoutCheckView() = default;

void LayoutCheckView::schedule() {
    if (m_held) {
        m_pending = true;
        return;
    }
    if (!m_due.isActive()) m_due.start();
}

void LayoutCheckView::setHeld(bool held) {
    m_held = held;
    if (held) {
        // The outlines would stay where the findings were before: they are
        // away until the check has run again.
        if (!m_renderer.viewState().outlines.empty()) {
            m_renderer.viewState().outlines.clear();
            repaintPreview();
        }
        return;
    }
    if (m_pending)
        schedule();
    else
        showOutlines();
}

const std::vector<Finding>& LayoutCheckView::findings() {
    if (m_due.isActive() || m_pending) run();
    return m_findings;
}

void LayoutCheckView::run() {
    m_due.stop();
    m_pending = false;
    const DeviceInfo* device = m_document.device();
    std::vector<Finding> findings;
    if (device) findings = m_check->run(m_document.elements(), *device);
    const bool changed = findings != m_findings;
    m_findings = std::move(findings);
    // The list builds rows anew without their marks (a load, an undo): it is
    // told every time, and redraws only the rows whose marks change.
    m_list.setFindings(m_findings);
    if (changed) m_line->setFindings(m_findings);
    showOutlines();
}

void LayoutCheckView::showOutlines() {
    std::vector<QRectF> outlines;
    // During a drag the findings are of a place the elements are leaving (a
    // run asked for by the list or the findings line included).
    if (m_outlines->isChecked() && !m_held)
        for (const Finding& finding : m_findings)
            if (!finding.area.isNull()) outlines.push_back(finding.area);
    std::vector<QRectF>& shown = m_renderer.viewState().outlines;
    if (outlines == shown) return;
    shown = std::move(outlines);
    repaintPreview();
}

void LayoutCheckView::setWidestValues(bool on) {
    m_renderer.viewState().widestValues = on;
    repaintPreview();
}

void LayoutCheckView::repaintPreview() {
    for (const QRect& r : m_renderer.requestRepaint(false, false, false, true)) m_window->update(r);
}

} // namespace zef
