#include "apps/gui/FormWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "GuiTestSupport.h"
#include "platform/MessageBox.h"

namespace {

STreeNode Node(const char* label, int data, std::vector<STreeNode> children = {}) {
    STreeNode node;
    node.label = label;
    node.data = data;
    node.children = std::move(children);
    return node;
}

// A dialog of every kind of control whose logic keeps a log of what it was
// told and answers in ways the drawing must follow.
class CSampleForm : public CFormDialog {
  public:
    explicit CSampleForm(bool withPages = false) {
        title = "Sample \xB5S dialog";
        const CString first = withPages ? "Settings" : "";
        const CString second = withPages ? "Sensors" : "";
        Add(EControl::Label, "status", "Configuration file opened: None").page = first;
        SControl& serial = Add(EControl::Edit, "serial", "Serial number");
        serial.maxLength = 8;
        serial.page = first;
        Add(EControl::Check, "usePressure", "Use pressure").value = 0;
        controls.back().page = first;
        SControl& units = Add(EControl::Combo, "units", "Units");
        units.choices = {"dbar", "\xB5S/cm"};
        units.value = 0;
        units.enabled = false;
        units.page = first;
        SControl& mode = Add(EControl::Radio, "mode", "Mode");
        mode.choices = {"Profile", "Moored"};
        mode.page = first;
        SControl& grid = Add(EControl::Grid, "channels");
        grid.columns = {"Channel", "Sensor", "Exported"};
        for (int i = 0; i < 3; ++i) {
            SGridCell sensor{"Free", true, 192, 220, 192};
            sensor.centred = true;
            SGridCell exported;
            exported.checkable = true;
            grid.rows.push_back({SGridCell{CString("Channel ") + char('1' + i)}, sensor, exported});
        }
        grid.value = 0;
        grid.page = second;
        SControl& tree = Add(EControl::Tree, "sensorTree");
        tree.nodes = {
            Node("Free", 27),
            Node("Oxygen", -1, {Node("Oxygen Current", 36), Node("Oxygen Temperature", 39)})};
        tree.page = second;
        SControl& list = Add(EControl::List, "candidates", "Sensors in the file");
        list.choices = {"Calibration date: 01-Jan-26, Serial number: 1, Name: pH"};
        list.page = second;
        Add(EControl::Button, "select", "Select...").page = second;
        SControl& ok = Add(EControl::Button, "ok", "Save && Exit");
        ok.bottomRow = ok.isDefault = true;
        SControl& cancel = Add(EControl::Button, "cancel", "Cancel");
        cancel.bottomRow = cancel.isCancel = true;
    }

    void Changed(const std::string& id) override {
        log += "changed:" + id + ";";
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
            grid.rows[grid.value][1].hasBackground = false;
        } else if (id == "select") {
            At("channels").rows.push_back({SGridCell{"Channel 4"}, SGridCell{"Free"}});
            At("candidates").choices.push_back("second");
            At("sensorTree").nodes[1].children.push_back(Node("Oxygen, TDW 43", 38));
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
    void editsChecksCombosAndRadiosGoBackToTheControls();
    void gridRowsChecksAndDoubleClicks();
    void treeSelectionExpansionAndLeaves();
    void enterEscapeAndTheCloseBox();
    void pagesBecomeTabsAndTheModalRunReturnsTheResult();
};

void CFormWindowTest::editsChecksCombosAndRadiosGoBackToTheControls() {
    CSampleForm form;
    CFormWindow window(form);
    window.show();
    QCOMPARE(window.windowTitle(), QString::fromUtf8("Sample µS dialog"));

    auto* serial = Child<QLineEdit>(&window, "serial");
    QTest::keyClicks(serial, QString::fromUtf8("µ12345678"));
    QCOMPARE(form.At("serial").text, CString("\xB5"
                                             "1234567"));  // the width limit holds
    QCOMPARE(Child<QLabel>(&window, "status")->text(), QString::fromUtf8("Serial & µ1234567"));
    QCOMPARE(Child<QLabel>(&window, "serialLabel")->buddy(), serial);

    auto* units = Child<QComboBox>(&window, "units");
    QCOMPARE(units->itemText(1), QString::fromUtf8("µS/cm"));
    QVERIFY(!units->isEnabled());
    Child<QCheckBox>(&window, "usePressure")->setFocus();
    QTest::keyClick(Child<QCheckBox>(&window, "usePressure"), Qt::Key_Space);
    QCOMPARE(form.At("usePressure").value, 1);
    QVERIFY(units->isEnabled());
    units->setFocus();
    QTest::keyClick(units, Qt::Key_Down);
    QCOMPARE(form.At("units").value, 1);

    auto* mode = Child<QGroupBox>(&window, "mode");
    QCOMPARE(mode->title(), QString("Mode"));
    const auto radios = mode->findChildren<QRadioButton*>();
    QCOMPARE(radios.size(), 2);
    QVERIFY(!radios[0]->isChecked() && !radios[1]->isChecked());  // none chosen yet
    auto* moored = Child<QRadioButton>(&window, "mode1");
    QTest::mouseClick(moored, Qt::LeftButton, {}, QPoint(6, moored->height() / 2));
    QCOMPARE(form.At("mode").value, 1);

    // The logic's own changes are drawn: a value set behind the widget's back.
    form.At("mode").value = -1;
    form.At("units").visible = false;
    window.Redraw();
    QVERIFY(!radios[0]->isChecked() && !radios[1]->isChecked());
    QVERIFY(units->isHidden() && Child<QLabel>(&window, "unitsLabel")->isHidden());
    QCOMPARE(Child<QPushButton>(&window, "ok")->text(), QString("Save && Exit"));
    QVERIFY(Child<QPushButton>(&window, "ok")->isDefault());
    QCOMPARE(form.log.substr(0, 15), std::string("changed:serial;"));

    // Tab follows the layout order and skips what is hidden.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    serial->setFocus();
    QTest::keyClick(serial, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Child<QCheckBox>(&window, "usePressure"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->parentWidget(), mode);
}

void CFormWindowTest::gridRowsChecksAndDoubleClicks() {
    CSampleForm form;
    CFormWindow window(form);
    window.show();
    auto* grid = Child<QTableWidget>(&window, "channels");
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QString("Sensor"));
    QCOMPARE(grid->item(0, 1)->background().color(), QColor(192, 220, 192));
    QCOMPARE(grid->item(0, 1)->textAlignment(), int(Qt::AlignCenter));
    QCOMPARE(grid->currentRow(), 0);

    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(form.At("channels").value, 1);
    grid->item(2, 2)->setCheckState(Qt::Checked);  // what a click on the box does
    QVERIFY(form.At("channels").rows[2][2].checked);
    QCOMPARE(form.At("channels").value, 2);

    const QRect cell = grid->visualItemRect(grid->item(1, 1));
    DoubleClick(grid->viewport(), cell.center());
    QCOMPARE(form.At("channels").value, 1);
    QCOMPARE(grid->item(1, 1)->text(), QString("Altimeter"));
    QVERIFY(grid->item(1, 1)->data(Qt::BackgroundRole).isNull());

    QTest::mouseClick(Child<QPushButton>(&window, "select"), Qt::LeftButton);
    QCOMPARE(grid->rowCount(), 4);
    QVERIFY(grid->item(3, 2)->data(Qt::CheckStateRole).isNull());  // not checkable
    QCOMPARE(Child<QListWidget>(&window, "candidates")->count(), 2);
}

void CFormWindowTest::treeSelectionExpansionAndLeaves() {
    CSampleForm form;
    form.At("sensorTree").selectedPath = {1, 0};
    form.At("sensorTree").nodes[1].expanded = true;
    CFormWindow window(form);
    window.show();
    auto* tree = Child<QTreeWidget>(&window, "sensorTree");
    QTreeWidgetItem* oxygen = tree->topLevelItem(1);
    QVERIFY(oxygen->isExpanded());
    QCOMPARE(tree->currentItem(), oxygen->child(0));

    tree->setCurrentItem(oxygen->child(1));
    QCOMPARE(form.At("sensorTree").selectedPath, (std::vector<int>{1, 1}));
    oxygen->setExpanded(false);
    QVERIFY(!form.At("sensorTree").nodes[1].expanded);

    // A group is not confirmed by a double-click; a leaf is.
    form.log.clear();
    DoubleClick(tree->viewport(), tree->visualItemRect(oxygen).center());
    QVERIFY(form.log.find("command:") == std::string::npos);
    oxygen->setExpanded(true);
    DoubleClick(tree->viewport(), tree->visualItemRect(oxygen->child(1)).center());
    QVERIFY(form.log.find("command:sensorTree;leaf 1;") != std::string::npos);

    // A new node rebuilds the tree and keeps the expansion and selection.
    QTest::mouseClick(Child<QPushButton>(&window, "select"), Qt::LeftButton);
    QCOMPARE(tree->topLevelItem(1)->childCount(), 3);
    QVERIFY(tree->topLevelItem(1)->isExpanded());
    QCOMPARE(tree->currentItem(), tree->topLevelItem(1)->child(1));
}

void CFormWindowTest::enterEscapeAndTheCloseBox() {
    {
        CSampleForm form;
        CFormWindow window(form);
        window.show();
        QTest::keyClick(Child<QLineEdit>(&window, "serial"), Qt::Key_Return);
        QCOMPARE(form.log, std::string("command:ok;"));
        QVERIFY(window.isHidden());
        QCOMPARE(window.result(), IDOK);
    }
    {
        CSampleForm form;
        form.refuseCancel = true;
        CFormWindow window(form);
        window.show();
        QTest::keyClick(Child<QLineEdit>(&window, "serial"), Qt::Key_Escape);
        window.close();
        QCOMPARE(form.log, std::string("command:cancel;command:cancel;"));
        QVERIFY(window.isVisible());  // the logic decided to stay
        form.refuseCancel = false;
        window.close();
        QVERIFY(window.isHidden());
        QCOMPARE(window.result(), IDCANCEL);
    }
}

void CFormWindowTest::pagesBecomeTabsAndTheModalRunReturnsTheResult() {
    const FormHandler previous = SetFormHandler(&CFormWindow::Run);
    CSampleForm form(true);
    WhenModal([](QWidget* modal) {
        auto* tabs = Child<QTabWidget>(modal, "pages");
        QVERIFY(tabs != nullptr);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(1), QString("Sensors"));
        QCOMPARE(Child<QTableWidget>(modal, "channels")->parentWidget(), tabs->widget(1));
        // The bottom row lies outside the pages.
        QVERIFY(!tabs->isAncestorOf(Child<QPushButton>(modal, "ok")));
        QVERIFY(modal->width() <= 1366 && modal->height() <= 768);
        QTest::mouseClick(Child<QPushButton>(modal, "ok"), Qt::LeftButton);
    });
    QCOMPARE(TWRunModal(form), IDOK);
    SetFormHandler(previous);
}

QTEST_MAIN(CFormWindowTest)
#include "FormWindow_test.moc"
