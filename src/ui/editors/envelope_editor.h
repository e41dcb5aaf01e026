// The envelope editor (dialog 118): the user shapes the envelope that drives
// one parameter of the record with the time slider, the key boxes and the
// mouse on the graph, loads and saves envelope files, and watches the
// preview follow. A page makes one on the sheet's state and calls
// openEnvelopeEditor; the result is the record's envelope list.
#pragma once

#include <windows.h>

#include <string>

#include "model/components/envelope.h"
#include "ui/editors/envelope_graph.h"
#include "ui/editors/key_editor.h"

namespace vta {

class EnvelopeEditor final : public KeyEditor<EnvelopeComponent> {
 public:
  // title may be null (the template's caption stays). owner is the linkId of
  // the edited envelope: 0 for a parameter of the record, else an object's
  // id. defaultValue is the value of both keys a keyless envelope gets.
  EnvelopeEditor(SheetContext& context, const char* title, const EnvelopeScale& scale,
                 float defaultValue, uint16_t owner, uint16_t parameterIndex);

  // Finds or makes the envelope in the sheet's record, runs the dialog
  // modally over parent, then keeps the edits (OK), puts the record back as
  // it was (Cancel) or removes the envelope (Remove).
  void openEnvelopeEditor(HWND parent);

 private:
  void onInitView() override;
  void redraw() override;
  void showTimeMoved() override;
  EnvelopeKey keyBetween(float t) override;
  void showValues(const EnvelopeKey& key, bool onKey) override;
  bool readValues(EnvelopeKey& key) override;
  std::string rangeMessage() const override;
  EnvelopeKey pasted(const EnvelopeKey& key) const override;
  Press pressAt(int x, int y, bool left) override;
  void dragTo(int x, int y, bool left, WPARAM keys) override;
  std::string dragReadout() override;
  bool hidesCursorWhileDragging() const override { return false; }
  bool onViewKey(WPARAM key, bool alt) override;
  void resetEndKey(EnvelopeKey& key) override { key.value = defaultValue_; }

  HWND graph() const;
  void changeValueBy(float step);
  const char* valueFormat() const { return scale_.percentMode ? "%g%%" : "%g"; }

  std::string title_;
  bool hasTitle_;
  EnvelopeScale scale_;
  float defaultValue_;
  uint16_t owner_, parameterIndex_;
  EnvelopeGraph graph_;
  // Where the XOR time cursor is drawn, so that drawing it there again
  // erases it.
  float cursorTime_ = 0;
  uint32_t dragKeyIndex_ = 0;
  // Where the drag began: the pointer's x and the key's time.
  int pressX_ = 0;
  float pressTime_ = 0;
};

}  // namespace vta
