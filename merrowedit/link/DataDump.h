#pragma once
// The data dump: asking the receiver for its last raw SAME message ("R") or a text dump of its
// NV memory ("X") while it is in dump mode ("D" ... "Q"), and the dump file "Mwr_DUMP.TXT".
#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>

namespace merrow {

inline constexpr std::uint8_t kEtx = 0x03;
inline const QString kDumpFileName = QStringLiteral("Mwr_DUMP.TXT");

// Opens the port and asks for dump mode. True when the receiver accepted (the port stays open);
// false after a NAK, no answer or a port that will not open (the port is then closed).
bool MakeContact();

// The raw answer as shown: everything before the "ZCZC" header dropped, control bytes dropped,
// a line end after 62 and after 124 characters.
class RawDumpText {
public:
    void add(int byte);
    QString text() const { return out_; }

private:
    bool started_ = false;
    QString pre_;
    QString out_;
};

// The NV answer as shown: every byte as it came (the receiver's own line ends stay).
class NvDumpText {
public:
    void add(int byte);
    QString text() const { return out_; }

private:
    QString out_;
};

enum class DumpEnd { Etx, TimedOut, Stopped, PortFailed };
struct DumpResult {
    DumpEnd end = DumpEnd::PortFailed;
    QString text;
};
// Receives one answer up to its ETX, servicing the event loop; ends early on the dump time-out,
// when stop() holds, or when the port is gone.
DumpResult DumpDataRaw(const std::function<bool()>& stop = {});
DumpResult DumpDataNV(const std::function<bool()>& stop = {});

// Every setting, one "PREFIX.Key=value" line each, sections separated by empty lines.
QString WriteRegistry();

// The dump file's bytes for the given window text.
QByteArray DumpFileContents(const QString& windowText, const QDateTime& now);
// Writes DataFolder()/Mwr_DUMP.TXT as a whole; false with the reason in *error.
bool SaveDumpFile(const QString& windowText, QString* error = nullptr);
QString DumpFilePath();

} // namespace merrow
