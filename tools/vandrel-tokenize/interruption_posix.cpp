#include <signal.h>
#include <unistd.h>

#include "interruption.h"
#include "utils/files.h"

namespace vandrel_tokenize {
namespace {

// Removes the file, then ends the program by the signal as it would have ended without this.
void OnInterruption(int signal_number) {
  if (const char* name = utils::ReplacingFileWriter::PendingTemporaryFile())
    ::unlink(name);
  ::signal(signal_number, SIG_DFL);
  ::raise(signal_number);
}

}  // namespace

void RemoveTemporaryFileOnInterruption() {
  for (const int signal_number : {SIGINT, SIGTERM, SIGHUP})
    ::signal(signal_number, OnInterruption);
}

}  // namespace vandrel_tokenize
