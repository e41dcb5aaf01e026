#include "picture_file.h"

#include <windows.h>
#include <wincodec.h>

#include "final_render.h"

namespace vta::host {
namespace {

// Releases a COM interface at the end of its scope.
template <typename Interface>
struct ComRef {
  Interface* p = nullptr;
  ~ComRef() {
    if (p) p->Release();
  }
};

std::wstring wide(const std::string& text) {
  std::wstring out(MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size()));
  return out;
}

// The first frame of the file, converted to 24-bit RGB.
HRESULT decode(IWICImagingFactory* factory, const std::string& path, render::RgbPicture& out) {
  ComRef<IWICBitmapDecoder> decoder;
  ComRef<IWICBitmapFrameDecode> frame;
  ComRef<IWICFormatConverter> converter;
  HRESULT hr = factory->CreateDecoderFromFilename(wide(path).c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, &decoder.p);
  if (SUCCEEDED(hr)) hr = decoder.p->GetFrame(0, &frame.p);
  if (SUCCEEDED(hr)) hr = factory->CreateFormatConverter(&converter.p);
  if (SUCCEEDED(hr))
    hr = converter.p->Initialize(frame.p, GUID_WICPixelFormat24bppRGB, WICBitmapDitherTypeNone,
                                 nullptr, 0, WICBitmapPaletteTypeCustom);
  UINT width = 0, height = 0;
  if (SUCCEEDED(hr)) hr = converter.p->GetSize(&width, &height);
  if (SUCCEEDED(hr) &&
      (width == 0 || height == 0 || width > render::kMaxFrameSide || height > render::kMaxFrameSide))
    hr = E_INVALIDARG;
  if (FAILED(hr)) return hr;
  out = render::RgbPicture{width, height, std::vector<uint8_t>(size_t(width) * height * 3)};
  return converter.p->CopyPixels(nullptr, width * 3, static_cast<UINT>(out.rgb.size()),
                                 out.rgb.data());
}

}  // namespace

bool readPictureFile(const std::string& path, render::RgbPicture& out, std::string& error) {
  const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HRESULT hr;
  {
    ComRef<IWICImagingFactory> factory;
    hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                          IID_PPV_ARGS(&factory.p));
    if (SUCCEEDED(hr)) hr = decode(factory.p, path, out);
  }
  if (SUCCEEDED(init)) CoUninitialize();
  if (SUCCEEDED(hr)) return true;
  error = "The picture " + path + " could not be read.";
  return false;
}

}  // namespace vta::host
