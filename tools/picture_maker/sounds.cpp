#include "sounds.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace picture {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Small linear congruential noise source: the files must not change between builds.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return double(state_ >> 8) / double(1u << 24) * 2.0 - 1.0;
    }

private:
    std::uint32_t state_;
};

// One-pole low-pass; alpha from the cut-off frequency.
class LowPass {
public:
    explicit LowPass(double cutoffHz)
        : alpha_(1.0 - std::exp(-kTwoPi * cutoffHz / kSampleRate)) {}
    double operator()(double x)
    {
        y_ += alpha_ * (x - y_);
        return y_;
    }

private:
    double alpha_;
    double y_ = 0.0;
};

void normalise(std::vector<float>& s, float peak)
{
    float top = 0.0f;
    for (float v : s) {
        top = std::max(top, std::fabs(v));
    }
    if (top > 0.0f) {
        for (float& v : s) {
            v *= peak / top;
        }
    }
}

// Short linear ramps at both ends so playback starts and stops without a pop.
void fadeEnds(std::vector<float>& s, std::size_t in, std::size_t out)
{
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < std::min(in, n); ++i) {
        s[i] *= float(i) / float(in);
    }
    for (std::size_t i = 0; i < std::min(out, n); ++i) {
        s[n - 1 - i] *= float(i) / float(out);
    }
}

} // namespace

std::vector<float> synthKeyClick()
{
    const std::size_t n = std::size_t(kSampleRate * 0.040);
    std::vector<float> s(n, 0.0f);
    Noise noise(0x7ec1a);
    LowPass body(5200.0);
    LowPass rumble(900.0);
    // A press strike and, 16 ms later, the softer release of the key.
    const double strikes[2][2] = {{0.0, 1.0}, {0.016, 0.35}};
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / kSampleRate;
        double v = 0.0;
        const double raw = noise.next();
        const double shaped = body(raw) - rumble(raw);  // band-limited tick
        for (const auto& strike : strikes) {
            const double dt = t - strike[0];
            if (dt < 0) {
                continue;
            }
            const double env = strike[1] * std::exp(-dt / 0.0035) * std::min(1.0, dt / 0.0004);
            v += env * (1.6 * shaped + 0.5 * std::sin(kTwoPi * 2300.0 * dt));
        }
        s[i] = float(v);
    }
    normalise(s, 0.6f);
    fadeEnds(s, 4, 60);
    return s;
}

std::vector<float> synthEngine()
{
    const double seconds = 3.0;
    const std::size_t n = std::size_t(kSampleRate * seconds);
    std::vector<float> s(n, 0.0f);
    Noise noise(0x4e11);
    LowPass thudNoise(320.0);
    LowPass hiss(2400.0);
    LowPass hissFloor(500.0);
    const double bladeRate = 11.0;   // blade passes per second: the "whop"
    const double turbine = 430.0;    // engine whine
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / kSampleRate;
        const double raw = noise.next();
        // Phase within the current blade pass, with a slight wobble of speed.
        const double phase = bladeRate * t + 0.04 * std::sin(kTwoPi * 0.7 * t);
        const double since = (phase - std::floor(phase)) / bladeRate;
        const double thump = std::exp(-since / 0.022);
        const double rotor = thump * (0.9 * std::sin(kTwoPi * 68.0 * since) + 1.3 * thudNoise(raw));
        const double whineHz = turbine * (1.0 + 0.01 * std::sin(kTwoPi * 0.5 * t));
        const double whine = 0.08 * std::sin(kTwoPi * whineHz * t)
                             + 0.03 * std::sin(kTwoPi * 2.0 * whineHz * t);
        const double air = 0.12 * (hiss(raw) - hissFloor(raw)) * (0.6 + 0.4 * thump);
        s[i] = float(rotor + whine + air);
    }
    normalise(s, 0.7f);
    // The engine spools up and dies away instead of starting abruptly.
    fadeEnds(s, std::size_t(kSampleRate * 0.35), std::size_t(kSampleRate * 0.45));
    return s;
}

QByteArray encodeWave(const std::vector<float>& samples, int sampleRate)
{
    const quint32 dataBytes = quint32(samples.size() * 2);
    QByteArray out;
    out.reserve(int(44 + dataBytes));
    auto put32 = [&out](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto put16 = [&out](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out.append("RIFF", 4);
    put32(36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    put32(16);
    put16(1);                          // PCM
    put16(1);                          // mono
    put32(quint32(sampleRate));
    put32(quint32(sampleRate) * 2);    // bytes per second
    put16(2);                          // bytes per frame
    put16(16);                         // bits per sample
    out.append("data", 4);
    put32(dataBytes);
    for (float v : samples) {
        const float clamped = std::clamp(v, -1.0f, 1.0f);
        put16(quint16(qint16(std::lround(clamped * 32767.0f))));
    }
    return out;
}

} // namespace picture
