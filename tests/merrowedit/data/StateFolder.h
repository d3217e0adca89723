#pragma once
// State files for tests: every one of the 54 written into a temporary folder (empty unless given
// lines), and the state file line built from its parts.
#include "merrowedit/data/StateFiles.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <map>

// FIP code in 1-6, county from 9, location from 32, frequency in 56-62.
inline QString stLine(const QString& code, const QString& county, const QString& location, const QString& frequency)
{
    return (code + "  " + county).leftJustified(31, u' ') + location.leftJustified(24, u' ') + frequency;
}

// The key of stLine(.., location, frequency).
inline QString stKey(const QString& location, const QString& frequency)
{
    return " " + location.leftJustified(24, u' ') + frequency;
}

inline void writeStateFiles(const QString& folder, const std::map<int, QStringList>& lines)
{
    for (int i = 0; i < merrow::kStateCount; ++i) {
        QFile file(folder + '/' + merrow::GetStateFileName(i));
        if (!file.open(QIODevice::WriteOnly))
            continue;
        const auto found = lines.find(i);
        if (found != lines.end())
            for (const QString& line : found->second)
                file.write((line + "\r\n").toLatin1());
    }
}
