// Carries out a checked run plan: the own program, the built-in tokenizer and the batch file,
// each work file deleted when the plan says.
#pragma once

#include <functional>
#include <string>

#include "run/batch_file.h"
#include "run/run_plan.h"
#include "tokenizer/tokenizer.h"
#include "widgets/desktop.h"

namespace run {

// Tokenizes the first file into the second; given by the caller, who loads the language lists
// and reports the tokenizer's messages.
using TokenizeStep =
    std::function<tokenizer::TokenizeOutcome(const std::string& input, const std::string& output)>;

// Runs the plan's steps; `batch_text` is the contents of `batch_file`, the plan's batch file, in
// the console's code page. Returns false when the tokenizer stopped at a byte-order mark, which
// ends the run before the engine. A failure throws, leaving the work files written so far; the
// batch file goes with `batch_file`.
bool ExecuteRun(const RunPlan& plan, std::string_view batch_text, BatchFile& batch_file,
                widgets::Desktop& desktop, const TokenizeStep& tokenize);

}  // namespace run
