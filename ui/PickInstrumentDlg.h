#pragma once
// The instrument picker of a new configuration.

#include "platform/Form.h"

class CWnd;

namespace Config2004 {

class CPickInstrumentDlg : public CFormDialog {
  public:
    CPickInstrumentDlg();

    // Shows the picker; the chosen CTD ID, or -1 on Cancel or when nothing
    // was chosen.
    static int DisplayPickInstrumentDialog(CWnd* parent);
    int GetSelectedInstrument() const { return m_selected; }

    void Command(const std::string& id) override;

  private:
    int m_selected = -1;
};

}  // namespace Config2004
