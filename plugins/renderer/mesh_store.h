#pragma once
// The meshes of the frame being drawn, with those of earlier frames kept as
// spares so that their point arrays are refilled instead of allocated anew.

#include <vector>

#include "object_mesh.h"

namespace rnd {

class MeshStore {
 public:
  // Moves the frame's meshes to the spares.
  void recycle() {
    for (ObjectMesh& mesh : meshes) spare_.push_back(std::move(mesh));
    meshes.clear();
  }

  // An empty mesh, on a spare's storage when there is one.
  ObjectMesh take() {
    ObjectMesh mesh;
    if (spare_.empty()) return mesh;
    ObjectMesh& old = spare_.back();
    mesh.world.swap(old.world), mesh.u.swap(old.u), mesh.v.swap(old.v);
    spare_.pop_back();
    mesh.world.clear(), mesh.u.clear(), mesh.v.clear();
    return mesh;
  }

  // Hands a filled mesh back: drawn this frame, or a spare again.
  void keep(ObjectMesh&& mesh, bool drawn) { (drawn ? meshes : spare_).push_back(std::move(mesh)); }

  std::vector<ObjectMesh> meshes;  // this frame's

 private:
  std::vector<ObjectMesh> spare_;
};

}  // namespace rnd
