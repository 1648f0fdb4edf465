#include "emulator/document.h"

#include "emulator/art_bounds.h"

namespace emulator {

namespace {

host::PathStyle BlackFillNoStroke() {
  host::PathStyle style;
  style.fillPaint = true;
  style.fill.colour = host::GreyColour(1.0f);
  style.strokePaint = false;
  return style;
}

bool CanHold(ArtKind container, ArtKind kind) {
  switch (container) {
    case ArtKind::kGroup:
      return true;
    case ArtKind::kCompoundPath:
      return kind == ArtKind::kPath;
    default:
      return false;
  }
}

void VisitTree(const Art& art, const std::function<void(const Art&)>& visitor) {
  visitor(art);
  for (const auto& child : art.children)
    VisitTree(*child, visitor);
}

}  // namespace

Document::Document(host::RealPoint viewCentre)
    : root_(std::make_unique<Art>(ArtKind::kGroup, nullptr)), currentStyle_(BlackFillNoStroke()) {
  arts_.Insert(root_.get());
  layer_.firstArt = root_.get();
  view_.centre = viewCentre;
  root_->path.style = currentStyle_;
}

Art* Document::NewArtInsideOnTop(ArtKind kind, Art& container) {
  if (!CanHold(container.kind, kind))
    return nullptr;
  auto art = std::make_unique<Art>(kind, &container);
  art->path.style = currentStyle_;
  Art* made = art.get();
  container.children.push_back(std::move(art));
  try {
    arts_.Insert(made);
  } catch (...) {
    container.children.pop_back();  // no handle may outlive its art
    throw;
  }
  lastFound_ = made;
  return made;
}

bool Document::Dispose(Art& art) {
  if (art.parent == nullptr)
    return false;
  lastFound_ = nullptr;
  VisitTree(art, [&](const Art& inside) { arts_.Erase(&inside); });
  auto& siblings = art.parent->children;
  std::erase_if(siblings,
                [&](const std::unique_ptr<Art>& sibling) { return sibling.get() == &art; });
  return true;
}

Art* Document::Find(host::ArtHandle handle) const {
  const auto* art = reinterpret_cast<const Art*>(handle);
  if (art == nullptr || (art != lastFound_ && !arts_.Contains(art)))
    return nullptr;
  lastFound_ = art;
  return const_cast<Art*>(art);
}

bool Document::Owns(host::LayerHandle handle) const {
  return handle == reinterpret_cast<host::LayerHandle>(const_cast<Layer*>(&layer_));
}

bool Document::Owns(host::DocumentViewHandle handle) const {
  return handle == reinterpret_cast<host::DocumentViewHandle>(const_cast<DocumentView*>(&view_));
}

void Document::Visit(const std::function<void(const Art&)>& visitor) const {
  VisitTree(*root_, visitor);
}

std::vector<const Art*> Document::Paths() const {
  std::vector<const Art*> paths;
  Visit([&](const Art& art) {
    if (art.kind == ArtKind::kPath)
      paths.push_back(&art);
  });
  return paths;
}

int Document::Count(ArtKind kind) const {
  int count = 0;
  Visit([&](const Art& art) { count += art.kind == kind ? 1 : 0; });
  return count;
}

std::optional<host::RealRect> Document::Bounds() const {
  return ArtBounds(*root_);
}

}  // namespace emulator
