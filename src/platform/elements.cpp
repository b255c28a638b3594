#include "platform/elements.h"

#include <algorithm>

void PictureElement::setPicture(std::string_view path, std::shared_ptr<const Surface> bitmap) {
  if (!bitmap || bitmap == picture) return;
  picture = std::move(bitmap);
  picturePath.assign(path);
  rebuildSurface();
  ++revision;
}

void PictureElement::setSize(int widthPixels, int heightPixels) {
  sizedWidth = std::max(0, widthPixels);
  sizedHeight = std::max(0, heightPixels);
  rebuildSurface();
  ++revision;
}

void PictureElement::rebuildSurface() {
  if (sizedWidth <= 0 || sizedHeight <= 0) {
    surface = picture;
    return;
  }
  auto sized = std::make_shared<Surface>(sizedWidth, sizedHeight, rgbFromBgr(backColour));
  if (picture) BitBlt(*sized, 0, 0, sizedWidth, sizedHeight, *picture, 0, 0, RasterOp::SRCCOPY);
  surface = std::move(sized);
}
