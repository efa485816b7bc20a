#include "apps/gui/FormWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

#include "GuiTestSupport.h"
#include "platform/MessageBox.h"

namespace {

STreeNode Node(const char* label, int data, std::vector<STreeNode> children = {}) {
    return {label, data, false, std::move(children)};
}

// A double-click as the window system delivers it: the first click, then the
// second press reported as a double-click.
void DoubleClick(QWidget* widget, QPoint position) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, position);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, position);
}

// A dialog of every kind of control whose logic keeps a log of its commands
// and answers in ways the drawing must follow.
class CSampleForm : public CFormDialog {
  public:
    explicit CSampleForm(bool withPages = false) {
        title = "Sample \xB5S dialog";
        Add(EControl::Label, "status", "Configuration file opened: None");
        Add(EControl::Edit, "serial", "Serial number").maxLength = 8;
        Add(EControl::Check, "usePressure", "Use pressure").value = 0;
        SControl& units = Add(EControl::Combo, "units", "Units");
        units.choices = {"dbar", "\xB5S/cm"};
        units.value = 0;
        units.enabled = false;
        Add(EControl::Radio, "mode", "Mode").choices = {"Profile", "Moored"};
        SControl& grid = Add(EControl::Grid, "channels");
        grid.columns = {"Channel", "Sensor", "Exported"};
        for (const char* channel : {"Channel 1", "Channel 2", "Channel 3"}) {
            grid.rows.push_back({SGridCell{channel}, SGridCell{"Free", true, 192, 220, 192},
                                 SGridCell{"", false, 0, 0, 0, true}});
        }
        grid.value = 0;
        grid.menu = {"save"};
        Add(EControl::Tree, "sensorTree").nodes = {
            Node("Free", 27),
            Node("Oxygen", -1, {Node("Oxygen Current", 36), Node("Oxygen Temperature", 39)})};
        SControl& ok = Add(EControl::Button, "ok", "Save && Exit");
        ok.bottomRow = ok.isDefault = true;
        SControl& cancel = Add(EControl::Button, "cancel", "Cancel");
        cancel.bottomRow = cancel.isCancel = true;
        Add(EControl::Button, "save", "Save").shortcut = "Ctrl+S";
        for (size_t i = 0; withPages && i < controls.size(); ++i) {
            controls[i].page = controls[i].bottomRow ? "" : i < 5 ? "Settings" : "Sensors";
        }
    }

    void Changed(const std::string& id) override {
        if (id == "usePressure") {
            At("units").enabled = At("usePressure").value == 1;
        } else if (id == "serial") {
            At("status").label = "Serial && " + At("serial").text;
        }
    }

    void Command(const std::string& id) override {
        log += "command:" + id + ";";
        if (id == "ok") {
            EndDialog(IDOK);
        } else if (id == "cancel" && !refuseCancel) {
            EndDialog(IDCANCEL);
        } else if (id == "channels") {
            SControl& grid = At("channels");
            grid.rows[grid.value][1].text = "Altimeter";
        } else if (id == "sensorTree") {
            log += "leaf " + std::to_string(At("sensorTree").selectedPath.back()) + ";";
        }
    }

    std::string log;
    bool refuseCancel = false;
};

}  // namespace

class CFormWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void everyKindOfControlGoesBothWaysInLatin1();
    void enterEscapeTheCloseBoxAndPages();
    void everyButtonIsReachedByKeyboard();
};

void CFormWindowTest::everyKindOfControlGoesBothWaysInLatin1() {
    CSampleForm form;
    form.At("sensorTree").selectedPath = {1, 0};
    form.At("sensorTree").nodes[1].expanded = true;
    CFormWindow window(form);
    window.show();
    // The title holds Qt's place of the unsaved-changes marker.
    QCOMPARE(window.windowTitle(), QString::fromUtf8("Sample µS dialog[*]"));
    QVERIFY(!window.isWindowModified());

    QTest::keyClicks(Child<QLineEdit>(&window, "serial"), QString::fromUtf8("µ12345678"));
    QCOMPARE(form.At("serial").text, CString("\xB5"
                                             "1234567"));  // the width limit holds
    QCOMPARE(Child<QLabel>(&window, "status")->text(), QString::fromUtf8("Serial & µ1234567"));

    auto* units = Child<QComboBox>(&window, "units");
    QCOMPARE(units->itemText(1), QString::fromUtf8("µS/cm"));
    QVERIFY(!units->isEnabled());
    Child<QCheckBox>(&window, "usePressure")->setFocus();
    QTest::keyClick(Child<QCheckBox>(&window, "usePressure"), Qt::Key_Space);
    QVERIFY(units->isEnabled());
    units->setFocus();
    QTest::keyClick(units, Qt::Key_Down);
    QCOMPARE(form.At("units").value, 1);

    const auto radios = Child<QGroupBox>(&window, "mode")->findChildren<QRadioButton*>();
    QVERIFY(!radios[0]->isChecked() && !radios[1]->isChecked());  // none chosen yet
    QTest::mouseClick(radios[1], Qt::LeftButton, {}, QPoint(6, radios[1]->height() / 2));
    QCOMPARE(form.At("mode").value, 1);

    // The logic's own changes are drawn: a value set behind the widget's back.
    form.At("mode").value = -1;
    form.At("units").visible = false;
    window.Redraw();
    QVERIFY(!radios[0]->isChecked() && !radios[1]->isChecked());
    QVERIFY(units->isHidden() && Child<QLabel>(&window, "unitsLabel")->isHidden());

    // Grids and trees forward selections, checks and double-clicks.
    auto* grid = Child<QTableWidget>(&window, "channels");
    grid->item(2, 2)->setCheckState(Qt::Checked);  // what a click on the box does
    QVERIFY(form.At("channels").rows[2][2].checked);
    QCOMPARE(form.At("channels").value, 2);
    DoubleClick(grid->viewport(), grid->visualItemRect(grid->item(1, 1)).center());
    QCOMPARE(form.At("channels").value, 1);
    QCOMPARE(grid->item(1, 1)->text(), QString("Altimeter"));

    auto* tree = Child<QTreeWidget>(&window, "sensorTree");
    QTreeWidgetItem* oxygen = tree->topLevelItem(1);
    QVERIFY(oxygen->isExpanded());
    QCOMPARE(tree->currentItem(), oxygen->child(0));
    tree->setCurrentItem(oxygen->child(1));
    QCOMPARE(form.At("sensorTree").selectedPath, (std::vector<int>{1, 1}));
    oxygen->setExpanded(false);
    // A group is not confirmed by a double-click; a leaf is.
    form.log.clear();
    DoubleClick(tree->viewport(), tree->visualItemRect(oxygen).center());
    QVERIFY(form.log.find("command:") == std::string::npos);
    oxygen->setExpanded(true);
    DoubleClick(tree->viewport(), tree->visualItemRect(oxygen->child(1)).center());
    QVERIFY(form.log.find("command:sensorTree;leaf 1;") != std::string::npos);
}

void CFormWindowTest::enterEscapeTheCloseBoxAndPages() {
    // Enter and Escape reach the default and the cancel button of a dialog
    // whose pages become tabs, with the bottom row outside them.
    const FormHandler previous = SetFormHandler(&CFormWindow::Run);
    for (const auto& [key, result] :
         {std::pair{Qt::Key_Return, IDOK}, {Qt::Key_Escape, IDCANCEL}}) {
        CSampleForm form(true);
        WhenModal([key](QWidget* modal) {
            auto* tabs = Child<QTabWidget>(modal, "pages");
            QCOMPARE(tabs->tabText(1), QString("Sensors"));
            QCOMPARE(Child<QTableWidget>(modal, "channels")->parentWidget(), tabs->widget(1));
            QVERIFY(!tabs->isAncestorOf(Child<QPushButton>(modal, "ok")));
            QVERIFY(FitsScreen(modal));
            QTest::keyClick(Child<QLineEdit>(modal, "serial"), key);
        });
        QCOMPARE(TWRunModal(form), result);
    }
    SetFormHandler(previous);

    // The close box asks the logic, which may keep the dialog open.
    CSampleForm form;
    form.refuseCancel = true;
    CFormWindow window(form);
    window.show();
    window.close();
    QVERIFY(window.isVisible());
    form.refuseCancel = false;
    window.close();
    QVERIFY(window.isHidden());
    QCOMPARE(window.result(), IDCANCEL);
}

void CFormWindowTest::everyButtonIsReachedByKeyboard() {
    CSampleForm form;
    CFormWindow window(form);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // A mnemonic of its own for each button, the label's "&&" kept.
    QSet<QString> letters;
    for (const char* id : {"ok", "cancel", "save"}) {
        const QString text = Child<QPushButton>(&window, id)->text();
        const QKeySequence mnemonic = QKeySequence::mnemonic(text);
        QVERIFY2(!mnemonic.isEmpty(), qPrintable(text));
        letters.insert(mnemonic.toString());
    }
    QCOMPARE(letters.size(), 3);
    QVERIFY(Child<QPushButton>(&window, "ok")->text().contains(QStringLiteral("&&")));
    // The grid is one Tab stop; the shortcut reaches its button.
    QVERIFY(!Child<QTableWidget>(&window, "channels")->tabKeyNavigation());
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(form.log.find("command:save;") != std::string::npos);
}

QTEST_MAIN(CFormWindowTest)
#include "FormWindow_test.moc"
