// The system's open- and save-file dialogs.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "widgets/desktop.h"

namespace widgets::win32 {

enum class FileDialogKind { Open, Save };

// The open dialog takes only an existing file and the save dialog asks before replacing one;
// both hide the read-only box, can be resized and use the explorer style.
DWORD FileDialogFlags(FileDialogKind kind);

// "Text files|*.txt|All files|*.*" in the dialog's form: each part ended by a NUL, the list by a
// second one. Empty stays empty, which lists every file.
std::string NativeFilter(std::string_view filter);

// The chosen file's full name; nothing when the user cancels or the dialog cannot be shown.
std::optional<std::string> ShowFileDialog(HWND owner, FileDialogKind kind,
                                          const FileDialogRequest& request);

}  // namespace widgets::win32
