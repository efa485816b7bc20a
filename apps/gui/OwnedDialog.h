#pragma once
// A modal dialog made on the heap over its owner window. The owner may be
// closed and deleted while the dialog runs (a report window that deletes
// itself, for one), which deletes the dialog with it and ends its exec; the
// dialog is deleted here only when it still lives.

#include <QPointer>

template <class Dialog>
class COwnedDialog {
  public:
    explicit COwnedDialog(Dialog* dialog) : m_dialog(dialog) {}
    ~COwnedDialog() { delete m_dialog.data(); }
    COwnedDialog(const COwnedDialog&) = delete;
    COwnedDialog& operator=(const COwnedDialog&) = delete;

    Dialog* operator->() const { return m_dialog.data(); }
    Dialog* get() const { return m_dialog.data(); }
    // False once the owner has deleted the dialog.
    explicit operator bool() const { return !m_dialog.isNull(); }

  private:
    QPointer<Dialog> m_dialog;
};
