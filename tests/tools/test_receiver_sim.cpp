// The simulator's protocol engine: what it answers, and that each fault does what it says.
#include "ReceiverSim.h"

#include <gtest/gtest.h>

using namespace merrowsim;

namespace {

std::string feedAll(ReceiverSim& sim, const std::string& bytes)
{
    std::string out;
    for (char c : bytes)
        for (const Answer& a : sim.feed(static_cast<std::uint8_t>(c)))
            out += a.bytes;
    return out;
}

std::string block(int checksumError = 0)
{
    std::string b(512, '\0');
    unsigned sum = 0;
    for (int i = 0; i < 511; ++i) {
        b[i] = static_cast<char>(i * 7);
        sum += static_cast<unsigned char>(b[i]);
    }
    b[511] = static_cast<char>((sum + checksumError) & 0xFF);
    return b;
}

unsigned sum(const std::string& s, int from, int to)
{
    unsigned total = 0;
    for (int i = from; i <= to; ++i)
        total += static_cast<unsigned char>(s[i]);
    return total;
}

TEST(ReceiverSim, ConnectUploadAndReply)
{
    ReceiverSim sim({}, "243", "");
    EXPECT_EQ(feedAll(sim, "xT"), "\x06");
    EXPECT_EQ(feedAll(sim, "Z"), "\x06");
    const std::string reply = feedAll(sim, block());
    ASSERT_EQ(reply.size(), 1u + 1284u);
    EXPECT_EQ(reply[0], '\x06');
    const std::string r = reply.substr(1);
    EXPECT_EQ(sum(r, 0, 1278) % 256, static_cast<unsigned char>(r[1279]));
    EXPECT_EQ(r.substr(1280, 3), "243");
    EXPECT_EQ(r[1283], '\x06');
    EXPECT_EQ(r.substr(0, 22), "065 14:32 WXR TOR 0045");
    ASSERT_EQ(sim.blocks().size(), 1u);
    EXPECT_EQ(std::string(sim.blocks()[0].begin(), sim.blocks()[0].end()), block());
}

TEST(ReceiverSim, WrongUploadChecksumIsNakedWithoutReply)
{
    ReceiverSim sim({}, "123", "");
    feedAll(sim, "Z");
    EXPECT_EQ(feedAll(sim, block(1)), "\x15");
    EXPECT_EQ(feedAll(sim, "T"), "\x06");   // back to idle
}

TEST(ReceiverSim, Faults)
{
    auto run = [](Faults f) {
        ReceiverSim sim(f, "123", "");
        const std::string connect = feedAll(sim, "Z");
        return connect + "|" + feedAll(sim, block());
    };
    Faults f;
    f.silent = true;
    EXPECT_EQ(run(f), "|");
    f = {};
    f.silentUpload = true;
    EXPECT_EQ(run(f), "\x06|");
    f = {};
    f.silentReply = true;
    EXPECT_EQ(run(f), "\x06|\x06");
    f = {};
    f.nakUpload = true;
    EXPECT_EQ(run(f), "\x06|\x15");
    f = {};
    f.garbageBeforeAck = 2;
    EXPECT_EQ(run(f).substr(0, 6), "?!\x06|?!");
    f = {};
    f.shortReply = 100;
    EXPECT_EQ(run(f).size(), 2u + 1u + 100u);
    f = {};
    f.extraBytes = 5;
    EXPECT_EQ(run(f).size(), 2u + 1u + 1284u + 5u);
    f = {};
    f.badLastByte = true;
    EXPECT_EQ(run(f).back(), '\x15');
    f = {};
    f.badChecksum = true;
    const std::string r = run(f).substr(3);
    EXPECT_NE(sum(r, 0, 1278) % 256, static_cast<unsigned char>(r[1279]));
}

TEST(ReceiverSim, DumpMode)
{
    ReceiverSim sim({}, "123", "noise ZCZC-X");
    feedAll(sim, "Z");
    feedAll(sim, block());
    EXPECT_EQ(feedAll(sim, "R"), "");   // not in dump mode yet
    EXPECT_EQ(feedAll(sim, "D"), "\x06");
    EXPECT_EQ(feedAll(sim, "R"), "noise ZCZC-X\x03");
    const std::string nv = feedAll(sim, "X");
    EXPECT_EQ(nv.substr(0, 14), "8000: 00 07 0E");
    EXPECT_EQ(nv.back(), '\x03');
    EXPECT_EQ(feedAll(sim, "Q"), "");
    EXPECT_EQ(feedAll(sim, "R"), "");

    Faults refuse;
    refuse.nakDump = true;
    ReceiverSim nak(refuse, "123", "");
    EXPECT_EQ(feedAll(nak, "D"), "\x15");
}

TEST(ReceiverSim, APartialBlockIsForgottenWhenTheLineFallsIdle)
{
    ReceiverSim sim({}, "123", "");
    feedAll(sim, "Z");
    feedAll(sim, block().substr(0, 100));
    sim.lineIdle();
    EXPECT_EQ(feedAll(sim, "T"), "\x06");
    EXPECT_TRUE(sim.blocks().empty());
}

} // namespace
