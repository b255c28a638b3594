#include "gui/main_window_layout.h"

namespace {

using Kind = ElementSlot::Kind;

std::string indexed(const char* array, int i) {
  return std::string(array) + "(" + std::to_string(i) + ")";
}

class SlotList {
 public:
  explicit SlotList(std::vector<ElementSlot>& placed) : slots_(placed) {}
  int text(TextElement& e, std::string name, int parent, bool transparent = false) {
    slots_.push_back({Kind::Text, &e, std::move(name), parent, -1, transparent});
    return static_cast<int>(slots_.size()) - 1;
  }
  int picture(PictureElement& e, std::string name, int parent) {
    slots_.push_back({Kind::Picture, &e, std::move(name), parent});
    return static_cast<int>(slots_.size()) - 1;
  }
  int button(ButtonElement& e, int command, int parent) {
    slots_.push_back({Kind::Button, &e, indexed("Command", command), parent, command});
    return static_cast<int>(slots_.size()) - 1;
  }

 private:
  std::vector<ElementSlot>& slots_;
};

// Element numbers of one board row's cells, as the boards' layout table gives them.
struct RowCells {
  int first, hour, minute, colon, go;
};

RowCells rowCells(int b, int r) {
  switch (b) {
    case 0: return {5 * r + 2, 5 * r, 5 * r + 1, 5 * r + 3, 20 + r};
    case 1: return {29 + 4 * r, 30 + 4 * r, 31 + 4 * r, 44 + r, 27 - r};
    case 2: return {68 + 3 * r, 70 + 3 * r, 69 + 3 * r, 80 + r, 67 - r};
    default: return {86 + 3 * r, 85 + 3 * r, 84 + 3 * r, 100 + r, 96 + r};
  }
}

}  // namespace

std::vector<ElementSlot> mainWindowSlots(Tovarek2& m) {
  std::vector<ElementSlot> placed;
  placed.reserve(480);
  SlotList add(placed);

  const int lower = add.picture(m.Picture3, "Picture3", -1);
  for (int b = 0; b < 4; ++b) add.text(m.Text2[b], indexed("Text2", b), lower);
  int panels[4];
  for (int b = 0; b < 4; ++b) panels[b] = add.picture(m.Picture4[b], indexed("Picture4", b), lower);
  int bells[4];
  for (int b = 0; b < 4; ++b) bells[b] = add.picture(m.Picture2[b], indexed("Picture2", b), lower);

  for (int b = 0; b < 4; ++b) {
    const bool upperPair = b < 2;
    auto& types = upperPair ? m.Picture5 : m.Picture7;
    auto& destinations = upperPair ? m.Text3 : m.Text5;
    const char* typeName = upperPair ? "Picture5" : "Picture7";
    const char* destinationName = upperPair ? "Text3" : "Text5";
    for (int r = 0; r < 4; ++r) {
      const RowCells c = rowCells(b, r);
      const int cell = (b % 2) * 8 + r;
      add.text(m.Text1[c.first], indexed("Text1", c.first), panels[b]);
      add.picture(types[cell], indexed(typeName, cell), panels[b]);
      add.text(m.Text1[c.hour], indexed("Text1", c.hour), panels[b]);
      add.text(m.Text1[c.minute], indexed("Text1", c.minute), panels[b]);
      add.text(destinations[cell], indexed(destinationName, cell), panels[b]);
      add.text(m.Text1[c.go], indexed("Text1", c.go), panels[b]);
      // The colon overlaps the hour cell and reads above it.
      add.text(m.Text1[c.colon], indexed("Text1", c.colon), panels[b]);
    }
    // Cover strips hide halves of the cells while a row rolls, so they lie above them.
    const std::pair<std::array<PictureElement, 32>*, const char*> strips[] = {
        {&m.Picture8, "Picture8"},   {&m.Picture9, "Picture9"},   {&m.Picture10, "Picture10"},
        {&m.Picture11, "Picture11"}, {&m.Picture12, "Picture12"},
    };
    for (const auto& [array, name] : strips)
      for (int i = 8 * b; i < 8 * b + 8; ++i) add.picture((*array)[i], indexed(name, i), panels[b]);
  }

  for (int b = 0; b < 4; ++b) {
    add.button(m.Command[2 * b], 2 * b, bells[b]);
    add.button(m.Command[2 * b + 1], 2 * b + 1, bells[b]);
  }

  // Spare cells: four staggered stacks, every later row above the one before it.
  for (int i = 0; i < 4; ++i) {
    add.picture(m.Picture5[4 + i], indexed("Picture5", 4 + i), -1);
    add.text(m.Text1[4 + 5 * i], indexed("Text1", 4 + 5 * i), -1);
    add.text(m.Text1[48 + 2 * i], indexed("Text1", 48 + 2 * i), -1);
    add.text(m.Text1[49 + 2 * i], indexed("Text1", 49 + 2 * i), -1);
    add.text(m.Text3[4 + i], indexed("Text3", 4 + i), -1);
  }
  for (int i = 0; i < 4; ++i) {
    add.picture(m.Picture5[12 + i], indexed("Picture5", 12 + i), -1);
    add.text(m.Text1[28 + 4 * i], indexed("Text1", 28 + 4 * i), -1);
    add.text(m.Text1[56 + 2 * i], indexed("Text1", 56 + 2 * i), -1);
    add.text(m.Text1[57 + 2 * i], indexed("Text1", 57 + 2 * i), -1);
    add.text(m.Text3[12 + i], indexed("Text3", 12 + i), -1);
  }
  for (int i = 0; i < 4; ++i) {
    add.picture(m.Picture7[4 + i], indexed("Picture7", 4 + i), -1);
    add.text(m.Text1[112 + i], indexed("Text1", 112 + i), -1);
    add.text(m.Text1[105 + 2 * i], indexed("Text1", 105 + 2 * i), -1);
    add.text(m.Text1[104 + 2 * i], indexed("Text1", 104 + 2 * i), -1);
    add.text(m.Text5[4 + i], indexed("Text5", 4 + i), -1);
  }
  for (int i = 0; i < 4; ++i) {
    add.picture(m.Picture7[12 + i], indexed("Picture7", 12 + i), -1);
    add.text(m.Text1[124 + i], indexed("Text1", 124 + i), -1);
    add.text(m.Text1[117 + 2 * i], indexed("Text1", 117 + 2 * i), -1);
    add.text(m.Text1[116 + 2 * i], indexed("Text1", 116 + 2 * i), -1);
    add.text(m.Text5[12 + i], indexed("Text5", 12 + i), -1);
  }
  for (int i = 0; i < 32; ++i) add.text(m.Text4[i], indexed("Text4", i), -1);

  const int clock = add.picture(m.Picture38, "Picture38", -1);
  add.text(m.AcumeJiLabel, "AcumeJiLabel", clock);
  add.text(m.AcumeFunLabel, "AcumeFunLabel", clock);
  add.text(m.AcumeByoLabel, "AcumeByoLabel", clock);
  // The colons overlap the digits; drawn without a background they leave the digits whole.
  add.text(m.Label1, "Label1", clock, true);
  add.text(m.Label6, "Label6", clock, true);
  return placed;
}
