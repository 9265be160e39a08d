#include "propertypanel.h"

#include "model/recoloring.h"

#include "catalog/catalogs.h"
#include "catalog/cnumber.h"
#include "catalog/samplevaluetext.h"
#include "cautorepeatbutton.h"
#include "designercontrols.h"
#include "files/layoutfile.h"
#include "listitemtext.h"
#include "model/layoutdocument.h"
#include "model/platform.h"
#include "preview/previewviewstate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace zef {

namespace {

// The coordinate fields of the config string carry -50..973.
constexpr std::int32_t CoordinateMin = -50;
constexpr std::int32_t CoordinateMax = 973;
// The config string's text length is one byte.
constexpr int MaxTextLength = 255;
constexpr int ColorTextLength = 6;

// Sets the flag for the lifetime of the object and restores it afterwards,
// also when filling the controls recurses into another showElement.
class UpdatingGuard {
public:
    explicit UpdatingGuard(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~UpdatingGuard() { m_flag = m_old; }
    UpdatingGuard(const UpdatingGuard&) = delete;
    UpdatingGuard& operator=(const UpdatingGuard&) = delete;

private:
    bool& m_flag;
    bool m_old;
};

QString number(std::int32_t value) {
    return QString::number(value);
}

constexpr NumberField AllFields[] = {
    NumberField::X,      NumberField::Y,      NumberField::X2,       NumberField::Y2,
    NumberField::Radius, NumberField::Stroke, NumberField::NrValues, NumberField::Precision};

const DynamicColorRowControls& dcRow(const DesignerControls& ui, int row) {
    return ui.dcRows[static_cast<std::size_t>(row)];
}

} // namespace

std::int32_t parseDecimal(const QString& text) {
    return cStrtol(text);
}

Bgr parseColorText(const QString& text) {
    return color::fromHexText(text);
}

PropertyPanel::PropertyPanel(LayoutDocument& document, const DesignerControls& ui,
                             PreviewViewState& view, PropertyPanelHost& host, QObject* parent)
    : QObject(parent), m_document(document), m_catalogs(document.catalogs()),
      m_platform(document.platform()), m_ui(ui), m_view(view), m_host(host) {
    m_ui.text->setMaxLength(MaxTextLength);
    m_partWidgets = partWidgets();
}

std::vector<std::pair<PanelPart, QWidget*>> PropertyPanel::partWidgets() const {
    std::vector<std::pair<PanelPart, QWidget*>> parts;
    const auto add = [&parts](PanelPart part, std::initializer_list<QWidget*> widgets) {
        for (QWidget* w : widgets) parts.emplace_back(part, w);
    };
    for (NumberField f : AllFields) {
        const NumberFieldControls& c = fieldControls(f);
        add(fieldInfo(f).part, {c.edit, c.minus, c.plus});
    }
    add(PanelPart::Color, {m_ui.colorEdit, m_ui.colorButton});
    add(PanelPart::DayNight, {m_ui.dayNight});
    add(PanelPart::FixedText, {m_ui.fixedText});
    add(PanelPart::MaxOnly, {m_ui.maxOnly});
    add(PanelPart::ValueTypeList, {m_ui.valueType});
    add(PanelPart::GraphicKindList, {m_ui.graphicKind});
    add(PanelPart::FontList, {m_ui.font});
    add(PanelPart::AlignmentList, {m_ui.alignment});
    add(PanelPart::Text, {m_ui.text});
    add(PanelPart::SampleText, {m_ui.sampleText});
    add(PanelPart::ReplaceColor, {m_ui.replaceColorButton, m_ui.replaceColorEdit});
    add(PanelPart::InvertColor, {m_ui.invertColor});
    for (const DynamicColorRowControls& row : m_ui.dcRows)
        add(PanelPart::DynamicColorRows,
            {row.value, row.colorEdit, row.colorButton, row.hide, row.blink});
    return parts;
}

const PropertyPanel::FieldInfo& PropertyPanel::fieldInfo(NumberField field) {
    using D = DesignerControls;
    using E = LayoutElement;
    // clang-format off
    static const FieldInfo fields[] = {
        // controls     part                  member         previous        lower, upper
        {&D::x,         PanelPart::X,         &E::x,         &E::prevX,      CoordinateMin, CoordinateMax},
        {&D::y,         PanelPart::Y,         &E::y,         &E::prevY,      CoordinateMin, CoordinateMax},
        {&D::x2,        PanelPart::X2,        &E::x2,        &E::prevX2,     CoordinateMin, CoordinateMax},
        {&D::y2,        PanelPart::Y2,        &E::y2,        &E::prevY2,     CoordinateMin, CoordinateMax},
        {&D::radius,    PanelPart::Radius,    &E::radius,    &E::prevRadius, 0,             1023},
        {&D::stroke,    PanelPart::Stroke,    &E::stroke,    &E::prevStroke, 1,             99},
        {&D::nrValues,  PanelPart::NrValues,  &E::nrValues,  nullptr,        1,             8190},
        {&D::precision, PanelPart::Precision, &E::precision, nullptr,        0,             3},
    };
    // clang-format on
    return fields[static_cast<int>(field)];
}

const NumberFieldControls& PropertyPanel::fieldControls(NumberField field) const {
    return m_ui.*fieldInfo(field).controls;
}

QLineEdit* PropertyPanel::numberEdit(NumberField f) const {
    return fieldControls(f).edit;
}

LayoutElement* PropertyPanel::selectedElement() const {
    return m_document.selectedElement();
}

void PropertyPanel::connectControls() {
    for (NumberField f : AllFields) {
        const NumberFieldControls& c = fieldControls(f);
        connect(c.edit, &QLineEdit::textChanged, this, [this, f] { onNumberEdited(f); });
        connect(c.minus, &QPushButton::clicked, this, [this, f] { onStep(f, -1); });
        connect(c.plus, &QPushButton::clicked, this, [this, f] { onStep(f, +1); });
        // Each press of a "-" or "+" is one undo step, however long it is held.
        for (QPushButton* button : {c.minus, c.plus})
            connect(button, &QPushButton::pressed, this, [this] { m_document.finishEdit(); });
    }
    connectEditSteps();
    connect(m_ui.sampleText, &QLineEdit::textChanged, this, &PropertyPanel::onSampleTextEdited);
    connect(m_ui.text, &QLineEdit::textChanged, this, &PropertyPanel::onTextEdited);
    connect(m_ui.colorEdit, &QLineEdit::textChanged, this, &PropertyPanel::onColorEdited);
    connect(m_ui.replaceColorEdit, &QLineEdit::textChanged, this,
            &PropertyPanel::onReplaceColorEdited);
    // Lists and check boxes react to the user only, as their programmatic
    // filling must not write into the element.
    connect(m_ui.font, &QComboBox::activated, this, &PropertyPanel::onFontSelected);
    connect(m_ui.alignment, &QComboBox::activated, this, &PropertyPanel::onAlignmentSelected);
    connect(m_ui.valueType, &QComboBox::activated, this, &PropertyPanel::onValueTypeSelected);
    connect(m_ui.graphicKind, &QComboBox::activated, this, &PropertyPanel::onGraphicKindSelected);
    connect(m_ui.fixedText, &QCheckBox::clicked, this, &PropertyPanel::onFixedTextClicked);
    connect(m_ui.dayNight, &QCheckBox::clicked, this, &PropertyPanel::onDayNightClicked);
    connect(m_ui.maxOnly, &QCheckBox::clicked, this, &PropertyPanel::onMaxOnlyClicked);
    connect(m_ui.invertColor, &QCheckBox::clicked, this, &PropertyPanel::onInvertColorClicked);
    connect(m_ui.colorButton, &QPushButton::clicked, this, &PropertyPanel::onColorButton);
    connect(m_ui.replaceColorButton, &QPushButton::clicked, this,
            &PropertyPanel::onReplaceColorButton);
    connect(m_ui.gotoDynCol, &QPushButton::clicked, this, &PropertyPanel::onGotoDynCol);
    for (int row = 0; row < DynamicColorRows; ++row) {
        const DynamicColorRowControls& c = dcRow(m_ui, row);
        connect(c.value, &QLineEdit::textChanged, this, [this, row] { onDcRowEdited(row); });
        connect(c.colorEdit, &QLineEdit::textChanged, this, [this, row] { onDcRowEdited(row); });
        connect(c.colorButton, &QPushButton::clicked, this, [this, row] { onDcColorButton(row); });
        connect(c.hide, &QCheckBox::clicked, this, [this, row] { onDcHideClicked(row); });
        connect(c.blink, &QCheckBox::clicked, this, [this, row] { onDcBlinkClicked(row); });
    }
}

// Typing into a field is one undo step from its first change until the field
// is left or Enter is pressed (or another command runs, which the window
// sees to). Enter ends the edit and clicks nothing.
void PropertyPanel::connectEditSteps() {
    std::vector<QLineEdit*> edits = {m_ui.colorEdit, m_ui.text, m_ui.sampleText,
                                     m_ui.replaceColorEdit};
    for (NumberField f : AllFields) edits.push_back(numberEdit(f));
    for (const DynamicColorRowControls& row : m_ui.dcRows)
        edits.insert(edits.end(), {row.value, row.colorEdit});
    for (QLineEdit* edit : edits) {
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::editingFinished, this, [this] { m_document.finishEdit(); });
    }
}

bool PropertyPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        m_document.finishEdit();
    return QObject::eventFilter(watched, event);
}

// --- showing an element --------------------------------------------------------

void PropertyPanel::onElementSelected() {
    LayoutElement* e = selectedElement();
    if (!e) return;
    showElement(e);
    m_host.invalidateView(true, true, false, m_view.highlightSelected);
}

void PropertyPanel::selectComboText(QComboBox* box, const QString& text) {
    const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        box->setCurrentIndex(index);
    else if (box->count() > 0)
        box->setCurrentIndex(0);
}

void PropertyPanel::selectEntry(QComboBox* box, const CatalogList& list, std::int32_t position) {
    const auto i = static_cast<std::size_t>(position);
    selectComboText(box, i < list.size() ? list[i].name : QString());
}

void PropertyPanel::showElement(LayoutElement* e) {
    if (!e || e->kind == KindNone) return;
    UpdatingGuard guard(m_updatingControls);
    enableForKind(e->kind);
    switch (e->kind) {
    case KindValue:
        showValue(*e);
        break;
    case KindGraphic:
        showGraphic(*e);
        break;
    case KindDynamicColor:
        showDynamicColor(*e);
        break;
    case KindSeparator:
        m_ui.text->setText(e->text);
        break;
    default:
        break;
    }
    updateLabels();
}

void PropertyPanel::showColor(const LayoutElement& e) {
    m_view.swatchColor = e.color;
    m_ui.colorEdit->setText(ColorToHex(e.color));
}

void PropertyPanel::showValue(const LayoutElement& e) {
    showColor(e);
    m_ui.x.edit->setText(number(e.x));
    m_ui.y.edit->setText(number(e.y));
    selectEntry(m_ui.valueType, m_catalogs.valueTypes.valueTypes, e.valueType);
    m_ui.text->setText(e.text);
    m_ui.stroke.edit->setText(number(e.stroke));
    // The font list keeps its first line when the font is not offered.
    if (const int font = m_ui.font->findText(e.font, Qt::MatchExactly | Qt::MatchCaseSensitive);
        font >= 0)
        m_ui.font->setCurrentIndex(font);
    if (e.hAlignment >= 0 && e.hAlignment < m_ui.alignment->count())
        m_ui.alignment->setCurrentIndex(e.hAlignment);
    m_ui.nrValues.edit->setText(number(e.nrValues));
    m_ui.precision.edit->setText(number(e.precision));
    m_ui.sampleText->setText(e.sampleText);
    m_ui.fixedText->setChecked(e.fixedText);
    m_ui.dayNight->setChecked(e.dayNight);
    m_ui.maxOnly->setChecked(e.maxOnly);
}

void PropertyPanel::showGraphic(LayoutElement& e) {
    showColor(e);
    m_ui.nrValues.edit->setText(number(e.nrValues));
    m_ui.x.edit->setText(number(e.x));
    m_ui.y.edit->setText(number(e.y));
    m_ui.x2.edit->setText(number(e.x2));
    m_ui.y2.edit->setText(number(e.y2));
    m_ui.radius.edit->setText(number(e.radius));
    selectEntry(m_ui.graphicKind, m_catalogs.valueTypes.graphicKinds, e.graphicType);
    selectEntry(m_ui.valueType, m_catalogs.valueTypes.valueTypes, e.valueType);
    m_ui.stroke.edit->setText(number(e.stroke));
    m_ui.dayNight->setChecked(e.dayNight);
    m_ui.maxOnly->setChecked(e.maxOnly);
    // Showing is not editing: a graph's number of values follows its width
    // when the width or stroke is changed, not when it is shown.
    if (isGraph(e.graphicKind())) m_ui.fixedText->setChecked(e.fixedText);
}

void PropertyPanel::showGeometry(LayoutElement& e) {
    UpdatingGuard guard(m_updatingControls);
    const auto show = [](QLineEdit* edit, std::int32_t value) {
        const QString text = number(value);
        if (edit->text() != text) edit->setText(text);
    };
    show(m_ui.x.edit, e.x);
    show(m_ui.y.edit, e.y);
    if (e.kind != KindGraphic) return;
    show(m_ui.x2.edit, e.x2);
    show(m_ui.y2.edit, e.y2);
    show(m_ui.radius.edit, e.radius);
    show(m_ui.nrValues.edit, e.nrValues);
}

void PropertyPanel::showDynamicColor(const LayoutElement& e) {
    m_ui.replaceColorEdit->setText(ColorToHex(e.replaceColor));
    for (int row = 0; row < DynamicColorRows; ++row) showDcRow(e, row);
    m_ui.invertColor->setChecked(e.invertColor);
    m_ui.dayNight->setChecked(false);
    m_ui.maxOnly->setChecked(false);
}

void PropertyPanel::showDcRow(const LayoutElement& e, int row) {
    const DynamicColorRowControls& c = dcRow(m_ui, row);
    c.value->setText(e.dcValue[row] == EmptyDcValue ? QString() : number(e.dcValue[row]));
    c.colorEdit->setText(ColorToHex(e.dcColor[row]));
    m_view.dcSwatchColors[row] = e.dcColor[row];
    c.hide->setChecked(e.dcHide[row]);
    c.blink->setChecked(e.dcBlink[row]);
    c.colorEdit->setEnabled(!e.dcHide[row]);
    c.colorButton->setEnabled(!e.dcHide[row]);
}

// --- enabling ------------------------------------------------------------------

void PropertyPanel::setFieldEnabled(NumberField f, bool enabled) {
    fieldControls(f).edit->setEnabled(enabled);
    setStepButtonsEnabled(f, enabled);
}

void PropertyPanel::setStepButtonsEnabled(NumberField f, bool enabled) {
    fieldControls(f).minus->setEnabled(enabled);
    fieldControls(f).plus->setEnabled(enabled);
}

bool PropertyPanel::maxOnlyOffered() const {
    const DeviceInfo* device = m_document.device();
    return device && device->offers(DeviceClass::Mid);
}

void PropertyPanel::enableForKind(int kind) {
    UpdatingGuard guard(m_updatingControls);
    PanelParts parts = enabledForElementKind(kind);
    if (!maxOnlyOffered()) parts &= ~PanelParts(PanelPart::MaxOnly);
    clearControls(parts.testFlag(PanelPart::DynamicColorRows));
    enableParts(parts);
}

void PropertyPanel::clearControls(bool dynamicColorRows) {
    for (QLineEdit* edit :
         {m_ui.colorEdit, m_ui.x.edit, m_ui.y.edit, m_ui.x2.edit, m_ui.y2.edit, m_ui.radius.edit,
          m_ui.stroke.edit, m_ui.text, m_ui.nrValues.edit, m_ui.precision.edit, m_ui.sampleText}) {
        edit->setEnabled(false);
        edit->clear();
    }
    for (NumberField f : AllFields) setFieldEnabled(f, false);
    m_ui.colorButton->setEnabled(false);
    for (QComboBox* box : {m_ui.valueType, m_ui.graphicKind, m_ui.font, m_ui.alignment}) {
        box->setEnabled(false);
        if (box->count() > 0) box->setCurrentIndex(0);
    }
    for (QCheckBox* box : {m_ui.fixedText, m_ui.dayNight, m_ui.maxOnly, m_ui.invertColor}) {
        box->setEnabled(false);
        box->setChecked(false);
    }
    m_ui.replaceColorButton->setEnabled(false);
    m_ui.replaceColorEdit->setEnabled(false);
    m_ui.replaceColorEdit->clear();
    m_ui.gotoDynCol->setEnabled(false);
    m_ui.colorEdit->setMaxLength(ColorTextLength);
    // The rows are never disabled on the way to showing another dynamic
    // colour, so that a row edit keeps the keyboard focus.
    for (const DynamicColorRowControls& row : m_ui.dcRows) clearDcRow(row, dynamicColorRows);
    m_view.dcSwatchColors.fill(0);
}

void PropertyPanel::clearDcRow(const DynamicColorRowControls& row, bool enabled) {
    row.colorEdit->setMaxLength(ColorTextLength);
    row.value->clear();
    row.colorEdit->clear();
    row.hide->setChecked(false);
    row.blink->setChecked(false);
    for (QWidget* w : std::initializer_list<QWidget*>{row.value, row.colorEdit, row.colorButton,
                                                      row.hide, row.blink})
        w->setEnabled(enabled);
}

void PropertyPanel::enableParts(PanelParts parts) {
    for (const auto& [part, widget] : m_partWidgets)
        if (parts.testFlag(part)) widget->setEnabled(true);
}

int PropertyPanel::graphicKindInList() const {
    return ValueTypeCatalog::positionByName(m_catalogs.valueTypes.graphicKinds,
                                            m_ui.graphicKind->currentText());
}

void PropertyPanel::updateLabels() {
    LayoutElement* e = selectedElement();
    if (!e) return;
    showLabels(panelLabels(e->graphicKind()));
    m_ui.gotoDynCol->setEnabled(isRecoloured(e->color));
    if (e->kind == KindValue)
        updateValueText(*e);
    else if (e->kind == KindGraphic)
        enableForGraphicKind(*e);
}

void PropertyPanel::showLabels(const PanelLabels& labels) {
    m_ui.x2.label->setText(QString::fromUtf8(labels.x2));
    m_ui.y2.label->setText(QString::fromUtf8(labels.y2));
    m_ui.radius.label->setText(
        QString::fromUtf8(m_ui.fixedText->isChecked() ? labels.radiusAtMinimum : labels.radius));
    m_ui.maxOnly->setText(QString::fromUtf8(labels.maxOnly));
    m_ui.fixedText->setText(QString::fromUtf8(labels.fixedText));
}

// A value's Text shows its pattern; a fixed text has no number format.
void PropertyPanel::updateValueText(LayoutElement& e) {
    const QString t = valueElementText(e, TextMode::Edit, m_catalogs.valueTypes);
    m_ui.text->setText(t);
    m_ui.text->setEnabled(!t.isEmpty() || e.fixedText);
    setStepButtonsEnabled(NumberField::NrValues, !e.fixedText);
    m_ui.precision.edit->setEnabled(!e.fixedText);
    const auto i = static_cast<std::size_t>(e.valueType);
    const int id =
        i < m_catalogs.valueTypes.valueTypes.size() ? m_catalogs.valueTypes.valueTypes[i].id : 0;
    const bool sample = ValueTypeCatalog::hasSampleReading(id);
    m_ui.sampleText->setEnabled(!e.fixedText && sample);
    if (!sample) {
        m_ui.sampleText->clear();
    } else {
        // The text above may have given the element its value type's sample;
        // the element holds it already.
        UpdatingGuard guard(m_updatingControls);
        m_ui.sampleText->setText(e.sampleText);
    }
}

// The graphic kind chosen in the list decides which geometry fields apply.
void PropertyPanel::enableForGraphicKind(const LayoutElement& e) {
    m_ui.text->setEnabled(false);
    setStepButtonsEnabled(NumberField::NrValues, !e.fixedText);
    const GraphicKindPanel* kind = graphicKindPanel(graphicKindAt(graphicKindInList()));
    if (!kind) return; // nothing else is known: leave as it is
    for (NumberField f :
         {NumberField::Stroke, NumberField::X2, NumberField::Y2, NumberField::Radius})
        setFieldEnabled(f, kind->enabled.testFlag(fieldInfo(f).part));
    if (kind->graph) {
        setStepButtonsEnabled(NumberField::NrValues, false);
        m_ui.fixedText->setEnabled(true);
    }
}

void PropertyPanel::fillDeviceLists(const DeviceInfo* device) {
    UpdatingGuard guard(m_updatingControls);
    QComboBox* valueTypes = m_ui.valueType;
    QComboBox* graphicKinds = m_ui.graphicKind;
    QComboBox* fonts = m_ui.font;
    valueTypes->clear();
    graphicKinds->clear();
    fonts->clear();
    if (!device) return;
    const auto& vt = m_catalogs.valueTypes;
    valueTypes->addItems(ValueTypeCatalog::offeredNames(vt.valueTypes, *device));
    valueTypes->setCurrentIndex(-1);
    graphicKinds->addItems(ValueTypeCatalog::offeredNames(vt.graphicKinds, *device));
    graphicKinds->setCurrentIndex(-1);
    fonts->addItems(m_catalogs.fonts.offeredFontSlots(*device, vt.fontSlots));
    if (fonts->count() > 0) fonts->setCurrentIndex(0);
}

// --- helpers -----------------------------------------------------------------

bool PropertyPanel::isRecoloured(Bgr color) const {
    return isRecolored(m_document.elements(), color);
}

void PropertyPanel::refreshSelectedLine() {
    m_host.refreshLine(m_document.selection());
}
void PropertyPanel::repaintElement() {
    m_host.invalidateView(false, false, true, false);
}
void PropertyPanel::repaintAll() {
    m_host.invalidateView(true, true, false, true);
}

void PropertyPanel::recomputeGraphValues(LayoutElement& e) {
    const std::int32_t before = e.nrValues;
    followGraphWidth(e);
    if (e.nrValues != before) m_ui.nrValues.edit->setText(number(e.nrValues));
}

// --- handlers ------------------------------------------------------------------

void PropertyPanel::onNumberEdited(NumberField field) {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    const LayoutDocument::EditScope step(m_document, numberEdit(field));
    const FieldInfo& info = fieldInfo(field);
    const std::int32_t value = parseDecimal(fieldControls(field).edit->text());
    switch (field) {
    case NumberField::NrValues:
        e->nrValues = value;
        m_document.commit();
        return;
    case NumberField::Precision:
        e->precision = value;
        recomputeGraphValues(*e);
        repaintAll();
        return;
    default:
        // The old geometry is repainted too.
        e->*info.previous = e->*info.member;
        e->*info.member = value;
        recomputeGraphValues(*e);
        repaintElement();
        return;
    }
}

void PropertyPanel::onStep(NumberField field, int delta) {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    const FieldInfo& info = fieldInfo(field);
    const std::int32_t value = e->*info.member;
    if (delta < 0 ? value <= info.lower : value >= info.upper) return;
    const std::int32_t next = value + (delta < 0 ? -1 : 1);
    if (field == NumberField::NrValues && delta > 0) e->nrValues = next;
    fieldControls(field).edit->setText(number(next));
}

void PropertyPanel::onSampleTextEdited() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    const LayoutDocument::EditScope step(m_document, m_ui.sampleText);
    e->sampleText = m_ui.sampleText->text();
    repaintAll();
}

void PropertyPanel::onTextEdited() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    const LayoutDocument::EditScope step(m_document, m_ui.text);
    const QString text = m_ui.text->text();
    // A longer text from a file shows cut to the edit's limit; showing it is
    // no edit, so the element keeps the whole text.
    if (e->text.size() > MaxTextLength && text == e->text.left(MaxTextLength)) return;
    e->text = text;
    if (e->fixedText || e->kind == KindSeparator) refreshSelectedLine();
    if (e->kind != KindSeparator) repaintAll();
}

void PropertyPanel::onFontSelected() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    e->font = m_ui.font->currentText();
    repaintAll();
}

void PropertyPanel::onAlignmentSelected() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    e->hAlignment = m_ui.alignment->currentIndex();
    repaintAll();
}

void PropertyPanel::onValueTypeSelected() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    const auto& types = m_catalogs.valueTypes.valueTypes;
    e->valueType = ValueTypeCatalog::positionByName(types, m_ui.valueType->currentText());
    if (e->fixedText) {
        // The value type of a fixed text only drives its dynamic colour.
        if (!m_catalogs.valueTypes.isNoValueType(e->valueType) && !isRecoloured(e->color))
            m_platform.showMessage(QStringLiteral("You will have to set a dynamic color to this "
                                                  "element for the valuetype to take effect!"),
                                   MessageButtons::Ok, MessageIcon::None);
    } else {
        // updateLabels fills them from the new value type.
        e->text.clear();
        e->sampleText.clear();
    }
    refreshSelectedLine();
    updateLabels();
    repaintAll();
}

void PropertyPanel::onGraphicKindSelected() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    const GraphicKind previous = e->graphicKind();
    e->graphicType = graphicKindInList();
    adaptToGraphicKind(*e, previous);
    {
        UpdatingGuard guard(m_updatingControls);
        showGraphic(*e);
    }
    refreshSelectedLine();
    updateLabels();
    repaintAll();
}

void PropertyPanel::onFixedTextClicked() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    e->fixedText = m_ui.fixedText->isChecked();
    if (e->fixedText) m_ui.text->setEnabled(true);
    refreshSelectedLine();
    updateLabels();
    repaintAll();
}

void PropertyPanel::onDayNightClicked() {
    if (m_updatingControls) return;
    editFlag(&LayoutElement::dayNight, m_ui.dayNight->isChecked());
}

void PropertyPanel::onMaxOnlyClicked() {
    if (m_updatingControls) return;
    editFlag(&LayoutElement::maxOnly, m_ui.maxOnly->isChecked());
}

void PropertyPanel::onInvertColorClicked() {
    if (m_updatingControls) return;
    editFlag(&LayoutElement::invertColor, m_ui.invertColor->isChecked());
}

void PropertyPanel::editFlag(bool LayoutElement::*flag, bool on) {
    // A click of a box is a step of its own, not part of a field's typing.
    m_document.finishEdit();
    m_document.editElement(m_document.selection(), [flag, on](LayoutElement& e) { e.*flag = on; });
}

void PropertyPanel::onColorEdited() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    const LayoutDocument::EditScope step(m_document, m_ui.colorEdit);
    const QString text = m_ui.colorEdit->text();
    if (text.size() != ColorTextLength) return;
    e->color = parseColorText(text);
    m_view.swatchColor = e->color;
    m_ui.gotoDynCol->setEnabled(isRecoloured(e->color));
    refreshSelectedLine();
    repaintAll();
}

void PropertyPanel::onColorButton() {
    if (const auto color = m_platform.pickColor(0)) {
        m_view.swatchColor = *color;
        if (LayoutElement* e = selectedElement()) {
            e->color = *color;
            m_ui.colorEdit->setText(ColorToHex(*color));
        }
    }
    repaintAll();
}

void PropertyPanel::onReplaceColorEdited() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    const LayoutDocument::EditScope step(m_document, m_ui.replaceColorEdit);
    const Bgr color = parseColorText(m_ui.replaceColorEdit->text());
    if (color == e->replaceColor) return;
    e->replaceColor = color;
    m_host.refreshCommand();
}

void PropertyPanel::onReplaceColorButton() {
    const auto color = m_platform.pickColor(0);
    LayoutElement* e = selectedElement();
    if (!color || !e) return;
    // Through the edit, so that the rows whose "*" mark changes are rebuilt as
    // when the colour is typed.
    const bool changed = e->replaceColor != *color;
    {
        const QSignalBlocker blocker(m_ui.replaceColorEdit);
        m_ui.replaceColorEdit->setText(ColorToHex(*color));
    }
    e->replaceColor = *color;
    if (changed)
        m_host.refreshCommand();
    else
        repaintAll();
}

void PropertyPanel::onDcRowEdited(int row) {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    const DynamicColorRowControls& c = dcRow(m_ui, row);
    const LayoutDocument::EditScope step(m_document, &c);
    const QString value = c.value->text();
    e->dcValue[row] = value.isEmpty() ? EmptyDcValue : parseDecimal(value);
    const QString color = c.colorEdit->text();
    if (color.size() != ColorTextLength) return;
    e->dcColor[row] = parseColorText(color);
    m_view.dcSwatchColors[row] = e->dcColor[row];
    refreshSelectedLine();
    m_host.invalidateView(false, true, false, false);
}

void PropertyPanel::onDcColorButton(int row) {
    const auto color = m_platform.pickColor(0);
    if (!color) return;
    m_view.dcSwatchColors[row] = *color;
    dcRow(m_ui, row).colorEdit->setText(ColorToHex(*color));
    m_host.invalidateView(false, true, false, false);
}

void PropertyPanel::onDcHideClicked(int row) {
    if (m_updatingControls || !selectedElement()) return;
    const DynamicColorRowControls& c = dcRow(m_ui, row);
    const bool hide = c.hide->isChecked();
    c.colorEdit->setEnabled(!hide);
    c.colorButton->setEnabled(!hide);
    m_document.finishEdit();
    m_document.editElement(m_document.selection(),
                           [row, hide](LayoutElement& e) { e.dcHide[row] = hide; });
}

void PropertyPanel::onDcBlinkClicked(int row) {
    if (m_updatingControls || !selectedElement()) return;
    const bool blink = dcRow(m_ui, row).blink->isChecked();
    m_document.finishEdit();
    m_document.editElement(m_document.selection(),
                           [row, blink](LayoutElement& e) { e.dcBlink[row] = blink; });
}

void PropertyPanel::onGotoDynCol() {
    const LayoutElement* e = selectedElement();
    if (!e) return;
    const int row = recoloringRow(m_document.elements(), e->color);
    if (row < 0) return;
    m_host.selectListRow(row);
    onElementSelected();
}

void PropertyPanel::toggleDayNight() {
    LayoutElement* e = selectedElement();
    if (!e || !m_ui.dayNight->isEnabled()) return;
    m_ui.dayNight->setChecked(!e->dayNight);
    if (m_updatingControls) return;
    editFlag(&LayoutElement::dayNight, m_ui.dayNight->isChecked());
}

void PropertyPanel::moveFirstPointTo(int x, int y) {
    LayoutElement* e = selectedElement();
    if (!e) return;
    e->prevX = e->x;
    e->prevY = e->y;
    e->x = x;
    e->y = y;
    // The edits' own handlers store the point again and keep a graph's
    // number of values in step.
    m_ui.x.edit->setText(number(x));
    m_ui.y.edit->setText(number(y));
    m_host.invalidateView(true, true, false, true);
}

void PropertyPanel::moveSecondPointTo(int x, int y) {
    LayoutElement* e = selectedElement();
    if (!e) return;
    e->prevX2 = e->x2;
    e->prevY2 = e->y2;
    e->x2 = x;
    e->y2 = y;
    m_ui.x2.edit->setText(number(x));
    m_ui.y2.edit->setText(number(y));
    m_host.invalidateView(true, true, false, true);
}

void PropertyPanel::selectValueTypeEntry(int entry) {
    QComboBox* box = m_ui.valueType;
    if (entry < 0 || entry >= box->count()) return;
    box->setCurrentIndex(entry);
    onValueTypeSelected();
    box->setFocus();
}

} // namespace zef
