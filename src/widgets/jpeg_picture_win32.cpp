#include "widgets/jpeg_picture.h"

#include <wincodec.h>
#include <windows.h>

#include <cstddef>
#include <utility>

namespace widgets {
namespace {

// Owns one reference to a COM object.
template <typename T>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() {
    if (object_ != nullptr)
      object_->Release();
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;

  T* operator->() const { return object_; }
  T* Get() const { return object_; }
  T** Put() { return &object_; }

 private:
  T* object_ = nullptr;
};

// COM must be initialised on the thread; a thread that already runs it in another mode can
// still use the in-process imaging component.
class ComScope {
 public:
  ComScope() : initialised_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (initialised_)
      ::CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialised_;
};

std::optional<RgbPicture> DecodeWithFactory(IWICImagingFactory& factory, std::string_view bytes) {
  ComRef<IWICStream> stream;
  if (FAILED(factory.CreateStream(stream.Put())) ||
      FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                                          static_cast<DWORD>(bytes.size())))) {
    return std::nullopt;
  }
  ComRef<IWICBitmapDecoder> decoder;
  if (FAILED(factory.CreateDecoder(GUID_ContainerFormatJpeg, nullptr, decoder.Put())) ||
      FAILED(decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand))) {
    return std::nullopt;
  }
  ComRef<IWICBitmapFrameDecode> frame;
  ComRef<IWICFormatConverter> converter;
  if (FAILED(decoder->GetFrame(0, frame.Put())) ||
      FAILED(factory.CreateFormatConverter(converter.Put())) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat24bppBGR,
                                   WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return std::nullopt;
  }
  UINT width = 0;
  UINT height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0)
    return std::nullopt;
  RgbPicture picture;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  const std::size_t row_size = static_cast<std::size_t>(width) * 3;
  picture.rgb.resize(row_size * height);
  if (FAILED(converter->CopyPixels(nullptr, static_cast<UINT>(row_size),
                                   static_cast<UINT>(picture.rgb.size()), picture.rgb.data()))) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < picture.rgb.size(); i += 3)
    std::swap(picture.rgb[i], picture.rgb[i + 2]);
  return picture;
}

}  // namespace

std::optional<RgbPicture> DecodeJpeg(std::string_view bytes) {
  if (bytes.empty())
    return std::nullopt;
  ComScope com;
  ComRef<IWICImagingFactory> factory;
  if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.Put())))) {
    return std::nullopt;
  }
  return DecodeWithFactory(*factory.Get(), bytes);
}

}  // namespace widgets
