#include "object_drawing.h"

#include "near_clip.h"
#include "raster.h"

namespace rnd {

namespace {

// Back faces count as this much nearer, so that where a surface folds back
// onto itself (a fold of 180 degrees) the folded part, which lies on top,
// wins the depth test instead of flickering against the part beneath.
constexpr float kBackFaceLift = 1.0005f;

struct Corner {
  int column, row;
};

// Cell (c, r) as two triangles, each counter-clockwise seen from the front.
void cellTriangles(int c, int r, Corner (&tri)[2][3]) {
  Corner tl{c, r}, bl{c, r + 1}, tr{c + 1, r}, br{c + 1, r + 1};
  tri[0][0] = tl, tri[0][1] = bl, tri[0][2] = tr;
  tri[1][0] = tr, tri[1][1] = bl, tri[1][2] = br;
}

void put(ClipVertex& v, int first, Vec3 value) {
  v.value[first] = value.x, v.value[first + 1] = value.y, v.value[first + 2] = value.z;
}

Vec3 faceNormal(const ObjectMesh& m, const Corner* t) {
  Vec3 a = m.world[m.index(t[0].column, t[0].row)];
  Vec3 b = m.world[m.index(t[1].column, t[1].row)];
  Vec3 c = m.world[m.index(t[2].column, t[2].row)];
  return cross(b - a, c - a);
}

std::vector<Vec3> vertexNormals(const ObjectMesh& m) {
  std::vector<Vec3> normals(m.world.size());
  for (int r = 0; r + 1 < m.rows; ++r)
    for (int c = 0; c + 1 < m.columns; ++c) {
      Corner tri[2][3];
      cellTriangles(c, r, tri);
      for (auto& t : tri) {
        Vec3 n = faceNormal(m, t);
        for (const Corner& k : t)
          normals[m.index(k.column, k.row)] = normals[m.index(k.column, k.row)] + n;
      }
    }
  for (Vec3& n : normals) n = normalized(n);
  return normals;
}

class MeshDrawer {
 public:
  MeshDrawer(Canvas& canvas, const ObjectMesh& mesh, const DrawSettings& s, bool writeDepth,
             AbortPoll& abort)
      : canvas_(canvas), mesh_(mesh), s_(s), writeDepth_(writeDepth), abort_(abort) {
    if (s.style == kSmooth && s.lighting) normals_ = vertexNormals(mesh);
  }

  void draw() {
    for (int r = 0; r + 1 < mesh_.rows; ++r)
      for (int c = 0; c + 1 < mesh_.columns; ++c) {
        if (abort_.stopped()) return;
        Corner tri[2][3];
        cellTriangles(c, r, tri);
        for (auto& t : tri) drawTriangle(t);
      }
  }

 private:
  Shade lightAt(Vec3 point, Vec3 normal) const {
    if (!s_.lighting) {
      Shade full;
      full.diffuse = {1, 1, 1};
      return full;
    }
    Shade shade = s_.lights.shade(point, normalized(normal), s_.camera.position, mesh_.shine);
    float keep = 1 - mesh_.luminosity;
    shade.diffuse = shade.diffuse * keep + Vec3{1, 1, 1} * mesh_.luminosity;
    shade.specular = shade.specular * keep;
    shade.castDiffuse = shade.castDiffuse * keep;
    shade.castSpecular = shade.castSpecular * keep;
    return shade;
  }

  ClipVertex vertexOf(const Corner& k, bool back, const Shade& shade) const {
    int i = mesh_.index(k.column, k.row);
    int mapped = back && mesh_.backMirrored ? mesh_.index(mesh_.columns - 1 - k.column, k.row) : i;
    ClipVertex v;
    v.camera = s_.camera.toCamera(mesh_.world[i]);
    v.value[kU] = mesh_.u[mapped];
    v.value[kV] = mesh_.v[mapped];
    put(v, kDiffuse, shade.diffuse);
    put(v, kSpecular, shade.specular);
    put(v, kCastDiffuse, shade.castDiffuse);
    put(v, kCastSpecular, shade.castSpecular);
    put(v, kWorld, mesh_.world[i]);
    return v;
  }

  Shade vertexShade(const Corner& k, const Shade& flat) const {
    if (normals_.empty()) return flat;
    int i = mesh_.index(k.column, k.row);
    return lightAt(mesh_.world[i], normals_[i]);
  }

  RasterVertex project(const ClipVertex& v) const {
    RasterVertex r;
    r.x = (s_.camera.screenX(v.camera, s_.aspect) + 1) * 0.5f * canvas_.width;
    r.y = (1 - s_.camera.screenY(v.camera)) * 0.5f * canvas_.height;
    r.nearness = 1.0f / -v.camera.z;
    for (int k = 0; k < kVaryings; ++k) r.value[k] = v.value[k];
    return r;
  }

  void drawTriangle(const Corner* t) {
    Vec3 n = faceNormal(mesh_, t);
    Vec3 a = s_.camera.toCamera(mesh_.world[mesh_.index(t[0].column, t[0].row)]);
    Vec3 nCamera = s_.camera.rotation.applyInverse(n);
    bool back = dot(nCamera, a) > 0;
    if (back && !mesh_.doubleSided) return;
    Vec3 centre;
    for (int i = 0; i < 3; ++i) centre = centre + mesh_.world[mesh_.index(t[i].column, t[i].row)];
    Shade flat = lightAt(centre * (1.0f / 3), n);
    ClipVertex corners[3], clipped[4];
    for (int i = 0; i < 3; ++i) corners[i] = vertexOf(t[i], back, vertexShade(t[i], flat));
    if (-corners[0].camera.z > s_.camera.far && -corners[1].camera.z > s_.camera.far &&
        -corners[2].camera.z > s_.camera.far)
      return;
    int count = clipNear(corners, s_.camera.near, clipped);
    RasterVertex screen[4];
    for (int i = 0; i < count; ++i) {
      screen[i] = project(clipped[i]);
      if (back) screen[i].nearness *= kBackFaceLift;
    }
    const SurfaceLook& look = back ? mesh_.back : mesh_.front;
    if (!(look.alpha > 0)) return;
    if (s_.style == kWire) {
      for (int i = 0; i < count; ++i) drawEdge(canvas_, screen[i], screen[(i + 1) % count], look);
      return;
    }
    for (int i = 1; i + 1 < count; ++i) {
      RasterVertex fan[3] = {screen[0], screen[i], screen[i + 1]};
      fillTriangle(canvas_, fan, look, writeDepth_, s_.shadows, abort_);
    }
  }

  Canvas& canvas_;
  const ObjectMesh& mesh_;
  const DrawSettings& s_;
  bool writeDepth_;
  AbortPoll& abort_;
  std::vector<Vec3> normals_;
};

}  // namespace

void drawObject(Canvas& canvas, const ObjectMesh& mesh, const DrawSettings& settings,
                bool writeDepth, AbortPoll& abort) {
  MeshDrawer(canvas, mesh, settings, writeDepth, abort).draw();
}

}  // namespace rnd
