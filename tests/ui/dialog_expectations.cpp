#include "dialog_expectations.h"

#include <utility>

namespace vta::test {
namespace {

using K = ControlKind;

// The "Selected FX" pane; the editors carry it without the description text.
std::vector<ExpectedControl> pane(bool withDescription) {
  std::vector<ExpectedControl> controls = {
      {1040, K::GroupBox, "Selected FX"},
      {1042, K::Frame},
      {1062, K::Trackbar, nullptr, nullptr, false},
      {1078, K::PushButton, "Render", "Wait..."},
      {1084, K::ProgressBar},
  };
  if (withDescription) controls.push_back({1044, K::DescriptionBox});
  return controls;
}

std::vector<ExpectedControl> withPane(std::vector<ExpectedControl> controls, bool description) {
  for (const ExpectedControl& control : pane(description)) controls.push_back(control);
  return controls;
}

// A trackbar and its value label (id + 1), which shows at most fitText.
void addSlider(std::vector<ExpectedControl>& controls, int id, const char* fitText) {
  controls.push_back({id, K::Trackbar});
  controls.push_back({id + 1, K::Label, nullptr, fitText});
}

ExpectedDialog page(int id, const char* tabTitle, std::vector<ExpectedControl> controls,
                    std::vector<std::pair<int, int>> radioGroups, std::vector<const char*> labels) {
  ExpectedDialog dialog{id, tabTitle};
  dialog.controls = withPane(std::move(controls), true);
  dialog.radioGroups = std::move(radioGroups);
  dialog.labels = std::move(labels);
  return dialog;
}

// An "E" button, which reads "E*" while an envelope drives the value.
ExpectedControl envelopeButton(int id) { return {id, K::PushButton, "E", "E*"}; }

ExpectedDialog effectsPage() {
  std::vector<ExpectedControl> controls = {
      {1026, K::DropDownList},
      {1051, K::Label, "&Find:"},
      {1050, K::EditBox},
      {1043, K::GroupBox, "FX Icons", "Search results (first 16 of 65536)"},
  };
  for (int id = 1001; id <= 1016; ++id) controls.push_back({id, K::IconButton});
  return page(102, "   FX", controls, {}, {"FX Group"});
}

ExpectedDialog optionsPage() {
  std::vector<ExpectedControl> controls = {
      {1089, K::Label, "Type:"},
      {1100, K::RadioButton, "Fly-Off"},
      {1101, K::RadioButton, "Fly-On"},
      {1103, K::RadioButton, "Smooth"},
      {1104, K::RadioButton, "Flat"},
      {1105, K::RadioButton, "Wire"},
      {1106, K::RadioButton, "Fastest"},
      {1107, K::RadioButton, "Best"},
      {1108, K::RadioButton, "Fastest"},
      {1109, K::RadioButton, "Best"},
      {1114, K::CheckBox, "Antialiasing On/Off"},
      {1112, K::CheckBox, "Lighting On/Off"},
  };
  addSlider(controls, 1121, "360");
  addSlider(controls, 1601, "100%");
  addSlider(controls, 1115, "100%");
  addSlider(controls, 1117, "10");
  addSlider(controls, 1639, "100%");
  for (int id = 1131; id <= 1135; ++id) controls.push_back(envelopeButton(id));
  return page(103, "Options", controls, {{1100, 1101}, {1103, 1105}, {1106, 1107}, {1108, 1109}},
              {"Quality:", "Image Quality:", "Light Direction:", "Shadows:", "Blur Pct:",
               "Blur Count:", "Transition Period:"});
}

ExpectedDialog filterPage() {
  std::vector<ExpectedControl> controls = {{1200, K::DropDownList}};
  addSlider(controls, 1201, "100%");
  addSlider(controls, 1203, "200");
  addSlider(controls, 1304, "360");
  addSlider(controls, 1306, "360");
  addSlider(controls, 1308, "360");
  addSlider(controls, 1321, "200");
  return page(
      113, "Filter Options", controls, {},
      {"Source:", "Percent:", "Frames:", "X Rotate:", "Y Rotate:", "Z Rotate:", "Distance:"});
}

ExpectedDialog objectsPage() {
  std::vector<ExpectedControl> controls = {
      {1300, K::DropDownList},
      {1309, K::DropDownList},
      {1131, K::PushButton, "&Select"},
      {1134, K::Label, "<none>"},
      {1135, K::EditBox},
      {1137, K::Label, "Filename:"},
      {1138, K::Label, "Frame Offset:"},
      {1312, K::CheckBox, "Object Rotates with Path"},
      {1129, K::PushButton, "&Path Editor"},
      {1130, K::PushButton, "&Morph Envelope"},
  };
  addSlider(controls, 1301, "100%");
  addSlider(controls, 1303, "100%");
  addSlider(controls, 1305, "100%");
  addSlider(controls, 1119, "360");
  addSlider(controls, 1307, "20");
  addSlider(controls, 1320, "20");
  for (int id : {1121, 1122, 1123, 1125, 1126, 1127, 1128}) controls.push_back(envelopeButton(id));
  return page(104, "Objects", controls, {},
              {"Object:", "Mapped From:", "Luminosity:", "Shine:", "Transparency:",
               "Path Rotation:", "Trail Count:", "Trail Spacing:"});
}

ExpectedDialog settingsPage() {
  std::vector<ExpectedControl> controls = {
      {1500, K::RadioButton, "Show Icon"},
      {1501, K::RadioButton, "Show Name"},
      {1502, K::RadioButton, "Show Both"},
      {1080, K::CheckBox, "Reverse 1 and 2 when FX is reversed."},
      {1515, K::RadioButton, "Low"},
      {1516, K::RadioButton, "Medium"},
      {1517, K::RadioButton, "High"},
      {1504, K::DropDownList},
      {1081, K::CheckBox, "Automatic Preview Render"},
      {1511, K::DropDownList},
      {1512, K::RadioButton, "Off"},
      {1513, K::RadioButton, "Summary"},
      {1514, K::RadioButton, "Detailed"},
      {1082, K::CheckBox, "Multithreaded Rendering"},
      {1088, K::PushButton, "Save default options"},
      {2001, K::PushButton, "About Vantaro"},
  };
  addSlider(controls, 1505, "200");
  addSlider(controls, 1509, "30");
  return page(114, "Settings", controls, {{1500, 1502}, {1515, 1517}, {1512, 1514}},
              {"FX Page Settings", "Preview Settings", "Render Settings",
               "Rendering Engine:", "Frames:", "Preview Speed (fps):"});
}

// A modal dialog of the size the description gives, with the editors' pane
// (without the description text) when withPane is set.
ExpectedDialog modal(int id, const char* caption, int width, int height,
                     std::vector<ExpectedControl> controls, bool carriesPane) {
  ExpectedDialog dialog{id, caption, width, height};
  dialog.controls = carriesPane ? withPane(std::move(controls), false) : std::move(controls);
  if (carriesPane) dialog.absent = {1044};
  return dialog;
}

}  // namespace

const std::vector<ExpectedDialog>& sheetPages() {
  static const std::vector<ExpectedDialog> pages = {effectsPage(), optionsPage(), filterPage(),
                                                    objectsPage(), settingsPage()};
  return pages;
}

const ExpectedDialog& envelopeEditor() {
  static const ExpectedDialog dialog = [] {
    std::vector<ExpectedControl> controls = {
        {1, K::PushButton, "&OK"},
        {2, K::PushButton, "&Cancel"},
        {3, K::PushButton, "&Remove"},
        {1091, K::GroupBox, "Value", "Value at 100% * KEY *"},
        {5, K::PushButton, "&Previous Key"},
        {4, K::PushButton, "&Next Key"},
        {1092, K::EditBox},
        {6, K::PushButton, "&Create Key"},
        {7, K::PushButton, "&Delete Key"},
        {1201, K::Trackbar},
        {1202, K::RightLabel, "0%", "100%"},
        {1093, K::EditBox},
        {1097, K::EditBox},
        {1098, K::EditBox},
        {1099, K::CheckBox, "Linear"},
        {1100, K::RightLabel, "100%"},
        {1101, K::RightLabel, "0%", "100%"},
        {1102, K::Frame},
        {8, K::PushButton, "&Load"},
        {9, K::PushButton, "&Save"},
    };
    ExpectedDialog dialog = modal(118, "Envelope Editor", 412, 210, controls, true);
    dialog.labels = {"Tension", "Continuity", "Bias"};
    return dialog;
  }();
  return dialog;
}

const ExpectedDialog& pathEditor() {
  static const ExpectedDialog dialog = [] {
    std::vector<ExpectedControl> controls = {
        {1128, K::Frame},
        {1201, K::Trackbar},
        {1202, K::Label, "0%", "100%"},
        {5, K::PushButton, "&Previous"},
        {4, K::PushButton, "&Next"},
        {6, K::PushButton, "&Create"},
        {8, K::PushButton, "Copy"},
        {7, K::PushButton, "&Delete"},
        {1091, K::GroupBox, "Key Values", "Values at 100% * KEY *"},
        {1099, K::CheckBox, "Linear"},
        {1133, K::RadioButton, "&Move"},
        {1134, K::RadioButton, "Rotate"},
        {1135, K::RadioButton, "Stretch"},
        {1122, K::CheckBox, "&X"},
        {1125, K::CheckBox, "&Y"},
        {1126, K::CheckBox, "&Z"},
        {1136, K::RadioButton, "Camera"},
        {1137, K::RadioButton, "Perspective"},
        {1138, K::RadioButton, "Top"},
        {1139, K::RadioButton, "Side"},
        {1, K::PushButton, "Ok"},
        {2, K::PushButton, "Cancel"},
        {3, K::PushButton, "Remove"},
        {9, K::PushButton, "Load Path"},
        {10, K::PushButton, "Save Path"},
    };
    for (int id : {1094, 1100, 1101, 1095, 1103, 1104, 1096, 1105, 1106, 1093, 1097, 1098}) {
      controls.push_back({id, K::EditBox, nullptr, "-2000.25"});
    }
    ExpectedDialog dialog = modal(121, "Path Editor", 337, 290, controls, true);
    dialog.radioGroups = {{1133, 1135}, {1136, 1139}};
    dialog.labels = {"Key Tools", "Tools", "Views",  "X",       "Y",          "Z",   "Position",
                     "Rotation",  "Scale", "Spline", "Tension", "Continuity", "Bias"};
    return dialog;
  }();
  return dialog;
}

const ExpectedDialog& copyKeyDialog() {
  static const ExpectedDialog dialog = [] {
    ExpectedDialog copyKey =
        modal(123, "Copy Current Key", 232, 46,
              {{1132, K::EditBox}, {1, K::PushButton, "OK"}, {2, K::PushButton, "Cancel"}}, false);
    copyKey.labels = {"Enter Time Of Copied Key (%):"};
    copyKey.defaultButton = 1;
    return copyKey;
  }();
  return dialog;
}

}  // namespace vta::test
