// What every dialog template of the library must hold: its controls by id,
// with their kinds and texts, the radio groups, and the unnamed labels.
#pragma once

#include <utility>
#include <vector>

namespace vta::test {

enum class ControlKind {
  PushButton,
  IconButton,  // owner-drawn push button
  RadioButton,
  CheckBox,
  GroupBox,
  Label,
  RightLabel,
  Frame,  // sunken static frame that something is drawn into
  EditBox,
  DescriptionBox,  // read-only multi-line edit with a vertical scroll bar
  DropDownList,
  Trackbar,
  ProgressBar,
};

struct ExpectedControl {
  int id;
  ControlKind kind;
  const char* text = nullptr;     // the template's text; null: not checked
  const char* fitText = nullptr;  // longest text it shows at run time; null: its own
  bool visible = true;
};

struct ExpectedDialog {
  int id = 0;
  const char* caption = "";   // tab title of a page
  int width = 0, height = 0;  // dialog units; 0: the size is not prescribed
  std::vector<ExpectedControl> controls = {};
  std::vector<std::pair<int, int>> radioGroups = {};  // first and last id
  std::vector<const char*> labels = {};               // texts of labels and boxes without an id
  std::vector<int> absent = {};                       // ids that must not exist
  int defaultButton = 0;
};

// The pages in the order the selection sheet shows them: Effects, Options,
// Filter Options, Objects, Settings.
const std::vector<ExpectedDialog>& sheetPages();

const ExpectedDialog& envelopeEditor();
const ExpectedDialog& pathEditor();
const ExpectedDialog& copyKeyDialog();

}  // namespace vta::test
