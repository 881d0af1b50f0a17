// What a user sees right after starting the program.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ambrix_ids.h"
#include "ambrix_fixture.h"
#include "running_ambrix.h"
#include "window_query.h"

namespace e2e {
namespace {

using Items = std::vector<std::wstring>;

const Items kTimeUnits = {L"s", L"ms", L"us"};
const Items kCurrentUnits = {L"uA", L"mA", L"A"};
const Items kCapacityUnits = {L"mA/h", L"A/h"};

struct ListCase {
  int id;
  const Items* items;
  const char* why;
};

// Every list, each with its own item set: a list filled from the wrong
// entries, or sorted, shows up here.
const ListCase kLists[] = {
    {kRows[0].timeUnit, &kTimeUnits, "row 1 time unit"},
    {kRows[1].timeUnit, &kTimeUnits, "row 2 time unit"},
    {kRows[2].timeUnit, &kTimeUnits, "row 3 time unit"},
    {kRows[3].timeUnit, &kTimeUnits, "row 4 time unit"},
    {kRows[4].timeUnit, &kTimeUnits, "row 5 time unit"},
    {kRows[0].currentUnit, &kCurrentUnits, "row 1 current unit"},
    {kRows[1].currentUnit, &kCurrentUnits, "row 2 current unit"},
    {kRows[2].currentUnit, &kCurrentUnits, "row 3 current unit"},
    {kRows[3].currentUnit, &kCurrentUnits, "row 4 current unit"},
    {kRows[4].currentUnit, &kCurrentUnits, "row 5 current unit"},
    {kCapacityUnit, &kCapacityUnits, "capacity unit; \"A/h\" would sort first"},
};

using Startup = AmbrixTest;

TEST_F(Startup, WindowIsTheCalculatorDialog) {
  EXPECT_EQ(ClassName(app.Window()), L"#32770");
  EXPECT_EQ(ReadText(app.Window()), kCalculatorCaption);
  EXPECT_TRUE(IsWindowEnabled(app.Window()));
  EXPECT_TRUE(OwnedDialogs(app.Window()).empty()) << "no box comes before the window";
}

TEST_F(Startup, EveryFieldShowsItsDefault) {
  for (const RowIds& row : kRows) {
    EXPECT_EQ(app.Text(row.duration), L"0") << "duration field " << row.duration;
    EXPECT_EQ(app.Text(row.current), L"0") << "current field " << row.current;
  }
  EXPECT_EQ(app.Text(kCapacity), L"2000");
}

TEST_F(Startup, EveryListHoldsItsUnitsInOrderWithTheFirstSelected) {
  for (const ListCase& list : kLists) {
    SCOPED_TRACE(list.why);
    EXPECT_EQ(app.Items(list.id), *list.items);
    EXPECT_EQ(app.Selection(list.id), 0);
    EXPECT_EQ(app.Text(list.id), list.items->front()) << "the list's field shows the first item";
  }
}

TEST_F(Startup, FocusIsInWindowOneDurationWithItsTextSelected) {
  EXPECT_EQ(app.FocusedId(), kRows[0].duration);
  EXPECT_EQ(app.EditSelection(kRows[0].duration), std::make_pair(0, 1)) << "the whole \"0\"";
}

TEST(StartupArguments, CommandLineChangesNothing) {
  RunningAmbrix app(L"/x 123 --capacity=5 \"ms\"");
  EXPECT_EQ(app.Text(kCapacity), L"2000");
  EXPECT_EQ(app.Text(kRows[0].duration), L"0");
  EXPECT_EQ(app.Selection(kRows[0].timeUnit), 0);
}

}  // namespace
}  // namespace e2e
