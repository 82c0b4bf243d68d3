#include "widgets/desktop.h"

#include <gtest/gtest.h>

namespace widgets {
namespace {

TEST(ErrorBoxText, AppendsAPeriodAfterACharacterThatSortsAfterIt) {
  EXPECT_EQ(ErrorBoxText("Cannot create file"), "Cannot create file.");
  EXPECT_EQ(ErrorBoxText("Access is denied."), "Access is denied.");
  EXPECT_EQ(ErrorBoxText("Failed!"), "Failed!");  // "!" sorts before "."
  EXPECT_EQ(ErrorBoxText("Zeile \xFC"), "Zeile \xFC.");
  EXPECT_EQ(ErrorBoxText(""), "");
}

TEST(CreateProcessErrorText, AdvisesOnTheTwoTypicalErrors) {
  EXPECT_EQ(CreateProcessErrorText(2, "File not found.", 40),
            "Create Process Error #2: File not found.. Possibly, a parameter with an internal "
            "space should be enclosed in quotes.");
  EXPECT_EQ(CreateProcessErrorText(31, "A device attached to the system is not functioning.", 9000),
            "Create Process Error #31: A device attached to the system is not functioning.. "
            "Possibly, the command line (9000 chars) is too long.");
  EXPECT_EQ(CreateProcessErrorText(5, "Access denied.", 10),
            "Create Process Error #5: Access denied.");
}

}  // namespace
}  // namespace widgets
