#include "widgets/win32/file_dialog.h"

#include <commdlg.h>

#include <vector>

namespace widgets::win32 {
namespace {

// Room for the longest name the dialog can return.
constexpr std::size_t kNameCapacity = 32768;

}  // namespace

DWORD FileDialogFlags(FileDialogKind kind) {
  const DWORD common = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER;
  return common | (kind == FileDialogKind::Open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
}

std::string NativeFilter(std::string_view filter) {
  if (filter.empty())
    return {};
  std::string result(filter);
  for (char& c : result) {
    if (c == '|')
      c = '\0';
  }
  result.append(2, '\0');
  return result;
}

std::optional<std::string> ShowFileDialog(HWND owner, FileDialogKind kind,
                                          const FileDialogRequest& request) {
  const std::string filter = NativeFilter(request.filter);
  std::vector<char> name(kNameCapacity, '\0');
  request.file_name.copy(name.data(), name.size() - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
  dialog.Flags = FileDialogFlags(kind);
  const BOOL chosen =
      kind == FileDialogKind::Open ? ::GetOpenFileNameA(&dialog) : ::GetSaveFileNameA(&dialog);
  if (!chosen)
    return std::nullopt;
  return std::string(name.data());
}

}  // namespace widgets::win32
