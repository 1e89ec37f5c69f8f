// Reading the desktop's font configuration is the longest single step of a start where the
// system keeps its fonts through fontconfig: it begins on another core before the application
// object exists, and Qt's font database finds it done when the first label is laid out.
#pragma once

#include <future>

namespace velmora {

// Keep the result until the application object exists; its end waits for the reading.
std::future<void> StartReadingFontConfiguration();
// Once the application object exists: Qt fills its font database on the first text laid out, a
// good part of the start-up, so another core does it while this one reads the data folder, and
// finds there what stands in for the screens' family. The database is guarded by a lock; a
// label that comes first simply waits for it.
std::future<void> StartFillingFontDatabase();

}  // namespace velmora
