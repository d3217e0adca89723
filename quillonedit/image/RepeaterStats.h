#pragma once
// The repeater statistics: ten two-byte event counters the controller keeps (low byte first, only
// the low six bits of the high byte count), shown capped at four digits and reset all at once.
#include "quillonedit/image/ImageMap.h"

#include <QString>

#include <array>
#include <optional>

namespace quillon {

struct StatisticsCounter {
    int offset;
    const char* label;
};

constexpr std::array<StatisticsCounter, kRepeaterStatsCount> kStatisticsCounters{{
    {kRepeaterStats + 0, "Manual Autopatch"},
    {kRepeaterStats + 2, "Users Speed Dials"},
    {kRepeaterStats + 4, "Emergency Speed Dials"},
    {kRepeaterStats + 6, "Reverse Autopatch"},
    {kRepeaterStats + 8, "Off Air Control"},
    {kRepeaterStats + 10, "Telephone Control"},
    {kRepeaterStats + 12, "Off Air Programming"},
    {kRepeaterStats + 14, "Telephone Programming"},
    {kRepeaterStats + 16, "Telephone Ring Detects"},
    {kRepeaterStats + 18, "CRT Logins"},
}};

// The counter at offset as the window shows it: its value (0..16383), 9999 from 10000 up.
int GetStatNumber(int offset);

// Every counter back to 0 (all 20 bytes).
void ResetStats();

// What the statistics window shows for a project file (empty name: no project).
struct StatsTexts {
    QString fileName;
    std::optional<QString> fileDate;   // nullopt: the date label keeps its text
    std::array<QString, kRepeaterStatsCount> counters;
};
StatsTexts DisplayStatsTexts(const QString& projectFileName);

// " " and the file's modification date and time, or a note that it cannot be read.
QString ProjectFileDateText(const QString& path);

} // namespace quillon
