#pragma once
// The receiver's side of the serial protocol, as a pure state machine: bytes in, answers out.
// The simulator program puts it on a pseudo-terminal; tests drive it directly.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace merrowsim {

inline constexpr std::uint8_t ACK = 0x06;
inline constexpr std::uint8_t NAK = 0x15;
inline constexpr std::uint8_t ETX = 0x03;
inline constexpr int kBlockSize = 512;
inline constexpr int kReplySize = 1284;
// Silence after which a partial block is forgotten. The editor waits for a clock-second boundary
// between the connect ACK and the block's first byte: 1 to 4 s, and 5 s at most should its clock
// jump. The bound covers all of that with room to spare; inside a block the bytes follow each
// other without pause.
inline constexpr int kDefaultIdleMs = 6500;

struct Faults {
    bool silent = false;             // answers nothing at all
    bool silentUpload = false;       // no answer to the uploaded block
    bool silentReply = false;        // ACKs the block but sends no reply block
    bool nakUpload = false;          // NAKs every block, good checksum or not
    bool nakDump = false;            // NAKs "D"
    bool badChecksum = false;        // reply block with a wrong checksum
    int shortReply = -1;             // >= 0: send only this many bytes of the reply
    bool badLastByte = false;        // reply block ends in NAK instead of ACK
    int garbageBeforeAck = 0;        // this many noise bytes before every ACK
    int extraBytes = 0;              // this many bytes after the reply block
    bool dumpWithoutEtx = false;     // dump answers never end
    int ackDelayMs = 0;              // wait before every ACK / NAK
    int replyDelayMs = 0;            // wait before the reply block
};

struct Answer {
    int delayMs = 0;
    std::string bytes;
};

class ReceiverSim {
public:
    ReceiverSim(Faults faults, std::string version, std::string rawText);

    // One received byte; returns what to send, in order.
    std::vector<Answer> feed(std::uint8_t byte);
    // The line fell silent in the middle of a block: forget the partial block.
    void lineIdle();

    bool inBlock() const { return mode_ == Mode::Block; }
    // Every complete block received, as it came (byte 511 is the sender's checksum).
    const std::vector<std::array<std::uint8_t, kBlockSize>>& blocks() const { return blocks_; }

    // The reply block the receiver sends after a good upload (with the fault settings applied).
    std::string replyBlock() const;
    // The 40 history records the simulator keeps (1,280 bytes, checksum not yet in byte 1279).
    static std::string historyRecords();
    // Text dump of the NV memory: the last block received, 16 bytes a line.
    std::string nvDump() const;

private:
    enum class Mode { Idle, Block, Dump };
    Answer ack(std::uint8_t byte) const;

    Faults faults_;
    std::string version_;
    std::string rawText_;
    Mode mode_ = Mode::Idle;
    std::vector<std::uint8_t> block_;
    std::vector<std::array<std::uint8_t, kBlockSize>> blocks_;
};

} // namespace merrowsim
