// Base of every page of the selection sheet and of the modal editors: the
// dialog procedure, the window, and the control operations all of them use,
// addressed by control id within the window.
#pragma once

#include <windows.h>

namespace vta {

// Control id of the preview speed trackbar, whose label the pane manages.
constexpr int kSpeedTrackbarId = 1062;

class DialogPage {
 public:
  DLGPROC dialogProc() const { return dialogProc_; }
  HWND window() const { return window_; }
  void setWindow(HWND window) { window_ = window; }

  // Operations marked "guarded" do nothing and return 0 while the page has
  // no window or the control does not exist.

  // Guarded. Sets the range; a non-zero step also sets tick frequency and page size.
  int setTrackbarRange(int id, int minimum, int maximum, int step);
  // Guarded. Sets the position and writes the value label (control id + 1).
  int setTrackbarValue(int id, int value);
  // Guarded. The position.
  int getTrackbarValue(int id);
  // Writes the value label of the trackbar that sent a scroll message (not
  // for the preview speed trackbar).
  static void updateTrackbarLabel(HWND trackbar);

  // Check the radio button first + index and clear the others of first..last.
  int checkRadio(int first, int last, int index);
  // Offset from first of the lowest checked button of first..last; 0 when none.
  int getCheckedRadio(int first, int last);
  int setCheck(int id, int state);
  int isChecked(int id);
  void setText(int id, const char* text);
  // Reads at most size bytes including the terminator; returns the length.
  int getText(int id, char* buffer, int size);

  void clearCombo(int id);
  void addComboItem(int id, const char* text);
  void selectComboIndex(int id, int index);
  // Selects the first item that begins with text, searching from the second
  // item and wrapping round to the first.
  void selectComboText(int id, const char* text);
  int getComboIndex(int id);
  // Copies the selected item's text when size exceeds its length and returns
  // the length; otherwise copies nothing. -1 when nothing is selected.
  int getComboText(int id, char* buffer, int size);

  // Guarded.
  int showControl(int id);
  int hideControl(int id);
  int enableControl(int id);
  int disableControl(int id);
  int setControlEnabled(int id, int flag);
  // Guarded. Repaints the control without erasing its background.
  int redrawControl(int id);

 protected:
  explicit DialogPage(DLGPROC dialogProc) : dialogProc_(dialogProc) {}
  ~DialogPage() {
    dialogProc_ = nullptr;
    window_ = nullptr;
  }
  DialogPage(const DialogPage&) = delete;
  DialogPage& operator=(const DialogPage&) = delete;

 private:
  // The control with this id, or null when there is no window or no control.
  HWND control(int id) const;
  LRESULT send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  DLGPROC dialogProc_ = nullptr;
  HWND window_ = nullptr;
};

// The text a trackbar's value label shows: "45%" when the maximum is
// exactly 100, else "45".
void formatTrackbarLabel(char (&text)[16], int value, int maximum);

}  // namespace vta
