#include <windows.h>

#include "interruption.h"
#include "utils/files.h"

namespace vandrel_tokenize {
namespace {

// Removes the file; the default handling then ends the program.
BOOL WINAPI OnInterruption(DWORD) {
  if (const char* name = utils::ReplacingFileWriter::PendingTemporaryFile())
    ::DeleteFileA(name);
  return FALSE;
}

}  // namespace

void RemoveTemporaryFileOnInterruption() {
  ::SetConsoleCtrlHandler(OnInterruption, TRUE);
}

}  // namespace vandrel_tokenize
