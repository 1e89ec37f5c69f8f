#include <QEventLoop>
#include <QFile>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <map>
#include <memory>

#include "core/platform/sound_player.h"

namespace velmora {
namespace {

// Length of a PCM wave file from its header, so waiting for it is bounded.
int WaveMilliseconds(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return 0;
  const QByteArray header = file.read(44);
  if (header.size() < 44 || !header.startsWith("RIFF")) return 0;
  const auto le32 = [&](int at) {
    return static_cast<quint32>(static_cast<quint8>(header[at])) | static_cast<quint32>(static_cast<quint8>(header[at + 1])) << 8 |
           static_cast<quint32>(static_cast<quint8>(header[at + 2])) << 16 |
           static_cast<quint32>(static_cast<quint8>(header[at + 3])) << 24;
  };
  const quint32 bytesPerSecond = le32(28);
  if (bytesPerSecond == 0) return 0;
  return static_cast<int>((static_cast<quint64>(file.size()) - 44) * 1000 / bytesPerSecond);
}

class QtSoundPlayer : public SoundPlayer {
 public:
  void Play(const QString& path, bool wait) override {
    auto found = effects_.find(path);
    if (found == effects_.end()) {
      auto effect = std::make_unique<QSoundEffect>();
      effect->setSource(QUrl::fromLocalFile(path));
      found = effects_.emplace(path, std::move(effect)).first;
    }
    QSoundEffect& effect = *found->second;
    if (effect.status() == QSoundEffect::Error) return;
    effect.play();
    if (!wait) return;
    // The help panels are paced by the sound: wait for it, but never beyond its length.
    const int length = WaveMilliseconds(path);
    if (length <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(length + 50, &loop, &QEventLoop::quit);
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
      if (!effect.isPlaying()) loop.quit();
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }

 private:
  std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
};

}  // namespace
}  // namespace velmora

extern "C" Q_DECL_EXPORT velmora::SoundPlayer* velmora_create_sound_player() { return new velmora::QtSoundPlayer; }
