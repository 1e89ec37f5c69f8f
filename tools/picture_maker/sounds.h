#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace picture {

inline constexpr int kSampleRate = 22050;

// Mono samples in -1..1, synthesised the same way on every run.
std::vector<float> synthKeyClick();    // about 40 ms
std::vector<float> synthEngine();      // about 3 s of rotor and turbine

// A RIFF wave file: PCM, 16-bit, mono.
QByteArray encodeWave(const std::vector<float>& samples, int sampleRate = kSampleRate);

} // namespace picture
