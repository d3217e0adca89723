#pragma once
// What a file on the disk holds, for tests that check what was written.
#include <QByteArray>
#include <QFile>
#include <QString>

// Every byte of the file; empty when it cannot be opened.
inline QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
