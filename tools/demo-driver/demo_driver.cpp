// Goes through the demo in the real window, as a user does: starts winvandrel.exe of the demo
// installation, loads the options file with Load and its file dialog, clicks Run, answers the
// key prompt of the run's console window, waits for "Vandrel finished" and closes the window.
// Every step has a time limit. The first step that fails is named, the screen at that moment is
// saved, and the program ends with exit code 1.
//
//   demo-driver <installation folder> <options file>
//
// Screenshots go to the folder that VANDREL_SCREENSHOTS names: demo-loaded.bmp (the window with
// the options loaded), demo-finished.bmp (the screen with the closing box) and, when a step
// fails, demo-failed.bmp.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "started_program.h"
#include "window_driving.h"

namespace {

using window_driving::ClassOf;
using window_driving::ClickAt;
using window_driving::ControlText;
using window_driving::PressKey;
using window_driving::SaveScreenshot;
using window_driving::ScreenCentre;
using window_driving::StartedProgram;
using window_driving::TextOf;
using window_driving::TypeText;

constexpr const char* kMainTitle = "Vandrel (Windows)";
constexpr const char* kDialogClass = "#32770";
constexpr const char* kFinishedText = "Vandrel finished";
// A message box shows its text in this static control.
constexpr int kBoxTextId = 0xFFFF;

class StepFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The first visible window below `parent` of this class whose text `matches`.
HWND FindControl(HWND parent, const char* window_class,
                 const std::function<bool(const std::string&)>& matches) {
  struct Search {
    const char* window_class;
    const std::function<bool(const std::string&)>* matches;
    HWND found;
  } search{window_class, &matches, nullptr};
  ::EnumChildWindows(
      parent,
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        if (::IsWindowVisible(window) && ClassOf(window) == s.window_class &&
            (*s.matches)(ControlText(window))) {
          s.found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The value of `key` in the options file; the window shows it once the file is loaded.
std::string OptionValue(const std::string& options_file, const std::string& key) {
  std::ifstream in(options_file, std::ios::binary);
  if (!in)
    throw StepFailed("cannot read " + options_file);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (line.rfind(key + "=", 0) == 0)
      return line.substr(key.size() + 1);
  }
  throw StepFailed(options_file + " has no " + key + " line");
}

// The run's console window, which belongs to the console host rather than to winvandrel.exe.
HWND ConsoleWindow() {
  for (const char* window_class : {"WineConsoleClass", "ConsoleWindowClass"}) {
    HWND window = ::FindWindowA(window_class, nullptr);
    if (window != nullptr && ::IsWindowVisible(window))
      return window;
  }
  return nullptr;
}

class DemoRun {
 public:
  DemoRun(std::string installation, std::string options_file)
      : installation_(std::move(installation)), options_file_(std::move(options_file)) {}

  void Start() {
    const std::string program = installation_ + "bin\\winvandrel.exe";
    program_ = std::make_unique<StartedProgram>(program, installation_);
    if (!program_->Started())
      throw StepFailed("cannot start " + program);
    main_ = Await(120, "the main window \"" + std::string(kMainTitle) + "\"", [&] {
      FailOnBox();
      return program_->FindWindowOf(nullptr, kMainTitle);
    });
  }

  void Load() {
    const std::string input = OptionValue(options_file_, "ReadFile");
    Click(Button("Load"));
    HWND dialog =
        Await(20, "the file dialog", [&] { return program_->FindWindowOf(kDialogClass); });
    const std::string dialog_title = TextOf(dialog);
    HWND name_field = Await(10, "the file name field of \"" + dialog_title + "\"", [&] {
      return FindControl(dialog, "Edit", [](const std::string&) { return true; });
    });
    Click(name_field);
    TypeText(options_file_);
    PressKey(VK_RETURN);
    Await(20, "the file dialog to close on " + options_file_,
          [&] { return ::IsWindow(dialog) && ::IsWindowVisible(dialog) ? nullptr : main_; });
    Await(20, "the window to show the loaded input file " + input, [&] {
      FailOnBox();
      return FindControl(main_, "Edit", [&](const std::string& text) { return text == input; });
    });
    // Load checks the loaded options at once and shows a box for each problem it finds.
    ::Sleep(1000);
    FailOnBox();
    Screenshot(main_, "demo-loaded.bmp");
  }

  void Run() {
    Click(Button("Run"));
    Await(30, "the run's console window", [&] {
      FailOnBox();
      return ConsoleWindow();
    });
  }

  // The batch file ends with a pause that waits for a key in the console window. A key given
  // before the pause waits in the console's input for it; should one be lost, the next one,
  // a few seconds later, answers.
  void AnswerKeyPrompt() {
    constexpr DWORD kRepeat = 5000;
    DWORD last_key = 0;
    int keys = 0;
    finished_box_ =
        Await(60, "\"" + std::string(kFinishedText) + "\" after the key", [&]() -> HWND {
          if (HWND box = program_->FindWindowOf(kDialogClass)) {
            if (ControlText(::GetDlgItem(box, kBoxTextId)) != kFinishedText)
              FailOnBox();
            return box;
          }
          HWND console = ConsoleWindow();
          if (console != nullptr && (keys == 0 || ::GetTickCount() - last_key > kRepeat)) {
            ::SetForegroundWindow(console);
            if (::GetForegroundWindow() == console) {
              PressKey(VK_RETURN);
              last_key = ::GetTickCount();
              ++keys;
            }
          }
          return nullptr;
        });
    if (keys == 0)
      throw StepFailed("the run ended before its console window took a key");
    std::printf("demo: %d key(s) pressed in the console window\n", keys);
    std::fflush(stdout);
  }

  void Finish() {
    Screenshot(::GetDesktopWindow(), "demo-finished.bmp");
    Click(Await(10, "the OK button of the box", [&] { return ::GetDlgItem(finished_box_, IDOK); }));
    Await(10, "the box to close", [&] {
      return ::IsWindow(finished_box_) && ::IsWindowVisible(finished_box_) ? nullptr : main_;
    });
  }

  void Close() {
    Click(Button("Exit"));
    const long code = program_->WaitForEnd(20000);
    if (code < 0)
      throw StepFailed("winvandrel.exe did not end within 20 s of Exit");
    if (code != 0)
      throw StepFailed("winvandrel.exe ended with exit code " + std::to_string(code));
  }

  // Leaves the screen as the failure left it, for the user to see.
  void ScreenshotOfFailure() { Screenshot(::GetDesktopWindow(), "demo-failed.bmp"); }

 private:
  // Asks `probe` every 100 ms until it gives a window. Fails when the time runs out or when
  // winvandrel.exe has ended.
  HWND Await(int seconds, const std::string& awaited, const std::function<HWND()>& probe) {
    const DWORD start = ::GetTickCount();
    for (;;) {
      if (HWND window = probe())
        return window;
      if (!program_->Running())
        throw StepFailed("winvandrel.exe ended while waiting for " + awaited);
      if (::GetTickCount() - start > static_cast<DWORD>(seconds) * 1000)
        throw StepFailed("still waiting after " + std::to_string(seconds) + " s for " + awaited);
      ::Sleep(100);
    }
  }

  // A message box that the step does not expect ends it, with the box's text.
  void FailOnBox() const {
    if (HWND box = program_->FindWindowOf(kDialogClass)) {
      throw StepFailed("winvandrel.exe shows the box \"" + TextOf(box) +
                       "\": " + ControlText(::GetDlgItem(box, kBoxTextId)));
    }
  }

  HWND Button(const std::string& caption) const {
    HWND button =
        FindControl(main_, "Button", [&](const std::string& text) { return text == caption; });
    if (button == nullptr)
      throw StepFailed("the window has no button \"" + caption + "\"");
    return button;
  }

  static void Click(HWND window) {
    ClickAt(ScreenCentre(window));
    ::Sleep(200);
  }

  // The pointer leaves the windows first, so that no hint covers them, and the windows are asked
  // to repaint, without waiting for them: winvandrel.exe does not paint while it waits for the
  // run's console.
  static void Screenshot(HWND window, const std::string& name) {
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    ::Sleep(500);
    SaveScreenshot(window, name);
    std::printf("demo: screenshot %s\n", name.c_str());
    std::fflush(stdout);
  }

  std::string installation_;
  std::string options_file_;
  std::unique_ptr<StartedProgram> program_;
  HWND main_ = nullptr;
  HWND finished_box_ = nullptr;
};

struct Step {
  const char* name;
  void (DemoRun::*action)();
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: demo-driver <installation folder> <options file>\n");
    return 2;
  }
  std::string installation = argv[1];
  if (!installation.empty() && installation.back() != '\\')
    installation += '\\';
  DemoRun demo(installation, argv[2]);
  const std::vector<Step> steps = {
      {"start winvandrel.exe", &DemoRun::Start},
      {"load the options file", &DemoRun::Load},
      {"run", &DemoRun::Run},
      {"answer the key prompt", &DemoRun::AnswerKeyPrompt},
      {"\"Vandrel finished\"", &DemoRun::Finish},
      {"exit", &DemoRun::Close},
  };
  for (const Step& step : steps) {
    std::printf("demo: step '%s'\n", step.name);
    std::fflush(stdout);
    try {
      (demo.*step.action)();
    } catch (const std::exception& failure) {
      demo.ScreenshotOfFailure();
      std::fprintf(stderr, "demo failed at step '%s': %s\n", step.name, failure.what());
      return 1;
    }
  }
  std::printf("demo: done\n");
  return 0;
}
