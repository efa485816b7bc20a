#include "platform/FileDialog.h"

#include <string_view>
#include <utility>

namespace {

FileDialogHandler& Handler() {
    static FileDialogHandler handler;
    return handler;
}

}  // namespace

std::vector<SFileFilter> FileFiltersFrom(const char* filterText) {
    std::vector<CString> parts;
    std::string_view rest(filterText ? filterText : "");
    while (!rest.empty()) {
        const std::size_t bar = rest.find('|');
        const std::string_view part = rest.substr(0, bar);
        if (part.empty()) {
            break;  // "||" ends the list
        }
        parts.emplace_back(std::string(part).c_str());
        rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    }
    std::vector<SFileFilter> filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        filters.push_back({parts[i], parts[i + 1]});
    }
    return filters;
}

std::optional<CString> TWFileDialog(const SFileDialogRequest& request) {
    const FileDialogHandler& handler = Handler();
    return handler ? handler(request) : std::nullopt;
}

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

CScriptedFileDialog::CScriptedFileDialog(std::deque<std::optional<CString>> answers)
    : m_answers(std::move(answers)),
      m_previous(SetFileDialogHandler([this](const SFileDialogRequest& request) {
          requests.push_back(request);
          if (m_answers.empty()) {
              return std::optional<CString>();
          }
          std::optional<CString> answer = m_answers.front();
          m_answers.pop_front();
          return answer;
      })) {}

CScriptedFileDialog::~CScriptedFileDialog() {
    SetFileDialogHandler(std::move(m_previous));
}
