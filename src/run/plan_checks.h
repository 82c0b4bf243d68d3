// The checks of a run plan before anything is written: the folders it runs in must exist, and
// no file the run writes or deletes may be one of the user's own.
#pragma once

#include <optional>
#include <string>

#include "run/run_plan.h"
#include "ui_text/text_set.h"

namespace run {

// The message for the first problem found, naming the file or folder and what to do; nothing
// when the plan may run.
std::optional<std::string> RunPlanProblem(const RunPlan& plan, const ui_text::NamedTexts& texts);

}  // namespace run
