#include "core/font_configuration.h"

#ifdef VELMORA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <ctime>
static inline double VtNow(){timespec t; clock_gettime(CLOCK_MONOTONIC,&t); return t.tv_sec*1e3+t.tv_nsec/1e6;}
#define VT(x) do { if(getenv("VTRACE")) fprintf(stderr,"%-28s %.2f\n",x,VtNow()); } while(0)
namespace velmora {

std::future<void> StartReadingFontConfiguration() {
#ifdef VELMORA_FONTCONFIG
  // Qt's own FcInit, after the application object has connected to the display, finds the
  // configuration read: that connection takes longer than this reading.
  return std::async(std::launch::async, [] { FcInit(); VT("fcinit done"); });
#else
  return {};
#endif
}

}  // namespace velmora
