#include "placeholders.h"

#include "canvas.h"

namespace vtafx {

Picture placeholderCard(int source, uint32_t size) {
  // Neighbouring numbers get far-apart hues; odd numbers are darker.
  const int hue = (source * 7 % kPlaceholderSources) * 360 / kPlaceholderSources;
  Canvas card(size, size, hueColour(hue, source % 2 ? 150 : 230));
  const int s = static_cast<int>(size);
  const Rgb white{255, 255, 255}, black{0, 0, 0};
  const int border = s / 32 + 1;
  card.fillRect(0, 0, s, border, white);
  card.fillRect(0, s - border, s, border, white);
  card.fillRect(0, 0, border, s, white);
  card.fillRect(s - border, 0, border, s, white);
  for (int i = 0; i < s / 4; ++i) card.fillRect(0, i, s / 4 - i, 1, white);  // corner mark
  const int digitW = s * 5 / 16, digitH = s / 2, stroke = s / 12 + 1, gap = s / 16;
  const int left = (s - 2 * digitW - gap) / 2, top = (s - digitH) / 2 + s / 16;
  card.fillRect(left - stroke, top - stroke, 2 * digitW + gap + 2 * stroke, digitH + 2 * stroke, black);
  card.digit(source / 10, left, top, digitW, digitH, stroke, white);
  card.digit(source % 10, left + digitW + gap, top, digitW, digitH, stroke, white);
  return card.picture();
}

}  // namespace vtafx
