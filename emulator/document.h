// The emulator's in-memory document: one current layer whose first art is a group, the art tree
// under it, the current path style and document view 0.
#pragma once

#include <functional>
#include <optional>

#include "emulator/art.h"
#include "emulator/pointer_set.h"
#include "host/colour.h"
#include "host/geometry.h"
#include "host/handles.h"

namespace emulator {

struct Layer {
  Art* firstArt = nullptr;
};

struct DocumentView {
  host::RealPoint centre;
};

class Document {
 public:
  explicit Document(host::RealPoint viewCentre);
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  Layer& currentLayer() { return layer_; }
  DocumentView& view() { return view_; }
  const DocumentView& view() const { return view_; }
  // The layer's first art: the group every symbol is created in.
  Art& group() { return *root_; }
  const Art& group() const { return *root_; }

  // The style new paths start with: fill black, no stroke.
  const host::PathStyle& currentPathStyle() const { return currentStyle_; }

  // Makes new art on top inside the container. Null when the container cannot hold that kind
  // (groups hold anything, compound paths hold paths, nothing else holds art).
  Art* NewArtInsideOnTop(ArtKind kind, Art& container);
  // Removes the art and everything inside it; false for the layer's first art, which stays.
  bool Dispose(Art& art);

  // The art, layer or view behind a handle this document gave out, or null.
  Art* Find(host::ArtHandle handle) const;
  bool Owns(host::LayerHandle handle) const;
  bool Owns(host::DocumentViewHandle handle) const;

  // Every art in paint order: a container before its children, children bottom to top.
  void Visit(const std::function<void(const Art&)>& visitor) const;
  // The simple paths (also those inside compound paths) in paint order.
  std::vector<const Art*> Paths() const;
  int Count(ArtKind kind) const;
  // The bounds of all art; empty when the document holds nothing measurable.
  std::optional<host::RealRect> Bounds() const;

 private:
  std::unique_ptr<Art> root_;
  PointerSet<Art> arts_;  // every art of the tree, to check handles against
  // The art found last: the plug-in makes one art and then sets it up in several calls, so most
  // lookups are for it and need not search arts_.
  mutable const Art* lastFound_ = nullptr;
  Layer layer_;
  DocumentView view_;
  host::PathStyle currentStyle_;
};

// Handles are the addresses of the emulator's own records.
inline host::ArtHandle HandleOf(Art* art) {
  return reinterpret_cast<host::ArtHandle>(art);
}
inline host::LayerHandle HandleOf(Layer* layer) {
  return reinterpret_cast<host::LayerHandle>(layer);
}
inline host::DocumentViewHandle HandleOf(DocumentView* view) {
  return reinterpret_cast<host::DocumentViewHandle>(view);
}

}  // namespace emulator
