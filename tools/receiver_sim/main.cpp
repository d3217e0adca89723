// merrow-receiver-sim: plays the weather receiver on a pseudo-terminal, for trying the editor's
// serial link without hardware. Prints the terminal's device path on the first line of stdout;
// point the editor at it with MERROW_PORT1=<path>.
#include "ReceiverSim.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

using namespace merrowsim;
using Clock = std::chrono::steady_clock;

namespace {

const char* kUsage =
    "usage: merrow-receiver-sim [options]\n"
    "  --version DDD            firmware version digits (default 123)\n"
    "  --pace                   send and take bytes no faster than 4800 baud\n"
    "  --block-log FILE         write every uploaded 512-byte block to FILE\n"
    "  --raw-text TEXT          answer to the raw dump command R\n"
    "  --idle-ms N              forget a partial block after N ms of silence (default 6500)\n"
    "  --exit-on-stdin-eof      end when standard input closes\n"
    "  --verbose                log commands to standard error\n"
    "faults:\n"
    "  --silent | --silent-upload | --silent-reply\n"
    "  --ack-delay-ms N | --reply-delay-ms N\n"
    "  --nak-upload | --nak-dump | --bad-checksum | --bad-last-byte\n"
    "  --short-reply N | --garbage-before-ack N | --extra-bytes N | --dump-without-etx\n"
    "  --hang-up-after N        close the terminal and end once N bytes were sent in all\n"
    "                           (0: at the first answer; 1: after the connect ACK; ...)\n";

// 10 bits a byte (start, 8 data, stop) at 4800 baud.
constexpr auto kByteTime = std::chrono::microseconds(10 * 1000000 / 4800);

bool writeAll(int fd, const std::string& bytes, bool pace)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t chunk = pace ? 1 : bytes.size() - done;
        const ssize_t n = ::write(fd, bytes.data() + done, chunk);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                continue;
            }
            return false;
        }
        done += std::size_t(n);
        if (pace)
            std::this_thread::sleep_for(kByteTime);
    }
    return true;
}

int intArg(int& i, int argc, char** argv)
{
    if (i + 1 >= argc) {
        std::fprintf(stderr, "%s needs a value\n%s", argv[i], kUsage);
        std::exit(2);
    }
    return std::atoi(argv[++i]);
}

std::string textArg(int& i, int argc, char** argv)
{
    if (i + 1 >= argc) {
        std::fprintf(stderr, "%s needs a value\n%s", argv[i], kUsage);
        std::exit(2);
    }
    return argv[++i];
}

} // namespace

int main(int argc, char** argv)
{
    Faults faults;
    std::string version = "123";
    std::string blockLog;
    std::string rawText = "\x02NOISE ZCZC-WXR-TOR-012011-012085+0030-0651432-KMLB/NWS -\r\n";
    bool pace = false, verbose = false, watchStdin = false;
    int idleMs = kDefaultIdleMs;
    long hangUpAfter = -1;
    long bytesSent = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--version") version = textArg(i, argc, argv);
        else if (a == "--pace") pace = true;
        else if (a == "--block-log") blockLog = textArg(i, argc, argv);
        else if (a == "--raw-text") rawText = textArg(i, argc, argv);
        else if (a == "--idle-ms") idleMs = intArg(i, argc, argv);
        else if (a == "--exit-on-stdin-eof") watchStdin = true;
        else if (a == "--verbose") verbose = true;
        else if (a == "--silent") faults.silent = true;
        else if (a == "--silent-upload") faults.silentUpload = true;
        else if (a == "--silent-reply") faults.silentReply = true;
        else if (a == "--ack-delay-ms") faults.ackDelayMs = intArg(i, argc, argv);
        else if (a == "--reply-delay-ms") faults.replyDelayMs = intArg(i, argc, argv);
        else if (a == "--nak-upload") faults.nakUpload = true;
        else if (a == "--nak-dump") faults.nakDump = true;
        else if (a == "--bad-checksum") faults.badChecksum = true;
        else if (a == "--bad-last-byte") faults.badLastByte = true;
        else if (a == "--short-reply") faults.shortReply = intArg(i, argc, argv);
        else if (a == "--garbage-before-ack") faults.garbageBeforeAck = intArg(i, argc, argv);
        else if (a == "--extra-bytes") faults.extraBytes = intArg(i, argc, argv);
        else if (a == "--dump-without-etx") faults.dumpWithoutEtx = true;
        else if (a == "--hang-up-after") hangUpAfter = intArg(i, argc, argv);
        else if (a == "--help" || a == "-h") { std::fputs(kUsage, stdout); return 0; }
        else {
            std::fprintf(stderr, "unknown option %s\n%s", a.c_str(), kUsage);
            return 2;
        }
    }

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::perror("pseudo-terminal");
        return 1;
    }
    const char* name = ptsname(master);
    if (!name) {
        std::perror("ptsname");
        return 1;
    }
    const std::string device = name;
    // Hold the terminal side open ourselves, so the line stays up between the editor's opens,
    // and make it raw so nothing is echoed or translated before the editor sets it up.
    const int slave = ::open(device.c_str(), O_RDWR | O_NOCTTY);
    if (slave < 0) {
        std::perror(device.c_str());
        return 1;
    }
    termios tio{};
    tcgetattr(slave, &tio);
    cfmakeraw(&tio);
    cfsetispeed(&tio, B4800);
    cfsetospeed(&tio, B4800);
    tcsetattr(slave, TCSANOW, &tio);

    std::printf("%s\n", device.c_str());
    std::fflush(stdout);

    ReceiverSim sim(faults, version, rawText);
    std::size_t blocksLogged = 0;
    auto lineFree = Clock::now();   // when the next byte can have arrived, with --pace
    auto lastByte = Clock::now();
    for (;;) {
        pollfd fds[2] = {{master, POLLIN, 0}, {0, POLLIN, 0}};
        const int ready = ::poll(fds, watchStdin ? 2 : 1, 100);
        if (ready < 0 && errno != EINTR) {
            std::perror("poll");
            return 1;
        }
        if (watchStdin && (fds[1].revents & (POLLIN | POLLHUP))) {
            char sink[64];
            if (::read(0, sink, sizeof sink) <= 0)
                return 0;
        }
        if (!(fds[0].revents & POLLIN)) {
            if (sim.inBlock() && Clock::now() - lastByte > std::chrono::milliseconds(idleMs)) {
                if (verbose)
                    std::fprintf(stderr, "sim: partial block dropped\n");
                sim.lineIdle();
            }
            continue;
        }
        unsigned char buffer[256];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        for (ssize_t i = 0; i < n; ++i) {
            if (pace) {
                lineFree = std::max(lineFree, Clock::now()) + kByteTime;
                std::this_thread::sleep_until(lineFree);
            }
            lastByte = Clock::now();
            const bool wasInBlock = sim.inBlock();
            if (verbose && !wasInBlock)
                std::fprintf(stderr, "sim: command 0x%02X\n", buffer[i]);
            const auto answers = sim.feed(buffer[i]);
            // Log a finished block before answering it, so whoever reads the log after our reply
            // always finds the block there.
            if (sim.blocks().size() > blocksLogged) {
                blocksLogged = sim.blocks().size();
                if (verbose)
                    std::fprintf(stderr, "sim: block %zu received\n", blocksLogged);
                if (!blockLog.empty()) {
                    std::ofstream out(blockLog, std::ios::binary | std::ios::trunc);
                    const auto& block = sim.blocks().back();
                    out.write(reinterpret_cast<const char*>(block.data()), std::streamsize(block.size()));
                }
            }
            for (const Answer& answer : answers) {
                if (answer.delayMs > 0)
                    std::this_thread::sleep_for(std::chrono::milliseconds(answer.delayMs));
                if (hangUpAfter >= 0 && bytesSent + long(answer.bytes.size()) > hangUpAfter) {
                    // The line goes away in the middle of this answer, as an unplugged cable would.
                    writeAll(master, answer.bytes.substr(0, std::size_t(hangUpAfter - bytesSent)), pace);
                    if (verbose)
                        std::fprintf(stderr, "sim: hanging up after %ld bytes\n", hangUpAfter);
                    ::close(slave);
                    ::close(master);
                    return 0;
                }
                bytesSent += long(answer.bytes.size());
                if (!writeAll(master, answer.bytes, pace))
                    std::perror("write");
            }
        }
    }
}
