#include "propertypanel.h"

#include "catalog/cnumber.h"

#include "catalog/catalogs.h"
#include "catalog/samplevaluetext.h"
#include "dialogtemplate.h"
#include "files/layoutfile.h"
#include "listitemtext.h"
#include "model/layoutdocument.h"
#include "model/platform.h"
#include "preview/previewviewstate.h"

#include <QCheckBox>
#include <QComboBox>
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

const QString FixedTextCode = QStringLiteral("FX");

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

} // namespace

std::int32_t parseDecimal(const QString& text) {
    return cStrtol(text);
}

Bgr parseColorText(const QString& text) {
    return color::fromHexText(text);
}

PropertyPanel::PropertyPanel(LayoutDocument& document, const DialogControls& controls,
                             PreviewViewState& view, PropertyPanelHost& host, QObject* parent)
    : QObject(parent), m_document(document), m_catalogs(document.catalogs()),
      m_platform(document.platform()), m_controls(controls), m_view(view), m_host(host) {
    edit(IdcText)->setMaxLength(MaxTextLength);
}

const PropertyPanel::FieldInfo& PropertyPanel::fieldInfo(NumberField field) {
    static const FieldInfo fields[] = {
        {IdcX, IdcXMinus, IdcXPlus, &LayoutElement::x, &LayoutElement::prevX, CoordinateMin,
         CoordinateMax},
        {IdcY, IdcYMinus, IdcYPlus, &LayoutElement::y, &LayoutElement::prevY, CoordinateMin,
         CoordinateMax},
        {IdcX2, IdcX2Minus, IdcX2Plus, &LayoutElement::x2, &LayoutElement::prevX2, CoordinateMin,
         CoordinateMax},
        {IdcY2, IdcY2Minus, IdcY2Plus, &LayoutElement::y2, &LayoutElement::prevY2, CoordinateMin,
         CoordinateMax},
        {IdcRadius, IdcRadiusMinus, IdcRadiusPlus, &LayoutElement::radius,
         &LayoutElement::prevRadius, 0, 1023},
        {IdcStroke, IdcStrokeMinus, IdcStrokePlus, &LayoutElement::stroke,
         &LayoutElement::prevStroke, 1, 99},
        {IdcNrValues, IdcNrValuesMinus, IdcNrValuesPlus, &LayoutElement::nrValues, nullptr, 1,
         8190},
        {IdcPrecision, IdcPrecisionMinus, IdcPrecisionPlus, &LayoutElement::precision, nullptr, 0,
         3},
    };
    return fields[static_cast<int>(field)];
}

QLineEdit* PropertyPanel::edit(int id) const {
    return m_controls.get<QLineEdit>(id);
}
QPushButton* PropertyPanel::button(int id) const {
    return m_controls.get<QPushButton>(id);
}
QComboBox* PropertyPanel::combo(int id) const {
    return m_controls.get<QComboBox>(id);
}
QCheckBox* PropertyPanel::check(int id) const {
    return m_controls.get<QCheckBox>(id);
}
QLabel* PropertyPanel::label(int id) const {
    return m_controls.get<QLabel>(id);
}
QLineEdit* PropertyPanel::numberEdit(NumberField field) const {
    return edit(fieldInfo(field).edit);
}

LayoutElement* PropertyPanel::selectedElement() const {
    return m_document.selectedElement();
}

void PropertyPanel::connectControls() {
    constexpr NumberField fields[] = {
        NumberField::X,      NumberField::Y,      NumberField::X2,       NumberField::Y2,
        NumberField::Radius, NumberField::Stroke, NumberField::NrValues, NumberField::Precision};
    for (NumberField f : fields) {
        const FieldInfo& info = fieldInfo(f);
        connect(edit(info.edit), &QLineEdit::textChanged, this, [this, f] { onNumberEdited(f); });
        connect(button(info.minus), &QPushButton::clicked, this, [this, f] { onStep(f, -1); });
        connect(button(info.plus), &QPushButton::clicked, this, [this, f] { onStep(f, +1); });
    }
    connect(edit(IdcSampleText), &QLineEdit::textChanged, this, &PropertyPanel::onSampleTextEdited);
    connect(edit(IdcText), &QLineEdit::textChanged, this, &PropertyPanel::onTextEdited);
    connect(edit(IdcColorEdit), &QLineEdit::textChanged, this, &PropertyPanel::onColorEdited);
    connect(edit(IdcReplaceColorEdit), &QLineEdit::textChanged, this,
            &PropertyPanel::onReplaceColorEdited);
    // Lists and check boxes react to the user only, as their programmatic
    // filling must not write into the element.
    connect(combo(IdcFont), &QComboBox::activated, this, &PropertyPanel::onFontSelected);
    connect(combo(IdcAlignment), &QComboBox::activated, this, &PropertyPanel::onAlignmentSelected);
    connect(combo(IdcValueType), &QComboBox::activated, this, &PropertyPanel::onValueTypeSelected);
    connect(combo(IdcGraphicKind), &QComboBox::activated, this,
            &PropertyPanel::onGraphicKindSelected);
    connect(check(IdcFixedText), &QCheckBox::clicked, this, &PropertyPanel::onFixedTextClicked);
    connect(check(IdcDayNight), &QCheckBox::clicked, this, &PropertyPanel::onDayNightClicked);
    connect(check(IdcMaxOnly), &QCheckBox::clicked, this, &PropertyPanel::onMaxOnlyClicked);
    connect(check(IdcInvertColor), &QCheckBox::clicked, this, &PropertyPanel::onInvertColorClicked);
    connect(button(IdcColorButton), &QPushButton::clicked, this, &PropertyPanel::onColorButton);
    connect(button(IdcReplaceColorButton), &QPushButton::clicked, this,
            &PropertyPanel::onReplaceColorButton);
    connect(button(IdcGotoDynCol), &QPushButton::clicked, this, &PropertyPanel::onGotoDynCol);
    for (int row = 0; row < DynamicColorRows; ++row) {
        const DynamicColorRowIds& ids = DynamicColorRowTable[row];
        connect(edit(ids.value), &QLineEdit::textChanged, this,
                [this, row] { onDcRowEdited(row); });
        connect(edit(ids.colorEdit), &QLineEdit::textChanged, this,
                [this, row] { onDcRowEdited(row); });
        connect(button(ids.colorButton), &QPushButton::clicked, this,
                [this, row] { onDcColorButton(row); });
        connect(check(ids.hide), &QCheckBox::clicked, this, [this, row] { onDcHideClicked(row); });
        connect(check(ids.blink), &QCheckBox::clicked, this,
                [this, row] { onDcBlinkClicked(row); });
    }
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

void PropertyPanel::showElement(LayoutElement* e) {
    if (!e || e->kind == KindNone) return;
    UpdatingGuard guard(m_updatingControls);
    enableForKind(e->kind);

    const auto& vt = m_catalogs.valueTypes;
    const auto valueTypeName = [&] {
        const auto i = static_cast<std::size_t>(e->valueType);
        return i < vt.valueTypes.size() ? vt.valueTypes[i].name : QString();
    };

    switch (e->kind) {
    case KindValue:
        m_view.swatchColor = e->color;
        edit(IdcColorEdit)->setText(ColorToHex(e->color));
        edit(IdcX)->setText(number(e->x));
        edit(IdcY)->setText(number(e->y));
        selectComboText(combo(IdcValueType), valueTypeName());
        edit(IdcText)->setText(e->text);
        edit(IdcStroke)->setText(number(e->stroke));
        if (const int font =
                combo(IdcFont)->findText(e->font, Qt::MatchExactly | Qt::MatchCaseSensitive);
            font >= 0)
            combo(IdcFont)->setCurrentIndex(font);
        if (e->hAlignment >= 0 && e->hAlignment < combo(IdcAlignment)->count())
            combo(IdcAlignment)->setCurrentIndex(e->hAlignment);
        edit(IdcNrValues)->setText(number(e->nrValues));
        edit(IdcPrecision)->setText(number(e->precision));
        edit(IdcSampleText)->setText(e->sampleText);
        check(IdcFixedText)->setChecked(e->fixedText);
        check(IdcDayNight)->setChecked(e->dayNight);
        check(IdcMaxOnly)->setChecked(e->maxOnly);
        break;
    case KindGraphic: {
        m_view.swatchColor = e->color;
        edit(IdcColorEdit)->setText(ColorToHex(e->color));
        edit(IdcNrValues)->setText(number(e->nrValues));
        edit(IdcX)->setText(number(e->x));
        edit(IdcY)->setText(number(e->y));
        edit(IdcX2)->setText(number(e->x2));
        edit(IdcY2)->setText(number(e->y2));
        edit(IdcRadius)->setText(number(e->radius));
        const auto gi = static_cast<std::size_t>(e->graphicType);
        selectComboText(combo(IdcGraphicKind),
                        gi < vt.graphicKinds.size() ? vt.graphicKinds[gi].name : QString());
        selectComboText(combo(IdcValueType), valueTypeName());
        edit(IdcStroke)->setText(number(e->stroke));
        check(IdcDayNight)->setChecked(e->dayNight);
        check(IdcMaxOnly)->setChecked(e->maxOnly);
        if (isGraph(e->graphicKind())) {
            if (e->stroke > 0) {
                e->nrValues = (e->x2 - e->x) / e->stroke;
                edit(IdcNrValues)->setText(number(e->nrValues));
            }
            check(IdcFixedText)->setChecked(e->fixedText);
        }
        break;
    }
    case KindDynamicColor:
        edit(IdcReplaceColorEdit)->setText(ColorToHex(e->replaceColor));
        for (int row = 0; row < DynamicColorRows; ++row) {
            const DynamicColorRowIds& ids = DynamicColorRowTable[row];
            edit(ids.value)->setText(e->dcValue[row] == EmptyDcValue ? QString()
                                                                     : number(e->dcValue[row]));
            edit(ids.colorEdit)->setText(ColorToHex(e->dcColor[row]));
            m_view.dcSwatchColors[row] = e->dcColor[row];
            check(ids.hide)->setChecked(e->dcHide[row]);
            check(ids.blink)->setChecked(e->dcBlink[row]);
            edit(ids.colorEdit)->setEnabled(!e->dcHide[row]);
            button(ids.colorButton)->setEnabled(!e->dcHide[row]);
        }
        check(IdcInvertColor)->setChecked(e->invertColor);
        check(IdcDayNight)->setChecked(false);
        check(IdcMaxOnly)->setChecked(false);
        break;
    case KindSeparator:
        edit(IdcText)->setText(e->text);
        break;
    default:
        break;
    }
    updateLabels();
}

void PropertyPanel::setFieldEnabled(NumberField field, bool editEnabled, bool buttons) {
    const FieldInfo& info = fieldInfo(field);
    edit(info.edit)->setEnabled(editEnabled);
    button(info.minus)->setEnabled(buttons);
    button(info.plus)->setEnabled(buttons);
}

void PropertyPanel::enableForKind(int kind) {
    UpdatingGuard guard(m_updatingControls);

    constexpr int propertyEdits[] = {IdcColorEdit, IdcX,         IdcY,         IdcX2,
                                     IdcY2,        IdcRadius,    IdcStroke,    IdcText,
                                     IdcNrValues,  IdcPrecision, IdcSampleText};
    for (int id : propertyEdits) {
        edit(id)->setEnabled(false);
        edit(id)->clear();
    }
    constexpr NumberField allFields[] = {
        NumberField::X,      NumberField::Y,      NumberField::X2,       NumberField::Y2,
        NumberField::Radius, NumberField::Stroke, NumberField::NrValues, NumberField::Precision};
    for (NumberField f : allFields) setFieldEnabled(f, false, false);
    button(IdcColorButton)->setEnabled(false);
    for (int id : {IdcValueType, IdcGraphicKind, IdcFont, IdcAlignment}) {
        combo(id)->setEnabled(false);
        if (combo(id)->count() > 0) combo(id)->setCurrentIndex(0);
    }
    for (int id : {IdcFixedText, IdcDayNight, IdcMaxOnly, IdcInvertColor}) {
        check(id)->setEnabled(false);
        check(id)->setChecked(false);
    }
    button(IdcReplaceColorButton)->setEnabled(false);
    edit(IdcReplaceColorEdit)->setEnabled(false);
    edit(IdcReplaceColorEdit)->clear();
    button(IdcGotoDynCol)->setEnabled(false);
    edit(IdcColorEdit)->setMaxLength(ColorTextLength);

    const bool dynamicColor = kind == KindDynamicColor;
    for (int row = 0; row < DynamicColorRows; ++row) {
        const DynamicColorRowIds& ids = DynamicColorRowTable[row];
        edit(ids.colorEdit)->setMaxLength(ColorTextLength);
        edit(ids.value)->clear();
        edit(ids.colorEdit)->clear();
        check(ids.hide)->setChecked(false);
        check(ids.blink)->setChecked(false);
        for (int id : {ids.value, ids.colorEdit, ids.colorButton, ids.hide, ids.blink})
            m_controls.widget(id)->setEnabled(dynamicColor);
    }
    m_view.dcSwatchColors.fill(0);

    const DeviceInfo* device = m_document.device();
    const bool maxOnlyOffered = device && device->offers(DeviceClass::Mid);
    switch (kind) {
    case KindValue:
        setFieldEnabled(NumberField::X, true, true);
        setFieldEnabled(NumberField::Y, true, true);
        setFieldEnabled(NumberField::NrValues, true, true);
        setFieldEnabled(NumberField::Precision, true, true);
        edit(IdcColorEdit)->setEnabled(true);
        button(IdcColorButton)->setEnabled(true);
        edit(IdcSampleText)->setEnabled(true);
        check(IdcFixedText)->setEnabled(true);
        check(IdcDayNight)->setEnabled(true);
        combo(IdcValueType)->setEnabled(true);
        combo(IdcFont)->setEnabled(true);
        combo(IdcAlignment)->setEnabled(true);
        check(IdcMaxOnly)->setEnabled(maxOnlyOffered);
        break;
    case KindGraphic:
        for (NumberField f : {NumberField::X, NumberField::Y, NumberField::X2, NumberField::Y2,
                              NumberField::Radius, NumberField::Stroke})
            setFieldEnabled(f, true, true);
        edit(IdcColorEdit)->setEnabled(true);
        button(IdcColorButton)->setEnabled(true);
        check(IdcDayNight)->setEnabled(true);
        combo(IdcValueType)->setEnabled(true);
        combo(IdcGraphicKind)->setEnabled(true);
        check(IdcMaxOnly)->setEnabled(maxOnlyOffered);
        break;
    case KindDynamicColor:
        button(IdcReplaceColorButton)->setEnabled(true);
        edit(IdcReplaceColorEdit)->setEnabled(true);
        check(IdcInvertColor)->setEnabled(true);
        break;
    case KindSeparator:
        edit(IdcText)->setEnabled(true);
        break;
    default:
        break;
    }
}

int PropertyPanel::graphicKindInList() const {
    return ValueTypeCatalog::positionByName(m_catalogs.valueTypes.graphicKinds,
                                            combo(IdcGraphicKind)->currentText());
}

void PropertyPanel::updateLabels() {
    LayoutElement* e = selectedElement();
    if (!e) return;

    const GraphicKind g = e->graphicKind();
    label(IdcLabelX2)->setText(isArc(g) ? QStringLiteral("Start angle ") : QStringLiteral("X2 "));
    label(IdcLabelY2)
        ->setText(isArc(g)             ? QStringLiteral("End angle ")
                  : isDirectionMark(g) ? QStringLiteral("-Y Offset ")
                                       : QStringLiteral("Y2 "));
    if (isGraph(g)) {
        label(IdcLabelRadius)
            ->setText(check(IdcFixedText)->isChecked() ? QStringLiteral("Min value ")
                                                       : QStringLiteral("Max value "));
        check(IdcMaxOnly)->setText(QStringLiteral("Mark min/max values"));
        check(IdcFixedText)->setText(QStringLiteral("Limit is minimum value"));
    } else {
        label(IdcLabelRadius)->setText(QStringLiteral("Radius "));
        check(IdcMaxOnly)->setText(QStringLiteral("Display max. value only"));
        check(IdcFixedText)->setText(QStringLiteral("Fixed text"));
    }

    button(IdcGotoDynCol)->setEnabled(isRecoloured(e->color));

    if (e->kind == KindValue) {
        const QString t = valueElementText(*e, TextMode::Edit, m_catalogs.valueTypes);
        edit(IdcText)->setText(t);
        edit(IdcText)->setEnabled(!t.isEmpty() || e->fixedText);
        button(IdcNrValuesMinus)->setEnabled(!e->fixedText);
        button(IdcNrValuesPlus)->setEnabled(!e->fixedText);
        edit(IdcPrecision)->setEnabled(!e->fixedText);
        const auto i = static_cast<std::size_t>(e->valueType);
        const int id = i < m_catalogs.valueTypes.valueTypes.size()
                           ? m_catalogs.valueTypes.valueTypes[i].id
                           : 0;
        const bool sample = ValueTypeCatalog::hasSampleReading(id);
        edit(IdcSampleText)->setEnabled(!e->fixedText && sample);
        if (!sample) {
            edit(IdcSampleText)->clear();
        } else {
            // The text above may have given the element its value type's sample;
            // the element holds it already.
            UpdatingGuard guard(m_updatingControls);
            edit(IdcSampleText)->setText(e->sampleText);
        }
    } else if (e->kind == KindGraphic) {
        edit(IdcText)->setEnabled(false);
        button(IdcNrValuesMinus)->setEnabled(!e->fixedText);
        button(IdcNrValuesPlus)->setEnabled(!e->fixedText);

        struct Enabling {
            bool stroke, x2, y2, radius;
        };
        const GraphicKind kind = graphicKindAt(graphicKindInList());
        // Nothing else is known: leave the fields as they are.
        if (!isKnownGraphicKind(kind)) return;
        const Enabling en{hasStroke(kind), hasSecondPoint(kind) || isArc(kind),
                          hasSecondPoint(kind) || isArc(kind) || isDirectionMark(kind),
                          hasRadius(kind) || isGraph(kind)};
        setFieldEnabled(NumberField::Stroke, en.stroke, en.stroke);
        setFieldEnabled(NumberField::X2, en.x2, en.x2);
        setFieldEnabled(NumberField::Y2, en.y2, en.y2);
        setFieldEnabled(NumberField::Radius, en.radius, en.radius);
        if (isGraph(kind)) {
            button(IdcNrValuesMinus)->setEnabled(false);
            button(IdcNrValuesPlus)->setEnabled(false);
            check(IdcFixedText)->setEnabled(true);
        }
    }
}

void PropertyPanel::fillDeviceLists(const DeviceInfo* device) {
    UpdatingGuard guard(m_updatingControls);
    QComboBox* valueTypes = combo(IdcValueType);
    QComboBox* graphicKinds = combo(IdcGraphicKind);
    QComboBox* fonts = combo(IdcFont);
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
    const auto& elements = m_document.elements();
    return std::any_of(elements.begin(), elements.end(), [color](const LayoutElement& d) {
        return d.kind == KindDynamicColor && d.replaceColor == color;
    });
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
    if (!isGraph(e.graphicKind())) return;
    if (e.x2 - e.x > 0 && e.stroke > 0) {
        e.nrValues = (e.x2 - e.x) / e.stroke;
        edit(IdcNrValues)->setText(number(e.nrValues));
    }
}

// --- handlers ------------------------------------------------------------------

void PropertyPanel::onNumberEdited(NumberField field) {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    const FieldInfo& info = fieldInfo(field);
    const std::int32_t value = parseDecimal(edit(info.edit)->text());
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
    edit(info.edit)->setText(number(next));
}

void PropertyPanel::onSampleTextEdited() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    e->sampleText = edit(IdcSampleText)->text();
    repaintAll();
}

void PropertyPanel::onTextEdited() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    const QString text = edit(IdcText)->text();
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
    e->font = combo(IdcFont)->currentText();
    repaintAll();
}

void PropertyPanel::onAlignmentSelected() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    e->hAlignment = combo(IdcAlignment)->currentIndex();
    repaintAll();
}

void PropertyPanel::onValueTypeSelected() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    const auto& types = m_catalogs.valueTypes.valueTypes;
    e->valueType = ValueTypeCatalog::positionByName(types, combo(IdcValueType)->currentText());
    if (e->fixedText) {
        // The value type of a fixed text only drives its dynamic colour.
        if (types[static_cast<std::size_t>(e->valueType)].code != FixedTextCode &&
            !isRecoloured(e->color))
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
    e->graphicType = graphicKindInList();
    refreshSelectedLine();
    updateLabels();
    repaintAll();
}

void PropertyPanel::onFixedTextClicked() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    e->fixedText = check(IdcFixedText)->isChecked();
    if (e->fixedText) edit(IdcText)->setEnabled(true);
    refreshSelectedLine();
    updateLabels();
    repaintAll();
}

void PropertyPanel::onDayNightClicked() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    e->dayNight = check(IdcDayNight)->isChecked();
    repaintElement();
}

void PropertyPanel::onMaxOnlyClicked() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    e->maxOnly = check(IdcMaxOnly)->isChecked();
}

void PropertyPanel::onInvertColorClicked() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    e->invertColor = check(IdcInvertColor)->isChecked();
    m_document.commit();
}

void PropertyPanel::onColorEdited() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    const QString text = edit(IdcColorEdit)->text();
    if (text.size() != ColorTextLength) return;
    e->color = parseColorText(text);
    m_view.swatchColor = e->color;
    button(IdcGotoDynCol)->setEnabled(isRecoloured(e->color));
    refreshSelectedLine();
    repaintAll();
}

void PropertyPanel::onColorButton() {
    if (const auto color = m_platform.pickColor(0)) {
        m_view.swatchColor = *color;
        if (LayoutElement* e = selectedElement()) {
            e->color = *color;
            edit(IdcColorEdit)->setText(ColorToHex(*color));
        }
    }
    repaintAll();
}

void PropertyPanel::onReplaceColorEdited() {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    const Bgr color = parseColorText(edit(IdcReplaceColorEdit)->text());
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
        const QSignalBlocker blocker(edit(IdcReplaceColorEdit));
        edit(IdcReplaceColorEdit)->setText(ColorToHex(*color));
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
    const DynamicColorRowIds& ids = DynamicColorRowTable[row];
    const QString value = edit(ids.value)->text();
    e->dcValue[row] = value.isEmpty() ? EmptyDcValue : parseDecimal(value);
    const QString color = edit(ids.colorEdit)->text();
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
    edit(DynamicColorRowTable[row].colorEdit)->setText(ColorToHex(*color));
    m_host.invalidateView(false, true, false, false);
}

void PropertyPanel::onDcHideClicked(int row) {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    const DynamicColorRowIds& ids = DynamicColorRowTable[row];
    e->dcHide[row] = check(ids.hide)->isChecked();
    edit(ids.colorEdit)->setEnabled(!e->dcHide[row]);
    button(ids.colorButton)->setEnabled(!e->dcHide[row]);
}

void PropertyPanel::onDcBlinkClicked(int row) {
    LayoutElement* e = selectedElement();
    if (m_updatingControls || !e) return;
    e->dcBlink[row] = check(DynamicColorRowTable[row].blink)->isChecked();
}

void PropertyPanel::onGotoDynCol() {
    const LayoutElement* e = selectedElement();
    if (!e) return;
    const Bgr color = e->color;
    const auto& elements = m_document.elements();
    const auto it = std::find_if(elements.begin(), elements.end(), [color](const auto& d) {
        return d.kind == KindDynamicColor && d.replaceColor == color;
    });
    if (it == elements.end()) return;
    m_host.selectListRow(static_cast<int>(it - elements.begin()));
    onElementSelected();
}

void PropertyPanel::toggleDayNight() {
    LayoutElement* e = selectedElement();
    if (!e || !check(IdcDayNight)->isEnabled()) return;
    check(IdcDayNight)->setChecked(!e->dayNight);
    if (m_updatingControls) return;
    e->dayNight = check(IdcDayNight)->isChecked();
    repaintElement();
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
    edit(IdcX)->setText(number(x));
    edit(IdcY)->setText(number(y));
    m_host.invalidateView(true, true, false, true);
}

void PropertyPanel::moveSecondPointTo(int x, int y) {
    LayoutElement* e = selectedElement();
    if (!e) return;
    e->prevX2 = e->x2;
    e->prevY2 = e->y2;
    e->x2 = x;
    e->y2 = y;
    edit(IdcX2)->setText(number(x));
    edit(IdcY2)->setText(number(y));
    m_host.invalidateView(true, true, false, true);
}

void PropertyPanel::selectValueTypeEntry(int entry) {
    QComboBox* box = combo(IdcValueType);
    if (entry < 0 || entry >= box->count()) return;
    box->setCurrentIndex(entry);
    onValueTypeSelected();
    box->setFocus();
}

} // namespace zef
