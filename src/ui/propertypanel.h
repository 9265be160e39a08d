#pragma once

#include "catalog/valuetypecatalog.h"
#include "model/layoutelement.h"
#include "panelkinds.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

class QComboBox;
class QLineEdit;
class QWidget;

namespace zef {

struct Catalogs;
struct DesignerControls;
struct DeviceInfo;
struct DynamicColorRowControls;
struct NumberFieldControls;
struct PreviewViewState;
class LayoutDocument;
class Platform;

// What the panel asks of the window it lives in.
class PropertyPanelHost {
public:
    virtual ~PropertyPanelHost() = default;
    // Requests a repaint; ends with the document's commit().
    virtual void invalidateView(bool swatch, bool dcSwatches, bool elementArea,
                                bool wholePreview) = 0;
    // Rebuilds the text of one element-list row where it changed.
    virtual void refreshLine(int row) = 0;
    // The Refresh command: repaint all, commit, rebuild every row's text.
    virtual void refreshCommand() = 0;
    // Selects a row of the element list and gives the list the keyboard focus.
    virtual void selectListRow(int row) = 0;
};

// The number fields of the panel, each with its edit and "-"/"+" buttons.
enum class NumberField { X, Y, X2, Y2, Radius, Stroke, NrValues, Precision };

// The value of a number edit: a decimal integer with an optional sign, read up
// to the first other character (leading blanks skipped); 0 without digits.
std::int32_t parseDecimal(const QString& text);
// A colour edit's text: the pairs at 0, 2 and 4 in reverse order, read as
// hexadecimal up to the first other character; a 24-bit colour.
Bgr parseColorText(const QString& text);

// The property panel: shows the selected element and writes every change of
// its controls straight into it.
class PropertyPanel : public QObject {
    Q_OBJECT
public:
    PropertyPanel(LayoutDocument& document, const DesignerControls& ui, PreviewViewState& view,
                  PropertyPanelHost& host, QObject* parent = nullptr);

    // Connects the panel's controls to its handlers.
    void connectControls();

    bool updatingControls() const { return m_updatingControls; }
    LayoutElement* selectedElement() const;

    // The list selection changed: show the element, repaint the swatches (and
    // the whole preview while the selection is highlighted).
    void onElementSelected();
    void showElement(LayoutElement* element);
    // Only the fields a drag on the preview changes (X, Y, X2, Y2, radius and
    // a graph's number of values), for the element shown already.
    void showGeometry(LayoutElement& element);
    void enableForKind(int kind);
    void updateLabels();

    // Refills the value-type, graphic-kind and font lists for a device.
    void fillDeviceLists(const DeviceInfo* device);

    // --- handlers -----------------------------------------------------------
    void onNumberEdited(NumberField field);
    void onStep(NumberField field, int delta);
    void onSampleTextEdited();
    void onTextEdited();
    void onFontSelected();
    void onAlignmentSelected();
    void onValueTypeSelected();
    void onGraphicKindSelected();
    void onFixedTextClicked();
    // A check box that only writes a flag of the selected element: one undo step.
    void editFlag(bool LayoutElement::*flag, bool on);
    void onDayNightClicked();
    void onMaxOnlyClicked();
    void onInvertColorClicked();
    void onColorEdited();
    void onColorButton();
    void onReplaceColorEdited();
    void onReplaceColorButton();
    void onDcRowEdited(int row);
    void onDcColorButton(int row);
    void onDcHideClicked(int row);
    void onDcBlinkClicked(int row);
    void onGotoDynCol();

    // The keyboard's Space in the element list: flips "Enable day/night
    // switching" of the selected element.
    void toggleDayNight();
    // The keyboard's point placement: the first (X, Y) or second (X2, Y2)
    // point moves to a device-screen point.
    void moveFirstPointTo(int x, int y);
    void moveSecondPointTo(int x, int y);
    // Selects an entry of the value-type list and runs its change handling
    // (the preview's answer to a dynamic colour without value type).
    void selectValueTypeEntry(int entry);

    // The edit of a number field.
    QLineEdit* numberEdit(NumberField field) const;

    // Entering or leaving an edit ends the edit step of the undo history.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct FieldInfo {
        NumberFieldControls DesignerControls::*controls;
        PanelPart part;
        std::int32_t LayoutElement::*member;
        std::int32_t LayoutElement::*previous; // nullptr: not geometry
        std::int32_t lower;
        std::int32_t upper;
    };
    static const FieldInfo& fieldInfo(NumberField field);
    const NumberFieldControls& fieldControls(NumberField field) const;

    // The widgets of each part of the panel that a kind enables.
    std::vector<std::pair<PanelPart, QWidget*>> partWidgets() const;
    void connectEditSteps();

    // enableForKind's steps: everything off and empty, then the kind's parts on.
    void clearControls(bool dynamicColorRows);
    void clearDcRow(const DynamicColorRowControls& row, bool enabled);
    void enableParts(PanelParts parts);
    bool maxOnlyOffered() const;
    void setFieldEnabled(NumberField field, bool enabled);
    void setStepButtonsEnabled(NumberField field, bool enabled);

    // showElement's steps, one per element kind.
    void showColor(const LayoutElement& e);
    void showValue(const LayoutElement& e);
    void showGraphic(LayoutElement& e);
    void showDynamicColor(const LayoutElement& e);
    void showDcRow(const LayoutElement& e, int row);
    void selectEntry(QComboBox* box, const CatalogList& list, std::int32_t position);

    // updateLabels' steps.
    void showLabels(const PanelLabels& labels);
    void updateValueText(LayoutElement& e);
    void enableForGraphicKind(const LayoutElement& e);

    void recomputeGraphValues(LayoutElement& e);
    void refreshSelectedLine();
    void repaintElement();
    void repaintAll();
    bool isRecoloured(Bgr color) const;
    int graphicKindInList() const;
    void selectComboText(QComboBox* box, const QString& text);

    LayoutDocument& m_document;
    const Catalogs& m_catalogs;
    Platform& m_platform;
    const DesignerControls& m_ui;
    // The widgets of each part of the panel that a kind enables.
    std::vector<std::pair<PanelPart, QWidget*>> m_partWidgets;
    PreviewViewState& m_view;
    PropertyPanelHost& m_host;
    bool m_updatingControls = false;
};

} // namespace zef
