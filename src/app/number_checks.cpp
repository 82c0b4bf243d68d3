// The two number fields are checked on every change of their text, in the locale's notation.
#include "app/vandrel_form.h"
#include "utils/numbers.h"

namespace app {

void TVandrelForm::ProbFactorEditChange() {
  if (!utils::ParseNumber(ProbFactorEdit.Text(), desktop_.DecimalSeparator())) {
    desktop_.ShowMessage(Texts.BadProbFactorMsg);
  }
}

void TVandrelForm::ReplaceFreqEditChange() {
  if (!utils::ParseNumber(ReplaceFreqEdit.Text(), desktop_.DecimalSeparator())) {
    desktop_.ShowMessage(Texts.BadReplaceFreqMsg);
  }
}

}  // namespace app
