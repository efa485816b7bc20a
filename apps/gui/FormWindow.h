#pragma once
// The window that draws any dialog told as a form (platform/Form.h): one
// widget per control, named by the control's id. What the user types or
// picks is stored back into the control and forwarded to the dialog's
// Changed or Command; afterwards every widget is drawn again from the
// controls, and the window closes when the dialog has ended.

#include <QChar>
#include <QDialog>
#include <QPointer>
#include <map>
#include <string>
#include <vector>

#include "platform/Form.h"

class QBoxLayout;
class QVBoxLayout;
class QButtonGroup;
class QGridLayout;
class QLabel;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

class CFormWindow : public QDialog {
    Q_OBJECT
  public:
    CFormWindow(CFormDialog& form, QWidget* parent = nullptr);

    // Shows the dialog modally over the active window; the result it ended
    // with, IDCANCEL when the window was closed otherwise.
    static int Run(CFormDialog& form);

    // Draws every widget from the controls.
    void Redraw();

  protected:
    // Escape and the window's close box: the cancel button's command.
    void reject() override;

  private:
    // The widgets of one control: the widget named by its id, and the label
    // drawn beside or above it (null when the widget shows its own label).
    struct SBinding {
        std::string id;
        QWidget* widget = nullptr;
        QLabel* label = nullptr;
        QButtonGroup* radios = nullptr;
        // The grid or tree as last drawn, so that unchanged rows and nodes
        // keep their items (and the user's scroll position).
        std::vector<CString> drawnChoices;
        std::vector<CString> drawnColumns;
        std::vector<std::vector<SGridCell>> drawnRows;
        std::vector<STreeNode> drawnNodes;
    };

    // Makes the widgets; tabOrder receives them in the order of the Tab key.
    void Build(std::vector<QWidget*>& tabOrder);
    // Lays out the controls of one page (or of the dialog without pages).
    void BuildPage(QWidget* page, const CString& pageName, std::vector<QWidget*>& tabOrder);
    // Lays out the controls into the layout of page: form rows, the full-width
    // controls, the buttons beside and below them, and titled boxes of the
    // controls of a group.
    void LayOut(QWidget* page, QVBoxLayout* outer, const std::vector<const SControl*>& controls,
                std::vector<QWidget*>& tabOrder);
    // Gives every button without one a mnemonic of its own.
    void ChooseMnemonics();
    SBinding& Bind(const SControl& control, QWidget* widget, QLabel* label = nullptr);
    QWidget* MakeWidget(const SControl& control, QWidget* parent);
    QWidget* MakeButton(const SControl& control, QWidget* parent);
    QWidget* MakeRadioGroup(const SControl& control, QWidget* parent);
    QWidget* MakeGrid(const SControl& control, QWidget* parent);
    QWidget* MakeTree(const SControl& control, QWidget* parent);
    QWidget* MakeList(const SControl& control, QWidget* parent);

    void DrawControl(SBinding& binding, const SControl& control);
    void DrawRadios(SBinding& binding, const SControl& control);
    void DrawGrid(SBinding& binding, QTableWidget& table, const SControl& control);
    void DrawTree(SBinding& binding, QTreeWidget& tree, const SControl& control);
    void FitToScreen();

    // Forwards an action of the user and draws the result.
    void Changed(const std::string& id);
    void Command(const std::string& id);
    void AfterAction();

    // A tree item's path of child indexes from the top.
    static std::vector<int> PathOf(const QTreeWidgetItem* item);

    CFormDialog& m_form;
    std::vector<SBinding> m_bindings;
    std::map<std::string, QChar> m_mnemonics;  // the letter of each button's mnemonic
    bool m_drawing = false;                    // widgets changed by Redraw are not the user's doing
};
