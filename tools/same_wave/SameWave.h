#pragma once
// SAME audio as the weather service sends it, for the program's recorded test messages:
// AFSK at 520 5/6 bit/s, mark (1) 2083 1/3 Hz, space (0) 1562.5 Hz, each byte least significant
// bit first, every burst opened by 16 preamble bytes 0xAB. Samples are 8-bit unsigned, mono,
// 8,000 per second, ready for a RIFF WAVE file.
#include <QByteArray>

namespace same {

inline constexpr int kSampleRate = 8000;

// One burst: the preamble, then the text's bytes, phase-continuous from the first bit to the last.
QByteArray Burst(const QByteArray& text);
// A sine tone with short fades at both ends so it starts and stops without a click.
QByteArray Tone(double hz, int ms);
// `samples` samples of silence (the unsigned midpoint, 0x80).
QByteArray Silence(qsizetype samples);
// The samples as a PCM RIFF WAVE file (mono, 8 bits, kSampleRate).
QByteArray WaveFile(const QByteArray& samples);

} // namespace same
