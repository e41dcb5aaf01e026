#include "render_session.h"

#include <cstring>
#include <filesystem>

#include "platform/settings_store.h"

#ifndef _WIN32
#include <cstdlib>
#endif

namespace vtafx {

bool useInstallation(const std::string& installDir, const std::string& settingsFile) {
#ifndef _WIN32
  setenv("VANTARO_SETTINGS", settingsFile.c_str(), 1);
#else
  (void)settingsFile;
#endif
  return vta::writeRegistryString("Path", installDir.c_str()) == 1;
}

std::string defaultRenderer(const std::string& installDir) {
#ifdef _WIN32
  const char name[] = "Rnd_Software.DLL";
#else
  const char name[] = "Rnd_Software.so";
#endif
  return (std::filesystem::path(installDir) / "LIBS" / name).string();
}

JobPicture JobPicture::from(const Picture& rgb, uint32_t size) {
  JobPicture out;
  out.size = size;
  out.bytes.assign(size_t(size) * size * 3, 0);
  if (rgb.width == 0 || rgb.height == 0) return out;
  for (uint32_t y = 0; y < size; ++y)
    for (uint32_t x = 0; x < size; ++x) {
      const uint8_t* p =
          &rgb.rgb[(size_t(y * rgb.height / size) * rgb.width + x * rgb.width / size) * 3];
      uint8_t* q = &out.bytes[(size_t(size - 1 - y) * size + x) * 3];
      q[0] = p[2], q[1] = p[1], q[2] = p[0];
    }
  return out;
}

Picture JobPicture::toPicture() const {
  Picture picture;
  picture.width = picture.height = size;
  picture.rgb.resize(bytes.size());
  for (uint32_t y = 0; y < size; ++y)
    for (uint32_t x = 0; x < size; ++x) {
      const uint8_t* p = &bytes[(size_t(size - 1 - y) * size + x) * 3];
      uint8_t* q = &picture.rgb[(size_t(y) * size + x) * 3];
      q[0] = p[2], q[1] = p[1], q[2] = p[0];
    }
  return picture;
}

void JobPicture::describe(VtaTextureImage& image) {
  vtaDescribeBgr24(&image, size, size, VTA_ROW_ALIGN_PACKED, bytes.data());
}

bool RenderSession::load(const std::string& path, std::string& error) {
  if (!library_.open(path.c_str())) {
    error = "cannot load " + path;
    return false;
  }
  createContext =
      reinterpret_cast<VtaRndCreateContextFunction>(library_.symbol(VTA_RND_CREATE_CONTEXT));
  freeContext = reinterpret_cast<VtaRndFreeContextFunction>(library_.symbol(VTA_RND_FREE_CONTEXT));
  prepareEntry = reinterpret_cast<VtaRndPrepareFunction>(library_.symbol(VTA_RND_PREPARE));
  staticVideo = reinterpret_cast<VtaRndStaticVideoFunction>(library_.symbol(VTA_RND_STATIC_VIDEO));
  renderEntry = reinterpret_cast<VtaRndRenderFunction>(library_.symbol(VTA_RND_RENDER));
  if (prepareEntry && renderEntry) return true;
  error = path + " lacks Rnd_Prepare or Rnd_Render";
  return false;
}

void RenderSession::setUp(uint32_t size, const std::vector<Picture>& sources,
                          VtaAbortFunction abort) {
  job_ = VtaRenderJob{};
  job_.width = job_.height = size;
  job_.sourceCount = VTA_RENDER_SOURCE_COUNT;
  job_.previewMark = 1;
  job_.abortCallback = abort;
  sources_.clear();
  for (const Picture& source : sources) sources_.push_back(JobPicture::from(source, size));
  for (size_t k = 0; k < sources_.size() && k < VTA_RENDER_SOURCE_COUNT; ++k)
    sources_[k].describe(job_.sources[k]);
  output_ = JobPicture::from(Picture{}, size);
  output_.describe(job_.output);
}

void RenderSession::prepare(vta::EffectSettings& record) {
  context_ = prepareEntry(context_, reinterpret_cast<VtaEffectSettings*>(&record), &job_);
}

void RenderSession::render(vta::EffectSettings& record, uint32_t position, uint32_t range) {
  job_.position = position;
  job_.range = range;
  renderEntry(context_, reinterpret_cast<VtaEffectSettings*>(&record), &job_);
}

void RenderSession::finish() {
  if (context_ && freeContext) freeContext(context_);
  context_ = nullptr;
}

void previewRecord(vta::EffectSettings& record, const std::string& effectName) {
  record.clear();
  std::strncpy(record.effectName, effectName.c_str(), vta::kEffectNameSize - 1);
  record.globalParams[VTA_QUALITY] = 1;
  record.globalParams[VTA_IMAGE_QUALITY] = 1;
  record.globalParams[VTA_LIGHTING] = 1;
}

}  // namespace vtafx
