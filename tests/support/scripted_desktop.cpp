#include "support/scripted_desktop.h"

#include <array>
#include <stdexcept>

namespace test_support {
namespace {

// Code page 850 bytes of the Windows-1252 bytes 0xA0 to 0xFF; 0 marks a byte without one.
constexpr std::array<unsigned char, 96> kOemOfLatin1 = {
    0xFF, 0xAD, 0xBD, 0x9C, 0xCF, 0xBE, 0xDD, 0xF5, 0xF9, 0xB8, 0xA6, 0xAE, 0xAA, 0xF0, 0xA9, 0xEE,
    0xF8, 0xF1, 0xFD, 0xFC, 0xEF, 0xE6, 0xF4, 0xFA, 0xF7, 0xFB, 0xA7, 0xAF, 0xAC, 0xAB, 0xF3, 0xA8,
    0xB7, 0xB5, 0xB6, 0xC7, 0x8E, 0x8F, 0x92, 0x80, 0xD4, 0x90, 0xD2, 0xD3, 0xDE, 0xD6, 0xD7, 0xD8,
    0xD1, 0xA5, 0xE3, 0xE0, 0xE2, 0xE5, 0x99, 0x9E, 0x9D, 0xEB, 0xE9, 0xEA, 0x9A, 0xED, 0xE8, 0xE1,
    0x85, 0xA0, 0x83, 0xC6, 0x84, 0x86, 0x91, 0x87, 0x8A, 0x82, 0x88, 0x89, 0x8D, 0xA1, 0x8C, 0x8B,
    0xD0, 0xA4, 0x95, 0xA2, 0x93, 0xE4, 0x94, 0xF6, 0x9B, 0x97, 0xA3, 0x96, 0x81, 0xEC, 0xE7, 0x98};

}  // namespace

void ScriptedDesktop::ShowMessage(const std::string& text) {
  messages.push_back(text);
  if (on_message)
    on_message(text);
}

void ScriptedDesktop::ShowError(const std::string& text) {
  errors.push_back(widgets::ErrorBoxText(text));
}

std::optional<std::string> ScriptedDesktop::Answer(DialogKind kind,
                                                   const widgets::FileDialogRequest& request) {
  dialogs.push_back({kind, request});
  if (dialog_answers.empty())
    return std::nullopt;
  std::optional<std::string> answer = dialog_answers.front();
  dialog_answers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedDesktop::ChooseFileToOpen(
    const widgets::FileDialogRequest& request) {
  return Answer(DialogKind::Open, request);
}

std::optional<std::string> ScriptedDesktop::ChooseFileToSave(
    const widgets::FileDialogRequest& request) {
  return Answer(DialogKind::Save, request);
}

widgets::WaitOutcome ScriptedDesktop::ProcessEventsUntil(const std::function<bool()>& condition) {
  for (;;) {
    if (window_ != nullptr && window_->IsClosed())
      return widgets::WaitOutcome::WindowClosed;
    if (condition())
      return widgets::WaitOutcome::ConditionMet;
    if (actions_while_waiting.empty()) {
      throw std::logic_error("a handler waits for the user, but the test scripted nothing");
    }
    std::function<void()> action = std::move(actions_while_waiting.front());
    actions_while_waiting.pop_front();
    action();
  }
}

void ScriptedDesktop::SetBusyPointer(bool busy) {
  pointer_changes.push_back(busy);
}

void ScriptedDesktop::RunCommand(const std::string& command_line,
                                 const std::string& working_folder) {
  commands.push_back({command_line, working_folder});
  if (on_command)
    on_command(commands.back());
}

std::string ScriptedDesktop::AnsiToOem(std::string_view text) {
  std::string oem(text);
  for (char& c : oem) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80)
      continue;
    const unsigned char mapped = byte >= 0xA0 ? kOemOfLatin1[byte - 0xA0] : 0;
    c = static_cast<char>(mapped != 0 ? mapped : '?');
  }
  return oem;
}

std::string ScriptedDesktop::OemToAnsi(std::string_view text) {
  std::string ansi(text);
  for (char& c : ansi) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80)
      continue;
    char found = '?';
    for (std::size_t i = 0; i < kOemOfLatin1.size(); ++i) {
      if (kOemOfLatin1[i] == byte)
        found = static_cast<char>(0xA0 + i);
    }
    c = found;
  }
  return ansi;
}

}  // namespace test_support
