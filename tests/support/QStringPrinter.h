#pragma once
// Lets GoogleTest show QStrings (and lists of them) as text in failure messages. The one definition every test uses.
#include <QString>
#include <QStringList>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '[' << list.join('|').toStdString() << ']';
}
QT_END_NAMESPACE
