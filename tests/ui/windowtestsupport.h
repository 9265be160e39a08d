#pragma once

// A designer window driven offscreen as a user would: a scripted platform,
// a start-up file that does not exist (so nothing real is loaded) and a
// settings store of its own.

#include "ui/cautorepeatbutton.h"
#include "ui/cpellfielddlg.h"
#include "ui/designercontrols.h"
#include "ui/elementlistmodel.h"
#include "ui/elementlistview.h"

#include "common/scriptedplatform.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace zef::test {

inline void clearWindowSettings() {
    QSettings settings;
    settings.remove(CPellFieldDlg::settingsGroup());
    settings.sync();
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        clearWindowSettings();
        // The gallery of starter layouts is answered as Escape would.
        CPellFieldDlg::setTemplateChooser([this](const Catalogs&, int, QWidget*) {
            ++templateChoices;
            return std::optional<ElementVector>();
        });
        ASSERT_TRUE(dir.isValid());
        startFile = dir.filePath(QStringLiteral("none.xml"));
        dlg = std::make_unique<CPellFieldDlg>(
            platform, QStringList{QStringLiteral("zef-designer"), startFile});
        dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    }
    void TearDown() override {
        dlg.reset();
        clearWindowSettings();
        CPellFieldDlg::setTemplateChooser({});
    }

    LayoutDocument& doc() { return dlg->document(); }
    const Catalogs& catalogs() { return dlg->catalogs(); }
    PropertyPanel& panel() { return dlg->panel(); }
    ElementListModel& rows() { return dlg->listModel(); }
    LayoutElement& element() {
        LayoutElement* e = doc().selectedElement();
        EXPECT_NE(e, nullptr);
        static LayoutElement none;
        return e ? *e : none;
    }

    // The window's controls, each as the widget it is.
    const DesignerControls& ui() const { return dlg->ui(); }
    static bool enabled(const QWidget* w) { return w->isEnabled(); }

    // The user picks an entry of a drop-down list.
    void choose(QComboBox* box, const QString& text) {
        const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_GE(index, 0) << "no entry " << text.toStdString();
        ASSERT_TRUE(box->isEnabled()) << "the list for " << text.toStdString() << " is disabled";
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void chooseDevice(const char* name) { choose(ui().deviceList, QString::fromUtf8(name)); }

    // The user clicks a button or check box with the mouse.
    void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    // The user replaces an edit's text by typing.
    void type(QLineEdit* e, const QString& text) {
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
    }

    // "Add" with a kind chosen in the element-kind list.
    void add(ElementKind kind) {
        choose(ui().elementKind, catalogs().valueTypes.elementKinds.at(kind).name);
        click(ui().add);
    }
    // A user's click on a row of the element list.
    void clickRow(int row) {
        ElementListView& list = dlg->elementList();
        const QRect r = list.visualRect(rows().index(row));
        ASSERT_TRUE(r.isValid()) << "row " << row;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, r.center());
    }
    QStringList rowTexts() {
        QStringList texts;
        for (int i = 0; i < rows().rowCount(); ++i) texts << rows().rowText(i);
        return texts;
    }
    QStringList messages() const { return platform.messageTexts(); }
    // The title the window sets for a file ("untitled" for none), with the
    // place of the unsaved-changes mark.
    static QString titleFor(const QString& file) {
        return CPellFieldDlg::windowTitle(file.isEmpty() ? CPellFieldDlg::untitledName() : file) +
               QStringLiteral("[*]");
    }

    ScriptedPlatform platform;
    int templateChoices = 0; // times the gallery of starter layouts was shown
    QTemporaryDir dir;
    QString startFile;
    std::unique_ptr<CPellFieldDlg> dlg;
};

} // namespace zef::test
