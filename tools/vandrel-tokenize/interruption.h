// An interrupted run (Ctrl+C, or the end of the console session) removes the temporary file
// that its output was being written to, so only the earlier output remains.
#pragma once

namespace vandrel_tokenize {

void RemoveTemporaryFileOnInterruption();

}  // namespace vandrel_tokenize
