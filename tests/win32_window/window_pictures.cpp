#include "window_pictures.h"

#include <wincodec.h>

#include <unordered_map>

#include "platform/win32/wide_text.h"

namespace verbsmith::win32view {

namespace {

using forms::ControlKind;

// Room a caption has not: beside a check box's or option button's
// indicator, within a button's or frame's edges.
constexpr int kIndicatorSpacing = 4;
constexpr int kButtonMargin = 4;
constexpr int kFrameCaptionIndent = 8;

std::string Size(LONG width, LONG height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

RECT PlaceIn(HWND form, HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&place), 2);
  return place;
}

SIZE TextNeed(HWND control, ControlKind kind, const std::wstring& text, LONG width) {
  HDC dc = GetDC(control);
  HGDIOBJ before = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  const bool besideIndicator = kind == ControlKind::kCheckBox || kind == ControlKind::kOptionButton;
  const LONG indicator = besideIndicator ? GetSystemMetrics(SM_CXMENUCHECK) + kIndicatorSpacing : 0;
  const LONG margins = kind == ControlKind::kCommandButton ? 2 * kButtonMargin
                       : kind == ControlKind::kFrame       ? 2 * kFrameCaptionIndent
                                                           : 0;
  const bool wraps = kind == ControlKind::kLabel || besideIndicator;
  RECT bounds{0, 0, std::max<LONG>(1, width - indicator), 0};
  DrawTextW(dc, text.c_str(), -1, &bounds, DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
  SelectObject(dc, before);
  ReleaseDC(control, dc);
  return {bounds.right + indicator + margins, bounds.bottom};
}

void CheckText(const ControlWindow& view, const RECT& place, std::vector<std::string>& faults) {
  const ControlKind kind = view.Model().Kind();
  const bool captioned = kind == ControlKind::kLabel || kind == ControlKind::kFrame ||
                         kind == ControlKind::kCheckBox || kind == ControlKind::kOptionButton ||
                         kind == ControlKind::kCommandButton;
  if (!captioned || view.Model().Caption().empty()) return;
  const LONG width = place.right - place.left;
  const LONG height = place.bottom - place.top;
  const SIZE need = TextNeed(view.Handle(), kind, Wide(view.Model().Caption()), width);
  if (need.cx > width || need.cy > (kind == ControlKind::kFrame ? need.cy : height)) {
    faults.push_back(view.Model().Name() + ": text needs " + Size(need.cx, need.cy) + " pixels, has " +
                     Size(width, height));
  }
}

}  // namespace

std::vector<std::string> LayoutFaults(const FormWindow& window) {
  std::vector<std::string> faults;
  std::vector<const ControlWindow*> shown;
  std::unordered_map<const forms::Control*, RECT> places;
  for (const auto& view : window.Views()) {
    if (view->Handle() == nullptr || !IsWindowVisible(view->Handle())) continue;
    shown.push_back(view.get());
    places[&view->Model()] = PlaceIn(window.Handle(), view->Handle());
  }
  RECT client{};
  GetClientRect(window.Handle(), &client);
  for (size_t i = 0; i < shown.size(); ++i) {
    const forms::Control& a = shown[i]->Model();
    const RECT& place = places[&a];
    CheckText(*shown[i], place, faults);
    const forms::Control* container = a.Container();
    const RECT room = container != nullptr ? places[container] : client;
    RECT inside{};
    const bool scrolls = container != nullptr && container->Kind() == ControlKind::kPictureBox;
    if (!scrolls && (!IntersectRect(&inside, &place, &room) || !EqualRect(&inside, &place)))
      faults.push_back(a.Name() + ": sticks out of " +
                       (container != nullptr ? container->Name() : "the form"));
    for (size_t j = i + 1; j < shown.size(); ++j) {
      const forms::Control& b = shown[j]->Model();
      RECT shared{};
      // Twips rounded to pixels may make neighbours share one pixel row.
      if (b.Container() == container && IntersectRect(&shared, &place, &places[&b]) &&
          shared.right - shared.left > 1 && shared.bottom - shared.top > 1)
        faults.push_back(a.Name() + " and " + b.Name() + " overlap");
    }
  }
  return faults;
}

bool SavePicture(HWND window, const std::wstring& file) {
  // The client area, as the Qt window's pictures show it.
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const int width = client.right;
  const int height = client.bottom;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ before = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
  SelectObject(memory, before);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  bool written = false;
  IWICImagingFactory* factory = nullptr;
  IWICBitmap* source = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
      SUCCEEDED(factory->CreateBitmapFromHBITMAP(bitmap, nullptr, WICBitmapIgnoreAlpha, &source)) &&
      SUCCEEDED(factory->CreateStream(&stream)) &&
      SUCCEEDED(stream->InitializeFromFilename(file.c_str(), GENERIC_WRITE)) &&
      SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
      SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
      SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
      SUCCEEDED(frame->WriteSource(source, nullptr)) && SUCCEEDED(frame->Commit())) {
    written = SUCCEEDED(encoder->Commit());
  }
  for (IUnknown* object : std::initializer_list<IUnknown*>{frame, encoder, stream, source, factory}) {
    if (object != nullptr) object->Release();
  }
  DeleteObject(bitmap);
  return written;
}

}  // namespace verbsmith::win32view
