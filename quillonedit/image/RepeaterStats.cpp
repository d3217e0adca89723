#include "quillonedit/image/RepeaterStats.h"

#include "quillonedit/image/ControllerImage.h"

#include <QFileInfo>
#include <QLocale>

namespace quillon {

int GetStatNumber(int offset)
{
    const int value = (image().at(offset + 1) & 63) * 256 + image().at(offset);
    return value < 10000 ? value : 9999;
}

void ResetStats()
{
    for (int i = 0; i < kRepeaterStatsBytes; ++i)
        image().set(kRepeaterStats + i, 0);
}

QString ProjectFileDateText(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return QStringLiteral(" File Date Unavailable");   // moved or deleted since it was opened
    return QStringLiteral(" ") + QLocale().toString(info.lastModified(), QLocale::ShortFormat);
}

StatsTexts DisplayStatsTexts(const QString& projectFileName)
{
    StatsTexts texts;
    if (projectFileName.isEmpty()) {
        texts.fileName = QStringLiteral(" No File Assigned");
        return texts;
    }
    texts.fileName = QStringLiteral(" ") + projectFileName;
    texts.fileDate = ProjectFileDateText(projectFileName);
    for (std::size_t i = 0; i < kStatisticsCounters.size(); ++i)
        texts.counters[i] = QString::number(GetStatNumber(kStatisticsCounters[i].offset));
    return texts;
}

} // namespace quillon
