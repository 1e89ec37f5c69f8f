// Sound playing lives in a module loaded on the first sound: the multimedia libraries it needs
// weigh more at start-up than all the screens' data.
#pragma once

#include <QString>

namespace velmora {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Plays a wave file; with wait, returns when it has ended (never later than its length).
  virtual void Play(const QString& path, bool wait) = 0;
};

// The module's one exported function, looked up by this name.
using CreateSoundPlayerFunction = SoundPlayer* (*)();
inline constexpr const char* kCreateSoundPlayerSymbol = "velmora_create_sound_player";
inline constexpr const char* kSoundModuleName = "velmora_sound";

}  // namespace velmora
