#include "screen/pngencoder.h"

#include <windows.h>

#include <objbase.h>
#include <wincodec.h>

namespace {

// Releases a COM interface at the end of its scope.
template <class T> class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (p) p->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T** put() { return &p; }
    T* operator->() const { return p; }
    T* get() const { return p; }

private:
    T* p = nullptr;
};

// COM for the calling thread as long as it is needed; a thread that has it already keeps it.
class ComScope {
public:
    ComScope() : owned(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope() {
        if (owned) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool owned;
};

bool encode(IStream* stream, const std::vector<unsigned char>& pixels, int width, int height,
            int stride) {
    ComRef<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.put()))))
        return false;
    ComRef<IWICBitmapEncoder> encoder;
    if (FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.put())) ||
        FAILED(encoder->Initialize(stream, WICBitmapEncoderNoCache)))
        return false;
    ComRef<IWICBitmapFrameEncode> frame;
    if (FAILED(encoder->CreateNewFrame(frame.put(), nullptr)) ||
        FAILED(frame->Initialize(nullptr)) || FAILED(frame->SetSize(width, height)))
        return false;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(frame->SetPixelFormat(&format)) || format != GUID_WICPixelFormat24bppBGR)
        return false;
    const UINT size = static_cast<UINT>(stride) * height;
    return SUCCEEDED(frame->WritePixels(height, stride, size, const_cast<BYTE*>(pixels.data()))) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

} // namespace

bool encodePng(const std::vector<unsigned char>& pixels, int width, int height, int stride,
               std::vector<unsigned char>& png) {
    if (width <= 0 || height <= 0 ||
        pixels.size() < static_cast<std::size_t>(stride) * static_cast<std::size_t>(height))
        return false;
    ComScope com;
    ComRef<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.put()))) return false;
    if (!encode(stream.get(), pixels, width, height, stride)) return false;
    HGLOBAL memory = nullptr;
    STATSTG stat{};
    if (FAILED(GetHGlobalFromStream(stream.get(), &memory)) ||
        FAILED(stream->Stat(&stat, STATFLAG_NONAME)))
        return false;
    const auto* bytes = static_cast<const unsigned char*>(GlobalLock(memory));
    if (!bytes) return false;
    png.assign(bytes, bytes + static_cast<std::size_t>(stat.cbSize.QuadPart));
    GlobalUnlock(memory);
    return true;
}
