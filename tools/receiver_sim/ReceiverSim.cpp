#include "ReceiverSim.h"

#include <cstdio>

namespace merrowsim {

namespace {

// One 32-byte history record: "DDD HH:MM ORG EEE HHMM" and blanks.
std::string record(const char* text)
{
    std::string r(text);
    r.resize(32, ' ');
    return r;
}

} // namespace

ReceiverSim::ReceiverSim(Faults faults, std::string version, std::string rawText)
    : faults_(faults), version_(std::move(version)), rawText_(std::move(rawText))
{
    version_.resize(3, '0');
}

std::string ReceiverSim::historyRecords()
{
    std::string out;
    const char* kept[] = {
        "065 14:32 WXR TOR 0045",   // an ordinary warning
        "064 03:05 WXR SVA 0300",   // early UTC hour: the previous day in American zones
        "001 02:10 CIV RMT 0015",   // first day of the year, before midnight local time
        "200 10:00 EAS XYZ 0100",   // a code the editor does not know
        "120 23:59 1AB FFW 0200",   // an originator that is no code
    };
    for (const char* r : kept)
        out += record(r);
    // Records 6..20 empty (first byte 0), record 21 on the second page of the history.
    for (int i = 5; i < 20; ++i)
        out += std::string(32, '\0');
    out += record("300 12:00 WXR RWT 0015");
    for (int i = 21; i < 40; ++i)
        out += std::string(32, '\0');
    return out;
}

std::string ReceiverSim::replyBlock() const
{
    std::string reply = historyRecords();
    unsigned sum = 0;
    for (int i = 0; i < 1279; ++i)
        sum += static_cast<unsigned char>(reply[i]);
    reply[1279] = static_cast<char>((sum + (faults_.badChecksum ? 1 : 0)) & 0xFF);
    reply += version_;
    reply += static_cast<char>(faults_.badLastByte ? NAK : ACK);
    if (faults_.shortReply >= 0 && faults_.shortReply < int(reply.size()))
        reply.resize(faults_.shortReply);
    else
        reply += std::string(faults_.extraBytes, '\x55');
    return reply;
}

std::string ReceiverSim::nvDump() const
{
    std::array<std::uint8_t, kBlockSize> nv{};
    if (!blocks_.empty())
        nv = blocks_.back();
    std::string out;
    char line[16];
    for (int row = 0; row < kBlockSize; row += 16) {
        std::snprintf(line, sizeof line, "%04X:", 0x8000 + row);
        out += line;
        for (int i = 0; i < 16; ++i) {
            std::snprintf(line, sizeof line, " %02X", nv[row + i]);
            out += line;
        }
        out += "\r\n";
    }
    return out;
}

Answer ReceiverSim::ack(std::uint8_t byte) const
{
    Answer a;
    a.delayMs = faults_.ackDelayMs;
    for (int i = 0; i < faults_.garbageBeforeAck; ++i)
        a.bytes += static_cast<char>("?!x"[i % 3]);
    a.bytes += static_cast<char>(byte);
    return a;
}

void ReceiverSim::lineIdle()
{
    if (mode_ == Mode::Block) {
        block_.clear();
        mode_ = Mode::Idle;
    }
}

std::vector<Answer> ReceiverSim::feed(std::uint8_t byte)
{
    std::vector<Answer> out;
    if (mode_ == Mode::Block) {
        block_.push_back(byte);
        if (int(block_.size()) < kBlockSize)
            return out;
        std::array<std::uint8_t, kBlockSize> block{};
        std::copy(block_.begin(), block_.end(), block.begin());
        blocks_.push_back(block);
        block_.clear();
        mode_ = Mode::Idle;
        unsigned sum = 0;
        for (int i = 0; i < kBlockSize - 1; ++i)
            sum += block[i];
        const bool good = (sum & 0xFF) == block[kBlockSize - 1];
        if (faults_.silent || faults_.silentUpload)
            return out;
        if (!good || faults_.nakUpload) {
            out.push_back(ack(NAK));
            return out;
        }
        out.push_back(ack(ACK));
        if (!faults_.silentReply)
            out.push_back({faults_.replyDelayMs, replyBlock()});
        return out;
    }
    if (faults_.silent)
        return out;
    if (mode_ == Mode::Dump) {
        const std::string end = faults_.dumpWithoutEtx ? std::string() : std::string(1, char(ETX));
        switch (byte) {
        case 'R': out.push_back({faults_.ackDelayMs, rawText_ + end}); break;
        case 'X': out.push_back({faults_.ackDelayMs, nvDump() + end}); break;
        case 'Q': mode_ = Mode::Idle; break;
        case 'D': out.push_back(ack(ACK)); break;
        default: break;
        }
        return out;
    }
    switch (byte) {
    case 'Z':
        out.push_back(ack(ACK));
        mode_ = Mode::Block;
        break;
    case 'T': out.push_back(ack(ACK)); break;
    case 'D':
        if (faults_.nakDump) {
            out.push_back(ack(NAK));
        } else {
            out.push_back(ack(ACK));
            mode_ = Mode::Dump;
        }
        break;
    default: break;
    }
    return out;
}

} // namespace merrowsim
