// Base of every page of the selection sheet and of the editors opened over
// it: the sheet's context, the dialog's own "Selected FX" pane, and the
// dispatch of the dialog's share of each message to small handlers. A
// dialog finds its object through its window (DWLP_USER), set when the
// dialog starts.
#pragma once

#include <windows.h>

#include "ui/pane/preview_pane.h"
#include "ui/controls/dialog_page.h"
#include "ui/pane/sheet_context.h"

namespace vta {

class SheetDialog : public DialogPage {
 public:
  EditSession& session() const { return context_.session; }
  SheetContext& context() const { return context_; }
  PreviewPane& pane() { return pane_; }

 protected:
  SheetDialog(DLGPROC procedure, SheetContext& context)
      : DialogPage(procedure), context_(context), pane_(*this, context) {}
  virtual ~SheetDialog() = default;

  // Binds object to window: the procedure finds it there from now on.
  static void attach(HWND window, SheetDialog* object);
  // The object bound to window, or null before the dialog started.
  template <class Dialog>
  static Dialog* attached(HWND window) {
    return static_cast<Dialog*>(reinterpret_cast<SheetDialog*>(GetWindowLongPtrA(window, DWLP_USER)));
  }

  // Hands message to the handler below that takes it.
  void dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void onInit() {}
  virtual void onCommand(int /*id*/, int /*code*/) {}
  // control is the trackbar that moved, code its notification code.
  virtual void onScroll(HWND /*control*/, int /*code*/) {}
  virtual void onNotify(const NMHDR& /*header*/) {}
  // Every other message.
  virtual void onMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {}
  // Whether the dialog shows a context menu of its own for target; the
  // pane's context help is then not offered for it.
  virtual bool ownsContextMenu(HWND /*target*/) const { return false; }

  // The pane's share of message, unless it is a context menu the dialog
  // shows itself.
  void handOnToPane(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  SheetContext& context_;
  PreviewPane pane_;
};

}  // namespace vta
