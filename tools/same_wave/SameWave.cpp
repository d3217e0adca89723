#include "SameWave.h"

#include <QtEndian>

#include <cmath>
#include <numbers>

namespace same {
namespace {

constexpr double kMarkHz = 6250.0 / 3.0;
constexpr double kSpaceHz = 1562.5;
// 520 5/6 bit/s at 8,000 samples/s: 15.36 samples a bit, so bit k covers samples
// [k * 384 / 25, (k + 1) * 384 / 25).
constexpr qint64 kBitNum = 25;
constexpr qint64 kBitDen = 384;
constexpr int kPreambleBytes = 16;
constexpr unsigned char kPreamble = 0xAB;
constexpr double kAmplitude = 100.0;   // of 127: loud, with room to spare

char sampleByte(double value)
{
    return static_cast<char>(static_cast<unsigned char>(std::lround(128.0 + kAmplitude * value)));
}

} // namespace

QByteArray Burst(const QByteArray& text)
{
    const QByteArray bytes = QByteArray(kPreambleBytes, static_cast<char>(kPreamble)) + text;
    const qint64 bits = bytes.size() * 8;
    const qint64 samples = (bits * kBitDen + kBitNum - 1) / kBitNum;
    QByteArray out;
    out.reserve(samples);
    double phase = 0;
    for (qint64 n = 0; n < samples; ++n) {
        const qint64 bit = n * kBitNum / kBitDen;
        const bool mark = (static_cast<unsigned char>(bytes[bit / 8]) >> (bit % 8)) & 1;
        phase += 2 * std::numbers::pi * (mark ? kMarkHz : kSpaceHz) / kSampleRate;
        out.append(sampleByte(std::sin(phase)));
    }
    return out;
}

QByteArray Tone(double hz, int ms)
{
    const int samples = kSampleRate * ms / 1000;
    const int fade = kSampleRate * 5 / 1000;
    QByteArray out;
    out.reserve(samples);
    for (int n = 0; n < samples; ++n) {
        const double envelope = std::min({1.0, double(n) / fade, double(samples - 1 - n) / fade});
        out.append(sampleByte(envelope * std::sin(2 * std::numbers::pi * hz * n / kSampleRate)));
    }
    return out;
}

QByteArray Silence(qsizetype samples)
{
    return QByteArray(samples, static_cast<char>(0x80));
}

QByteArray WaveFile(const QByteArray& samples)
{
    QByteArray out;
    const auto u32 = [&out](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    const auto u16 = [&out](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out.append("RIFF");
    u32(static_cast<quint32>(36 + samples.size()));
    out.append("WAVEfmt ");
    u32(16);
    u16(1);             // PCM
    u16(1);             // mono
    u32(kSampleRate);
    u32(kSampleRate);   // bytes per second
    u16(1);             // bytes per frame
    u16(8);             // bits per sample
    out.append("data");
    u32(static_cast<quint32>(samples.size()));
    out.append(samples);
    if (samples.size() % 2)
        out.append('\0');   // chunks are padded to an even length
    return out;
}

} // namespace same
