#include "platform/ChoiceDialog.h"

#include <utility>

namespace {

ChoiceDialogHandler& Handler() {
    static ChoiceDialogHandler handler;
    return handler;
}

}  // namespace

int TWChoiceDialog(const SChoiceRequest& request) {
    const ChoiceDialogHandler& handler = Handler();
    const int chosen = handler ? handler(request) : -1;
    return chosen >= 0 && chosen < static_cast<int>(request.rows.size()) ? chosen : -1;
}

ChoiceDialogHandler SetChoiceDialogHandler(ChoiceDialogHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

CScriptedChoiceDialog::CScriptedChoiceDialog(std::deque<int> answers)
    : m_answers(std::move(answers)),
      m_previous(SetChoiceDialogHandler([this](const SChoiceRequest& request) {
          requests.push_back(request);
          if (m_answers.empty()) {
              return -1;
          }
          const int answer = m_answers.front();
          m_answers.pop_front();
          return answer;
      })) {}

CScriptedChoiceDialog::~CScriptedChoiceDialog() {
    SetChoiceDialogHandler(std::move(m_previous));
}
