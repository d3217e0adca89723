#include "merrowedit/data/EventTable.h"

namespace merrow {
namespace {

struct EventName {
    const char* code;
    const char* text;
    int eventClass;
};

// The texts are the ones the receiver's users know from earlier versions; keep their spelling.
constexpr EventName kEventNames[] = {
    {"AVA", "Avalanche Watch", 2},
    {"AVW", "Avalanche Warning", 1},
    {"CDA", "Civil Danger Watch", 2},
    {"CDW", "Civil Danger Warning", 1},
    {"CFA", "Coastal Flood Watch", 2},
    {"CFW", "Coastal Flood Warning", 1},
    {"FFA", "Flash Flood Watch", 2},
    {"FFW", "Flash Flood Warning", 1},
    {"FLA", "Flood Watch", 2},
    {"FLW", "Flood Warning", 1},
    {"HMA", "Hazards Material Watch", 2},
    {"HMW", "Hazards Material Warning", 1},
    {"HUA", "Hurricane / Tropical Storm Watch", 2},
    {"HUW", "Hurricane / Tropical Storm Warning", 1},
    {"RHA", "Radiological Hazard Watch", 2},
    {"RHW", "Radiological Harzard Warning", 1},
    {"SVA", "Severe Thunderstorm Watch", 2},
    {"SVW", "Severe Thunderstorm Warning", 1},
    {"TOA", "Tornado Watch", 2},
    {"TOW", "Tornado Warning", 1},
    {"VOA", "Volcano Watch", 2},
    {"VOW", "Volcano Warning", 1},
    {"ADR", "Administration Message", 0},
    {"BZW", "Blizzard Warning", 1},
    {"FRW", "Fire Warning", 1},
    {"HWW", "High Wind Warning", 1},
    {"IEW", "Immediate Evacuation Warning", 1},
    {"LEW", "Law Inforcement Warning", 1},
    {"RMT", "Required Monthly Test", 0},
    {"RWT", "Required Weekly Test", 0},
    {"SPW", "Shelter In Place Warning", 1},
    {"SMW", "Special Marine Warning", 1},
    {"DMO", "System Demo / Practice", 0},
    {"WSW", "Winter Storm Warning", 1},
    {"SVR", "Severe Thunderstorm Warning", 1},
    {"TOR", "Tornado Warning", 1},
};

} // namespace

QString EventCodeName(const QString& code)
{
    for (const EventName& e : kEventNames) {
        if (code == QLatin1String(e.code)) {
            EventClass = e.eventClass;
            return QString::fromLatin1(e.text);
        }
    }
    EventClass = 0;
    return QStringLiteral("Unknown Event Code");
}

const std::array<EventBox, kEventBoxCount>& EventBoxes()
{
    static const std::array<EventBox, kEventBoxCount> boxes{{
        {"Avalanche", "Watch", "AVA"},
        {"Avalanche", "Warning", "AVW"},
        {"Civil Danger", "Watch", "CDA"},
        {"Civil Danger", "Warning", "CDW"},
        {"Coastal Flood", "Watch", "CFA"},
        {"Coastal Flood", "Warning", "CFW"},
        {"Flash Flood", "Watch", "FFA"},
        {"Flash Flood", "Warning", "FFW"},
        {"Flood", "Watch", "FLA"},
        {"Flood", "Warning", "FLW"},
        {"Hazardous Material", "Watch", "HMA"},
        {"Hazardous Material", "Warning", "HMW"},
        {"Hurricane/Trop. Storm", "Watch", "HUA"},
        {"Hurricane/Trop. Storm", "Warning", "HUW"},
        {"Radiological Hazard", "Watch", "RHA"},
        {"Radiological Hazard", "Warning", "RHW"},
        {"Severe Thunderstorm", "Watch", "SVA"},
        {"Severe Thunderstorm", "Warning", "SVW"},
        {"Tornado", "Watch", "TOA"},
        {"Tornado", "Warning", "TOW"},
        {"Volcano", "Watch", "VOA"},
        {"Volcano", "Warning", "VOW"},
        {"Spare", "Watch", ""},
        {"Spare", "Warning", ""},
        {"Misc. Events", "Administrative Message", "ADR"},
        {"Misc. Warnings", "Blizzard Warning", "BZW"},
        {"Misc. Warnings", "Fire Warning", "FRW"},
        {"Misc. Warnings", "High Wind/Dust Storm Warning", "HWW"},
        {"Misc. Warnings", "Immediate Evacuation Warning", "IEW"},
        {"Misc. Warnings", "Law Enforcement Warning", "LEW"},
        {"Misc. Events", "Required Monthly Test", "RMT"},
        {"Misc. Events", "Required Weekly Test", "RWT"},
        {"Misc. Warnings", "Shelter In Place Warning", "SPW"},
        {"Misc. Warnings", "Special Marine Warning", "SMW"},
        {"Misc. Events", "System Demonstration / Practice", "DMO"},
        {"Misc. Warnings", "Winter Storm Warning", "WSW"},
        {"", "", ""},
        {"", "", ""},
        {"", "", ""},
        {"", "", ""},
        {"Misc. Warnings", "Severe Thunderstorm Warning [OLD]", "SVR"},
        {"Misc. Warnings", "Tornado Warning [OLD]", "TOR"},
        {"", "", ""},
        {"", "", ""},
    }};
    return boxes;
}

} // namespace merrow
