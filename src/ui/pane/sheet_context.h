// What every page and editor of one run of the selection sheet works with:
// the edit session and the router of the preview's reports. The sheet makes
// one per run and hands it to each dialog it makes.
#pragma once

#include "session/edit_session.h"
#include "ui/pane/pane_reports.h"

namespace vta {

struct SheetContext {
  EditSession& session;
  PaneReports& reports;
};

}  // namespace vta
