#pragma once
// The four hardware option bytes: HF transceiver type (0..2), pulse-dialing rate, HF squelch and
// DVR type. Each is shown as the index of one option button; no index means no button is chosen.
#include <optional>

namespace quillon {

struct HardwareChoices {
    std::optional<int> hf;        // 0 No HF, 1 K-44, 2 O-76; none for a stored 3..255
    std::optional<int> pps;       // 0 10 PPS, 1 20 PPS
    std::optional<int> squelch;   // 0 No, 1 Yes
    std::optional<int> dvr;       // 0 Brindle, 1 Sorrel
};

// The buttons the four stored bytes select: any value but 0 chooses the second button of the
// two-button groups.
HardwareChoices ReadHardwareOptions();

// Writes the chosen buttons (HF 0, 1, 2; PPS and squelch 0 or 255; DVR 0 or 1). A group without
// a choice, or with an index outside its buttons, keeps its byte.
void WriteHardwareOptions(const HardwareChoices& choices);

} // namespace quillon
