#include "LinkTestSupport.h"

namespace linktest {

QByteArray record(const char* text)
{
    QByteArray r(text);
    r.append(QByteArray(32 - r.size(), ' '));
    return r;
}

QByteArray records(const QList<QByteArray>& kept)
{
    QByteArray out;
    for (const QByteArray& r : kept)
        out += r;
    out.append(QByteArray(1280 - out.size(), '\0'));
    return out;
}

QByteArray replyBlock(const QByteArray& recs, const QByteArray& version, char last, int checksumError)
{
    QByteArray reply = recs.left(1280);
    unsigned sum = 0;
    for (int i = 0; i < 1279; ++i)
        sum += static_cast<unsigned char>(reply[i]);
    reply[1279] = static_cast<char>((sum + checksumError) & 0xFF);
    reply += version;
    reply += last;
    return reply;
}

} // namespace linktest
