#include "core/platform/display_probe.h"

#ifdef VELMORA_XCB
#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#endif

namespace velmora {

#ifdef VELMORA_XCB
namespace {

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> Owned(Reply* reply) {
  return ReplyPtr<Reply>(reply, &std::free);
}

// The size of the CRTC that shows RandR's primary output, when there is one.
std::optional<PrimaryDisplay> PrimaryOutputSize(xcb_connection_t* connection, xcb_window_t root) {
  const auto primary = Owned(xcb_randr_get_output_primary_reply(connection, xcb_randr_get_output_primary(connection, root), nullptr));
  if (!primary || primary->output == XCB_NONE) return std::nullopt;
  const auto output = Owned(xcb_randr_get_output_info_reply(
      connection, xcb_randr_get_output_info(connection, primary->output, XCB_CURRENT_TIME), nullptr));
  if (!output || output->crtc == XCB_NONE) return std::nullopt;
  const auto crtc = Owned(
      xcb_randr_get_crtc_info_reply(connection, xcb_randr_get_crtc_info(connection, output->crtc, XCB_CURRENT_TIME), nullptr));
  if (!crtc || crtc->width == 0 || crtc->height == 0) return std::nullopt;
  return PrimaryDisplay{crtc->width, crtc->height, 1.0};
}

// "Xft.dpi" of the root window's resources: the scale desktops set for Qt and others to follow.
double DesktopScale(xcb_connection_t* connection, xcb_window_t root) {
  const auto property = Owned(xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 0, 16384), nullptr));
  if (!property) return 1.0;
  const std::string_view resources(static_cast<const char*>(xcb_get_property_value(property.get())),
                                   static_cast<std::size_t>(xcb_get_property_value_length(property.get())));
  constexpr std::string_view kKey = "Xft.dpi:";
  const std::size_t at = resources.find(kKey);
  if (at == std::string_view::npos) return 1.0;
  const double dpi = std::strtod(std::string(resources.substr(at + kKey.size(), 16)).c_str(), nullptr);
  return dpi >= 96.0 ? dpi / 96.0 : 1.0;
}

}  // namespace

std::optional<PrimaryDisplay> ProbePrimaryDisplay() {
  int screenNumber = 0;
  xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(connection) != 0) {
    xcb_disconnect(connection);
    return std::nullopt;
  }
  std::optional<PrimaryDisplay> display;
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (int i = 0; i < screenNumber && screens.rem > 0; ++i) xcb_screen_next(&screens);
  if (screens.rem > 0) {
    const xcb_screen_t& screen = *screens.data;
    display = PrimaryOutputSize(connection, screen.root);
    if (!display) display = PrimaryDisplay{screen.width_in_pixels, screen.height_in_pixels, 1.0};
    display->desktopScale = DesktopScale(connection, screen.root);
  }
  xcb_disconnect(connection);
  return display;
}

#else

std::optional<PrimaryDisplay> ProbePrimaryDisplay() { return std::nullopt; }

#endif

}  // namespace velmora
