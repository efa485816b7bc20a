#include "apps/gui/FormWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "apps/gui/Latin1.h"
#include "apps/gui/OwnedDialog.h"
#include "apps/gui/QtHandlers.h"
#include "platform/MessageBox.h"

namespace {

// Controls laid out in rows of a form; the others (grids, trees, lists) take
// the full width and the height that is left.
bool IsFormRow(EControl kind) {
    return kind == EControl::Label || kind == EControl::Edit || kind == EControl::Check ||
           kind == EControl::Combo || kind == EControl::Radio;
}

// Rows of a form beyond this count are laid out in two columns, so that the
// dialogs of the models with many settings fit on a small screen.
constexpr int kRowsPerColumn = 6;

// Grids show up to this many rows without scrolling (more scroll), within
// these bounds, so that every dialog fits a small laptop screen at 125 %.
constexpr int kGridMaxRows = 6;
constexpr int kGridMinHeight = 120;
constexpr int kGridMaxWidth = 760;
constexpr int kListMinWidth = 360;

// The label with its first letter (either case) marked as its mnemonic; a
// label that has one already, or a label whose text changed and lost the
// letter, stays as it is.
QString WithMnemonic(const CString& label, QChar letter) {
    QString text = FromLatin1(label);
    for (qsizetype i = 0; i < text.size() && !letter.isNull(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] != u'&') {
                return text;
            }
            ++i;  // a shown '&'
        } else if (text[i].toLower() == letter) {
            text.insert(i, u'&');
            break;
        }
    }
    return text;
}

// The letter a label marks as its mnemonic, lower case; null: none.
QChar MnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&') {
                return text[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}

bool SameShape(const std::vector<STreeNode>& a, const std::vector<STreeNode>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (!(a[i].label == b[i].label) || a[i].data != b[i].data ||
            !SameShape(a[i].children, b[i].children)) {
            return false;
        }
    }
    return true;
}

void AddTreeItems(QTreeWidgetItem* parent, QTreeWidget* tree, const std::vector<STreeNode>& nodes) {
    for (const STreeNode& node : nodes) {
        auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, FromLatin1(node.label));
        AddTreeItems(item, tree, node.children);
    }
}

void ExpandTreeItems(QTreeWidgetItem* parent, QTreeWidget& tree,
                     const std::vector<STreeNode>& nodes) {
    for (size_t i = 0; i < nodes.size(); ++i) {
        QTreeWidgetItem* item = parent != nullptr ? parent->child(static_cast<int>(i))
                                                  : tree.topLevelItem(static_cast<int>(i));
        item->setExpanded(nodes[i].expanded);
        ExpandTreeItems(item, tree, nodes[i].children);
    }
}

bool SameCell(const SGridCell& a, const SGridCell& b) {
    return a.text == b.text && a.hasBackground == b.hasBackground && a.red == b.red &&
           a.green == b.green && a.blue == b.blue && a.checkable == b.checkable &&
           a.checked == b.checked && a.centred == b.centred;
}

bool SameCells(const std::vector<std::vector<SGridCell>>& a,
               const std::vector<std::vector<SGridCell>>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return std::equal(x.begin(), x.end(), y.begin(), y.end(), SameCell);
    });
}

void SelectGridRow(QTableWidget& table, int row) {
    if (row == table.currentRow()) {
        return;
    }
    if (row >= 0 && row < table.rowCount()) {
        table.setCurrentCell(row, std::max(table.currentColumn(), 0));
    } else {
        table.setCurrentCell(-1, -1);
        table.clearSelection();
    }
}

QTreeWidgetItem* TreeItemAt(QTreeWidget& tree, const std::vector<int>& path) {
    QTreeWidgetItem* item = nullptr;
    for (int index : path) {
        const int count = item != nullptr ? item->childCount() : tree.topLevelItemCount();
        if (index < 0 || index >= count) {
            return nullptr;
        }
        item = item != nullptr ? item->child(index) : tree.topLevelItem(index);
    }
    return item;
}

}  // namespace

CFormWindow::CFormWindow(CFormDialog& form, QWidget* parent) : QDialog(parent), m_form(form) {
    std::vector<QWidget*> tabOrder;
    Build(tabOrder);
    Redraw();
    // After the first drawing, which makes the radio buttons of each group:
    // the buttons take their group's place.
    QWidget* previous = nullptr;
    for (QWidget* widget : tabOrder) {
        QList<QWidget*> stops{widget};
        if (qobject_cast<QGroupBox*>(widget) != nullptr) {
            stops.clear();
            for (QRadioButton* radio : widget->findChildren<QRadioButton*>()) {
                stops << radio;
            }
        }
        for (QWidget* stop : stops) {
            if (previous != nullptr) {
                setTabOrder(previous, stop);
            }
            previous = stop;
        }
    }
    FitToScreen();
}

int CFormWindow::Run(CFormDialog& form) {
    COwnedDialog<CFormWindow> window(new CFormWindow(form, DialogOwner()));
    window->exec();
    return form.Ended() ? form.Result() : IDCANCEL;
}

void CFormWindow::Build(std::vector<QWidget*>& tabOrder) {
    setObjectName(QStringLiteral("form"));
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    const std::vector<CString> pages = m_form.Pages();
    if (pages.empty()) {
        auto* body = new QWidget(this);
        layout->addWidget(body, 1);
        BuildPage(body, CString(), tabOrder);
    } else {
        const bool pagelessBody =
            std::any_of(m_form.controls.begin(), m_form.controls.end(), [](const SControl& c) {
                return c.page.IsEmpty() && c.visible &&
                       !(c.kind == EControl::Button && c.bottomRow);
            });
        if (pagelessBody) {
            auto* body = new QWidget(this);
            layout->addWidget(body);
            BuildPage(body, CString(), tabOrder);
        }
        auto* tabs = new QTabWidget(this);
        tabs->setObjectName(QStringLiteral("pages"));
        layout->addWidget(tabs, 1);
        tabOrder.push_back(tabs);
        for (const CString& name : pages) {
            auto* page = new QWidget(tabs);
            tabs->addTab(page, FromLatin1(name));
            BuildPage(page, name, tabOrder);
        }
        // Ctrl+Tab and Ctrl+Shift+Tab turn the pages wherever the focus is.
        for (const auto& [keys, step] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                         std::pair{QKeySequence(Qt::CTRL | Qt::Key_Backtab), -1}}) {
            auto* turn = new QShortcut(keys, this);
            turn->setContext(Qt::WindowShortcut);
            connect(turn, &QShortcut::activated, tabs, [tabs, step = step] {
                tabs->setCurrentIndex((tabs->currentIndex() + step + tabs->count()) %
                                      tabs->count());
            });
        }
    }
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    for (const SControl& control : m_form.controls) {
        if (control.kind == EControl::Button && control.bottomRow && control.page.IsEmpty()) {
            QWidget* button = MakeButton(control, this);
            bottom->addWidget(button);
            tabOrder.push_back(button);
        }
    }
    layout->addLayout(bottom);
    ChooseMnemonics();
}

void CFormWindow::ChooseMnemonics() {
    // Letters in the order of the buttons, each at most once.
    QString taken;
    for (const SControl& control : m_form.controls) {
        const QChar own = MnemonicOf(FromLatin1(control.label));
        if (control.kind == EControl::Button && !own.isNull()) {
            taken += own;
        }
    }
    for (const SControl& control : m_form.controls) {
        const QString text = FromLatin1(control.label);
        if (control.kind != EControl::Button || !MnemonicOf(text).isNull()) {
            continue;
        }
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar letter = text[i].toLower();
            if (letter.isLetterOrNumber() && !taken.contains(letter) && text[i] != u'&' &&
                (i == 0 || text[i - 1] != u'&')) {
                taken += letter;
                m_mnemonics[control.id] = letter;
                break;
            }
        }
    }
}

void CFormWindow::BuildPage(QWidget* page, const CString& pageName,
                            std::vector<QWidget*>& tabOrder) {
    std::vector<const SControl*> controls;
    for (const SControl& control : m_form.controls) {
        if (control.page == pageName &&
            !(control.kind == EControl::Button && control.bottomRow && pageName.IsEmpty())) {
            controls.push_back(&control);  // not the dialog's own bottom row
        }
    }
    LayOut(page, new QVBoxLayout(page), controls, tabOrder);
}

void CFormWindow::LayOut(QWidget* page, QVBoxLayout* outer,
                         const std::vector<const SControl*>& controls,
                         std::vector<QWidget*>& tabOrder) {
    auto* body = new QHBoxLayout;
    outer->addLayout(body, 1);
    auto* content = new QVBoxLayout;
    body->addLayout(content, 1);
    std::vector<const SControl*> run;  // form rows waiting for their layout
    std::vector<QWidget*> sideButtons, bottomButtons;

    auto flushRun = [&] {
        if (run.empty()) {
            return;
        }
        auto* grid = new QGridLayout;
        const int count = static_cast<int>(run.size());
        const int columns = count > kRowsPerColumn ? 2 : 1;
        const int rows = (count + columns - 1) / columns;
        for (int i = 0; i < count; ++i) {
            const SControl& control = *run[i];
            const int row = i % rows, column = (i / rows) * 2;
            QWidget* widget = MakeWidget(control, page);
            if (control.kind == EControl::Edit || control.kind == EControl::Combo) {
                auto* label = new QLabel(FromLatin1(control.label), page);
                label->setBuddy(widget);
                Bind(control, widget, label);
                grid->addWidget(label, row, column);
                grid->addWidget(widget, row, column + 1);
            } else {
                Bind(control, widget);
                grid->addWidget(widget, row, column, 1, 2);
            }
            tabOrder.push_back(widget);
        }
        if (columns == 2) {
            grid->setColumnMinimumWidth(2, 0);
            grid->setHorizontalSpacing(12);
        }
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(3, columns == 2 ? 1 : 0);
        content->addLayout(grid);
        run.clear();
    };

    for (size_t i = 0; i < controls.size(); ++i) {
        const SControl& control = *controls[i];
        if (!control.group.IsEmpty() && !(page->objectName() == FromLatin1(control.group))) {
            // The control and its neighbours of the same group, in a titled box.
            flushRun();
            auto* box = new QGroupBox(FromLatin1(control.group), page);
            box->setObjectName(FromLatin1(control.group));
            std::vector<const SControl*> members;
            for (; i < controls.size() && controls[i]->group == control.group; ++i) {
                members.push_back(controls[i]);
            }
            --i;
            LayOut(box, new QVBoxLayout(box), members, tabOrder);
            content->addWidget(box);
            continue;
        }
        if (control.kind == EControl::Button) {
            (control.bottomRow ? bottomButtons : sideButtons).push_back(MakeButton(control, page));
        } else if (IsFormRow(control.kind)) {
            run.push_back(&control);
        } else {
            flushRun();
            QLabel* label = nullptr;
            if (!control.label.IsEmpty()) {
                label = new QLabel(FromLatin1(control.label), page);
                content->addWidget(label);
            }
            QWidget* widget = MakeWidget(control, page);
            if (label != nullptr) {
                label->setBuddy(widget);
            }
            Bind(control, widget, label);
            content->addWidget(widget, 1);
            tabOrder.push_back(widget);
        }
    }
    flushRun();
    if (!sideButtons.empty()) {
        auto* side = new QVBoxLayout;
        for (QWidget* button : sideButtons) {
            side->addWidget(button);
            tabOrder.push_back(button);
        }
        side->addStretch(1);
        body->addLayout(side);
    }
    if (!bottomButtons.empty()) {
        auto* bottom = new QHBoxLayout;
        bottom->addStretch(1);
        for (QWidget* button : bottomButtons) {
            bottom->addWidget(button);
            tabOrder.push_back(button);
        }
        outer->addLayout(bottom);
    }
}

CFormWindow::SBinding& CFormWindow::Bind(const SControl& control, QWidget* widget, QLabel* label) {
    widget->setObjectName(QString::fromStdString(control.id));
    if (label != nullptr) {
        label->setObjectName(QString::fromStdString(control.id + "Label"));
    }
    for (SBinding& binding : m_bindings) {
        if (binding.id == control.id) {
            binding.widget = widget;
            binding.label = label;
            return binding;
        }
    }
    SBinding& binding = m_bindings.emplace_back();
    binding.id = control.id;
    binding.widget = widget;
    binding.label = label;
    return binding;
}

QWidget* CFormWindow::MakeWidget(const SControl& control, QWidget* parent) {
    const std::string id = control.id;
    switch (control.kind) {
        case EControl::Label: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            return label;
        }
        case EControl::Edit: {
            auto* edit = new QLineEdit(parent);
            connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
                if (!m_drawing) {
                    TypeText(m_form, id, ToLatin1(text));
                    AfterAction();
                }
            });
            return edit;
        }
        case EControl::Check: {
            auto* check = new QCheckBox(parent);
            connect(check, &QCheckBox::clicked, this, [this, id](bool checked) {
                if (!m_drawing) {
                    SetValue(m_form, id, checked ? 1 : 0);
                    AfterAction();
                }
            });
            return check;
        }
        case EControl::Combo: {
            auto* combo = new QComboBox(parent);
            combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            connect(combo, &QComboBox::activated, this, [this, id](int index) {
                if (!m_drawing) {
                    SetValue(m_form, id, index);
                    AfterAction();
                }
            });
            return combo;
        }
        case EControl::Radio:
            return MakeRadioGroup(control, parent);
        case EControl::Button:
            return MakeButton(control, parent);
        case EControl::Grid:
            return MakeGrid(control, parent);
        case EControl::Tree:
            return MakeTree(control, parent);
        case EControl::List:
            return MakeList(control, parent);
    }
    return new QWidget(parent);
}

QWidget* CFormWindow::MakeButton(const SControl& control, QWidget* parent) {
    auto* button = new QPushButton(parent);
    Bind(control, button);
    const std::string id = control.id;
    connect(button, &QPushButton::clicked, this, [this, id] {
        if (!m_drawing) {
            Command(id);
        }
    });
    if (!control.shortcut.empty()) {
        auto* shortcut =
            new QShortcut(QKeySequence(QString::fromStdString(control.shortcut)), this);
        connect(shortcut, &QShortcut::activated, this, [this, id] { Command(id); });
    }
    return button;
}

QWidget* CFormWindow::MakeRadioGroup(const SControl& control, QWidget* parent) {
    auto* box = new QGroupBox(parent);
    new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    const std::string id = control.id;
    connect(group, &QButtonGroup::idClicked, this, [this, id](int index) {
        if (!m_drawing) {
            SetValue(m_form, id, index);
            AfterAction();
        }
    });
    Bind(control, box).radios = group;
    return box;
}

QWidget* CFormWindow::MakeGrid(const SControl& control, QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // One Tab stop: the arrow keys move within the grid, Tab leaves it.
    table->setTabKeyNavigation(false);
    const std::string id = control.id;
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table, &QWidget::customContextMenuRequested, this, [this, id, table](QPoint at) {
        const SControl* grid = m_form.Find(id);
        if (grid == nullptr || grid->menu.empty()) {
            return;
        }
        const int row = table->rowAt(at.y());
        if (row >= 0 && row != grid->value) {
            SetValue(m_form, id, row);
            AfterAction();
        }
        QMenu menu(table);
        for (const std::string& item : grid->menu) {
            const SControl* button = m_form.Find(item);
            if (button != nullptr && button->visible) {
                QAction* action = menu.addAction(WithoutMnemonics(button->label));
                action->setEnabled(button->enabled);
                connect(action, &QAction::triggered, this, [this, item] { Command(item); });
            }
        }
        menu.exec(table->viewport()->mapToGlobal(at));
    });
    connect(table, &QTableWidget::currentCellChanged, this, [this, id](int row) {
        const SControl* grid = m_form.Find(id);
        if (!m_drawing && grid != nullptr && row >= 0 && row != grid->value) {
            SetValue(m_form, id, row);
            AfterAction();
        }
    });
    connect(table, &QTableWidget::itemChanged, this, [this, id](QTableWidgetItem* item) {
        const SControl* grid = m_form.Find(id);
        if (m_drawing || grid == nullptr || item->row() >= static_cast<int>(grid->rows.size()) ||
            item->column() >= static_cast<int>(grid->rows[item->row()].size())) {
            return;
        }
        const SGridCell& cell = grid->rows[item->row()][item->column()];
        if (cell.checkable && cell.checked != (item->checkState() == Qt::Checked)) {
            ToggleGridCell(m_form, id, item->row(), item->column());
            AfterAction();
        }
    });
    connect(table, &QTableWidget::cellDoubleClicked, this, [this, id](int row) {
        const SControl* grid = m_form.Find(id);
        if (m_drawing || grid == nullptr) {
            return;
        }
        if (row != grid->value) {
            SetValue(m_form, id, row);
        }
        Command(id);
    });
    return table;
}

QWidget* CFormWindow::MakeTree(const SControl& control, QWidget* parent) {
    auto* tree = new QTreeWidget(parent);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setMinimumSize(320, 320);
    const std::string id = control.id;
    connect(tree, &QTreeWidget::currentItemChanged, this, [this, id](QTreeWidgetItem* current) {
        SControl* node = m_form.Find(id);
        if (m_drawing || node == nullptr || current == nullptr) {
            return;
        }
        node->selectedPath = PathOf(current);
        Changed(id);
    });
    auto storeExpansion = [this, id](QTreeWidgetItem* item, bool expanded) {
        SControl* tree = m_form.Find(id);
        if (m_drawing || tree == nullptr) {
            return;
        }
        // Expanding is the toolkit's own business; it is kept in the nodes
        // only so that the next drawing keeps it.
        const std::vector<int> path = PathOf(item);
        if (STreeNode* node = TreeNodeAt(tree->nodes, path)) {
            node->expanded = expanded;
        }
        for (SBinding& binding : m_bindings) {
            if (binding.id == id) {
                if (STreeNode* drawn = TreeNodeAt(binding.drawnNodes, path)) {
                    drawn->expanded = expanded;
                }
            }
        }
    };
    connect(tree, &QTreeWidget::itemExpanded, this,
            [storeExpansion](QTreeWidgetItem* item) { storeExpansion(item, true); });
    connect(tree, &QTreeWidget::itemCollapsed, this,
            [storeExpansion](QTreeWidgetItem* item) { storeExpansion(item, false); });
    connect(tree, &QTreeWidget::itemDoubleClicked, this, [this, id](QTreeWidgetItem* item) {
        SControl* node = m_form.Find(id);
        if (m_drawing || node == nullptr || item->childCount() > 0) {
            return;
        }
        node->selectedPath = PathOf(item);
        Command(id);
    });
    return tree;
}

QWidget* CFormWindow::MakeList(const SControl& control, QWidget* parent) {
    auto* list = new QListWidget(parent);
    const std::string id = control.id;
    connect(list, &QListWidget::currentRowChanged, this, [this, id](int row) {
        const SControl* rows = m_form.Find(id);
        if (!m_drawing && rows != nullptr && row != rows->value) {
            SetValue(m_form, id, row);
            AfterAction();
        }
    });
    connect(list, &QListWidget::itemDoubleClicked, this, [this, id, list](QListWidgetItem* item) {
        const SControl* rows = m_form.Find(id);
        if (m_drawing || rows == nullptr) {
            return;
        }
        if (list->row(item) != rows->value) {
            SetValue(m_form, id, list->row(item));
        }
        Command(id);
    });
    return list;
}

void CFormWindow::Redraw() {
    m_drawing = true;
    setWindowTitle(FromLatin1(m_form.title) + QStringLiteral("[*]"));
    setWindowModified(m_form.Modified());
    for (SBinding& binding : m_bindings) {
        const SControl* control = m_form.Find(binding.id);
        if (control == nullptr) {
            binding.widget->setVisible(false);
            if (binding.label != nullptr) {
                binding.label->setVisible(false);
            }
            continue;
        }
        binding.widget->setEnabled(control->enabled);
        binding.widget->setVisible(control->visible);
        binding.widget->setToolTip(FromLatin1(control->toolTip));
        if (binding.label != nullptr) {
            binding.label->setText(FromLatin1(control->label));
            binding.label->setEnabled(control->enabled);
            binding.label->setVisible(control->visible);
        }
        DrawControl(binding, *control);
    }
    m_drawing = false;
}

void CFormWindow::DrawControl(SBinding& binding, const SControl& control) {
    switch (control.kind) {
        case EControl::Label:
            static_cast<QLabel*>(binding.widget)->setText(WithoutMnemonics(control.label));
            break;
        case EControl::Edit: {
            auto* edit = static_cast<QLineEdit*>(binding.widget);
            const QString text = FromLatin1(control.text);
            if (edit->text() != text) {
                edit->setText(text);  // unchanged text keeps the cursor where it is
            }
            edit->setMaxLength(control.maxLength > 0 ? control.maxLength : 32767);
            edit->setReadOnly(control.readOnly);
            break;
        }
        case EControl::Check:
            static_cast<QCheckBox*>(binding.widget)->setText(FromLatin1(control.label));
            static_cast<QCheckBox*>(binding.widget)->setChecked(control.value == 1);
            break;
        case EControl::Combo: {
            auto* combo = static_cast<QComboBox*>(binding.widget);
            if (binding.drawnChoices != control.choices) {
                combo->clear();
                for (const CString& choice : control.choices) {
                    combo->addItem(FromLatin1(choice));
                }
                binding.drawnChoices = control.choices;
            }
            combo->setCurrentIndex(control.value);
            break;
        }
        case EControl::Radio:
            DrawRadios(binding, control);
            break;
        case EControl::Button: {
            auto* button = static_cast<QPushButton*>(binding.widget);
            const auto mnemonic = m_mnemonics.find(control.id);
            button->setText(WithMnemonic(
                control.label, mnemonic == m_mnemonics.end() ? QChar() : mnemonic->second));
            button->setDefault(control.isDefault);
            break;
        }
        case EControl::Grid:
            DrawGrid(binding, *static_cast<QTableWidget*>(binding.widget), control);
            break;
        case EControl::Tree:
            DrawTree(binding, *static_cast<QTreeWidget*>(binding.widget), control);
            break;
        case EControl::List: {
            auto* list = static_cast<QListWidget*>(binding.widget);
            if (binding.drawnChoices != control.choices) {
                list->clear();
                for (const CString& choice : control.choices) {
                    list->addItem(FromLatin1(choice));
                }
                binding.drawnChoices = control.choices;
                // Wide enough for the longest row, as far as a small screen allows.
                const int rows = static_cast<QAbstractItemView*>(list)->sizeHintForColumn(0);
                list->setMinimumWidth(std::clamp(
                    rows + list->frameWidth() * 2 + list->verticalScrollBar()->sizeHint().width(),
                    kListMinWidth, kGridMaxWidth));
            }
            list->setCurrentRow(control.value);
            break;
        }
    }
}

void CFormWindow::DrawRadios(SBinding& binding, const SControl& control) {
    auto* box = static_cast<QGroupBox*>(binding.widget);
    box->setTitle(FromLatin1(control.label));
    QButtonGroup* group = binding.radios;
    if (binding.drawnChoices != control.choices) {
        for (QAbstractButton* button : group->buttons()) {
            group->removeButton(button);
            delete button;
        }
        for (size_t i = 0; i < control.choices.size(); ++i) {
            auto* radio = new QRadioButton(FromLatin1(control.choices[i]), box);
            radio->setObjectName(QString::fromStdString(control.id) + QString::number(i));
            group->addButton(radio, static_cast<int>(i));
            box->layout()->addWidget(radio);
        }
        binding.drawnChoices = control.choices;
    }
    // An exclusive group cannot show "none chosen".
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
        button->setChecked(group->id(button) == control.value);
    }
    group->setExclusive(true);
}

void CFormWindow::DrawGrid(SBinding& binding, QTableWidget& table, const SControl& control) {
    // Cells are drawn only when they changed: drawing them again in the
    // middle of a click would make the view forget the row pressed.
    if (binding.drawnColumns == control.columns && SameCells(binding.drawnRows, control.rows)) {
        SelectGridRow(table, control.value);
        return;
    }
    binding.drawnColumns = control.columns;
    binding.drawnRows = control.rows;
    int columns = static_cast<int>(control.columns.size());
    for (const std::vector<SGridCell>& row : control.rows) {
        columns = std::max(columns, static_cast<int>(row.size()));
    }
    table.setColumnCount(columns);
    if (columns > 0) {
        table.horizontalHeader()->setSectionResizeMode(columns - 1, QHeaderView::Stretch);
    }
    QStringList headers;
    for (const CString& column : control.columns) {
        headers << FromLatin1(column);
    }
    table.setHorizontalHeaderLabels(headers);
    table.setRowCount(static_cast<int>(control.rows.size()));
    for (int r = 0; r < static_cast<int>(control.rows.size()); ++r) {
        for (int c = 0; c < columns; ++c) {
            QTableWidgetItem* item = table.item(r, c);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                table.setItem(r, c, item);
            }
            const std::vector<SGridCell>& row = control.rows[r];
            const SGridCell cell = c < static_cast<int>(row.size()) ? row[c] : SGridCell();
            item->setText(FromLatin1(cell.text));
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (cell.checkable) {
                item->setFlags(flags | Qt::ItemIsUserCheckable);
                item->setCheckState(cell.checked ? Qt::Checked : Qt::Unchecked);
            } else {
                item->setFlags(flags);
                item->setData(Qt::CheckStateRole, QVariant());
            }
            if (cell.hasBackground) {
                item->setBackground(QColor(cell.red, cell.green, cell.blue));
                item->setForeground(QColor(Qt::black));  // readable on the light cell in any theme
            } else {
                item->setData(Qt::BackgroundRole, QVariant());
                item->setData(Qt::ForegroundRole, QVariant());
            }
            item->setTextAlignment(cell.centred ? Qt::AlignCenter
                                                : Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    // Wide enough for every column, and high enough for the rows of a
    // large instrument, as far as a small screen allows.
    int width = table.frameWidth() * 2 + table.verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < columns; ++c) {
        width += std::max(static_cast<QAbstractItemView&>(table).sizeHintForColumn(c),
                          table.horizontalHeader()->sectionSizeHint(c));
    }
    table.setMinimumWidth(std::min(width + 24, kGridMaxWidth));
    const int shownRows = std::min(static_cast<int>(control.rows.size()), kGridMaxRows);
    table.setMinimumHeight(std::max(
        kGridMinHeight, table.horizontalHeader()->sizeHint().height() + table.frameWidth() * 2 +
                            table.verticalHeader()->defaultSectionSize() * shownRows));
    SelectGridRow(table, control.value);
}

void CFormWindow::DrawTree(SBinding& binding, QTreeWidget& tree, const SControl& control) {
    if (!SameShape(binding.drawnNodes, control.nodes)) {
        tree.clear();
        AddTreeItems(nullptr, &tree, control.nodes);
    }
    binding.drawnNodes = control.nodes;
    ExpandTreeItems(nullptr, tree, control.nodes);
    QTreeWidgetItem* current = TreeItemAt(tree, control.selectedPath);
    if (current == tree.currentItem()) {
        return;
    }
    tree.setCurrentItem(current);
    if (current != nullptr) {
        tree.scrollToItem(current);
    } else {
        tree.clearSelection();
    }
}

void CFormWindow::FitToScreen() {
    adjustSize();
    // Wide enough for the whole caption (a window manager cuts it to the
    // width of the window).
    const int caption = fontMetrics().horizontalAdvance(FromLatin1(m_form.title)) + 120;
    if (width() < caption) {
        resize(caption, height());
    }
    const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (shown == nullptr) {
        return;
    }
    // Room for the window frame and the desktop's panels.
    const QSize room = shown->availableGeometry().size() - QSize(16, 48);
    resize(size().boundedTo(room));
}

void CFormWindow::Changed(const std::string& id) {
    m_form.Changed(id);
    AfterAction();
}

void CFormWindow::Command(const std::string& id) {
    Press(m_form, id);
    AfterAction();
}

void CFormWindow::AfterAction() {
    if (m_form.Ended()) {
        done(m_form.Result());
    } else {
        Redraw();
    }
}

void CFormWindow::reject() {
    for (const SControl& control : m_form.controls) {
        if (control.isCancel) {
            if (control.visible && control.enabled) {
                Command(control.id);
            }
            return;
        }
    }
    m_form.EndDialog(IDCANCEL);
    AfterAction();
}

std::vector<int> CFormWindow::PathOf(const QTreeWidgetItem* item) {
    std::vector<int> path;
    for (; item != nullptr; item = item->parent()) {
        const QTreeWidgetItem* parent = item->parent();
        path.insert(path.begin(), parent != nullptr
                                      ? parent->indexOfChild(const_cast<QTreeWidgetItem*>(item))
                                      : item->treeWidget()->indexOfTopLevelItem(
                                            const_cast<QTreeWidgetItem*>(item)));
    }
    return path;
}
