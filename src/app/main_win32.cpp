// Program entry of winvandrel.exe: start-up of the main window, then its native view and the
// event loop until the window closes. When the engine is missing, start-up has told the user
// and the program ends without ever showing the window.
#include <windows.h>

#include <commctrl.h>

#include <exception>
#include <string>

#include "app/vandrel_form.h"
#include "widgets/desktop.h"
#include "widgets/win32/event_loop.h"
#include "widgets/win32/win32_desktop.h"
#include "widgets/win32/win32_view.h"

namespace {

std::string ProgramPath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0)
      return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

int Run(const std::string& program_path, int show_command) {
  widgets::win32::Win32Desktop desktop(widgets::win32::ApplicationTitle(program_path));
  app::TVandrelForm form(desktop, program_path);
  try {
    if (!form.FormCreate())
      return 0;
  } catch (const std::exception& failure) {
    // As in any handler: the user learns what failed, and the window still opens.
    desktop.ShowError(failure.what());
  }
  widgets::win32::Win32View view(form, desktop);
  view.Show(show_command);
  return widgets::win32::RunEventLoop(view);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show_command) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
  const std::string program_path = ProgramPath();
  try {
    return Run(program_path, show_command);
  } catch (const std::exception& failure) {
    ::MessageBoxA(nullptr, widgets::ErrorBoxText(failure.what()).c_str(),
                  widgets::win32::ApplicationTitle(program_path).c_str(),
                  MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    return 1;
  }
}
