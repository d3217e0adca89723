// merrow-same-wave <folder>: writes the program's six recorded test messages into the folder as
// <resource number>.wav, for the build to compile into merrowedit.
#include "SameWave.h"
#include "merrowedit/data/TestPackets.h"

#include <QDir>
#include <QSaveFile>

#include <cstdio>

namespace {

// Lengths as the receiver's makers recorded them: each burst in the middle of a little silence.
constexpr int kHeaderMs = 1800;
constexpr int kEndOfMessageMs = 430;
constexpr double kBeepHz = 1050.0;   // the weather service's attention tone
constexpr int kBeepMs = 260;

QByteArray padded(const QByteArray& burst, int totalMs)
{
    const qsizetype total = qsizetype(same::kSampleRate) * totalMs / 1000;
    const qsizetype lead = qMax<qsizetype>(0, (total - burst.size()) / 2);
    const qsizetype tail = qMax<qsizetype>(0, total - lead - burst.size());
    return same::Silence(lead) + burst + same::Silence(tail);
}

bool write(const QString& folder, int resource, const QByteArray& samples)
{
    QSaveFile file(QStringLiteral("%1/%2.wav").arg(folder).arg(resource));
    if (file.open(QIODevice::WriteOnly) && file.write(same::WaveFile(samples)) >= 0 && file.commit())
        return true;
    std::fprintf(stderr, "merrow-same-wave: cannot write %s: %s\n", qPrintable(file.fileName()),
                 qPrintable(file.errorString()));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: merrow-same-wave <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "merrow-same-wave: cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (const merrow::TestPacket& p : merrow::kTestPackets) {
        const QByteArray header = merrow::TestHeaderText(QLatin1String(p.event)).toLatin1();
        ok = write(folder, p.resource, padded(same::Burst(header), kHeaderMs)) && ok;
    }
    ok = write(folder, merrow::kBeepResource, same::Tone(kBeepHz, kBeepMs)) && ok;
    ok = write(folder, merrow::kEndOfMessageResource,
               padded(same::Burst(merrow::kEndOfMessageText.toLatin1()), kEndOfMessageMs)) && ok;
    return ok ? 0 : 1;
}
