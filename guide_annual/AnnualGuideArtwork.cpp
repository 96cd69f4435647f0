#include "guide_annual/GuideArtwork.h"

namespace {
const ui::ResourceRegistration artwork(RegisterGuideArtwork);
}  // namespace
